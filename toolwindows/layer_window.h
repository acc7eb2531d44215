#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "document/document_state.h"
#include "platform/device_context.h"
#include "platform/handles.h"
#include "platform/window.h"
#include "resources/resource_ids.h"
#include "toolwindows/layer_list.h"
#include "toolwindows/layer_list_scroll.h"

namespace daub {

// The layer window "レイヤー": the list of layers. Each click, menu choice or drop becomes a
// command it keeps in `command` and reports to the main window, which reads it with the list
// and the dropped path, carries it out and shows the document's layers here again.
class LayerWnd : public Window {
  public:
    static constexpr const char* kClassName = "LayerWnd";
    static constexpr int kCursor = IDCUR_ARROW;
    static constexpr int kDragCursor = IDCUR_DRAG;
    static constexpr int kNewLayerItem = 1034;
    static constexpr int kDeleteItem = 1035;
    // The height a right click on the caption folds the window to.
    static constexpr int kFoldedHeight = 80;

    explicit LayerWnd(Platform& platform);
    ~LayerWnd() override;

    // Registers the window class (once, by the main window).
    static void RegisterClass(Platform& platform);
    void Create(WindowHandle mainWindow);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    // The rows as the document has them, painted at once.
    void ShowDocument(const DocumentState& doc);
    void Repaint();

    LayerCommand command;
    LayerList list;
    LayerListGeometry geometry;
    ListScroll scroll;
    int menuOffsetX = 0;
    int menuOffsetY = 20;
    int restoreHeight = 200;
    int dragging = 0;
    std::string droppedPath;

  private:
    std::intptr_t OnLeftButtonDown(int x, int y);
    std::intptr_t OnLeftButtonUp(int x, int y);
    std::intptr_t OnRightButtonDown(int x, int y);
    std::intptr_t OnMenuItem(int id);
    std::intptr_t OnDropFiles(std::uintptr_t drop);
    std::optional<std::intptr_t> OnCaptionPress(const Message& message);
    std::intptr_t OnSize(int clientHeight);
    void OnVerticalScroll(int request, int thumb);
    void OnWheel(int delta);
    void ApplyScrollBar();
    void Draw(DeviceContext& context);
    void Notify(LayerCommand next);
    bool Ask(const std::string& text, const std::string& caption);

    WindowHandle mainWindow_;
    MenuHandle popup_;
    CursorHandle dragCursor_;
    // What the wheel turned short of a whole notch.
    int wheelRemainder_ = 0;
};

}  // namespace daub
