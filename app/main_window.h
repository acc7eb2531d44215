#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/configuration.h"
#include "app/satellites.h"
#include "app/tool_registry.h"
#include "document/document_state.h"
#include "document/undo_history.h"
#include "document/view_image.h"
#include "document/view_layout.h"
#include "platform/message_table.h"
#include "platform/window.h"
#include "resources/resource_ids.h"
#include "tools/canvas_tool.h"

namespace daub {

class CanvasToolHost;

// The main frame window. It owns the whole document and the satellites around it, and every
// command and private message of the program arrives here; the work is done by the command
// table's actions, the tools and the document's own code.
class TDaubWindow : public Window {
  public:
    static constexpr const char* kClassName = "DaubWindow";
    static constexpr const char* kTitle = "Daubix";
    static constexpr std::uint32_t kBackground = 0x969696;
    static constexpr int kCursor = IDCUR_PEN;

    // Reads the configuration, builds the document state, creates the main window and the
    // satellites. No document exists until New or a file.
    TDaubWindow(Platform& platform, ConfigurationSystem& system);
    ~TDaubWindow() override;

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    // Ends the multi-step operation in progress: a floating range is put down (unless keep
    // is 1), a curve preview removed.
    void EndPendingOperation(int keep);
    // Shows the display slot as the view is scrolled and zoomed, with its overlays.
    void Repaint();
    void RepaintWithRange();
    // The visible layers into the display slot.
    void CompositeDocument();
    // A zoom step with the canvas point under the anchor (view coordinates) kept there; at
    // the pointer, the pixel shown there stays exactly.
    enum class ZoomAnchor { kKeys, kShownPixel };
    void StepZoom(bool in, Point anchor, ZoomAnchor kind = ZoomAnchor::kKeys);
    // The view laid out again around (ax, ay) after the zoom was oldZoom.
    void RelayoutAt(int ax, int ay, float oldZoom);
    // The edited layer into the layer image window.
    void ShowEditedLayer();
    // A new layer image window with its left edge at left, showing the edited layer.
    void MakeLayerImageWindow(int left);
    // After a document was made or opened: the view from the origin at zoom 1, the
    // information window and the layer image window.
    void ShowNewDocument();
    // The layer window's rows as the document has them: one per layer, the edited one
    // selected, the shown ones marked. After anything that changes the layers.
    void ShowLayerList();
    void TakeSnapshot(SnapshotKind kind);
    // A notice from a tool. A message box must not open under the mouse capture, so a drag
    // in progress ends first and its release is ignored.
    void Warn(const std::string& text, const std::string& caption);
    // A key for the left tool; true when it took it.
    bool KeyToLeftTool(int key);
    // The colour box and the toolbox take the document's colours; the toolbox its left tool.
    void ShowColours();
    void ShowLeftTool();
    // Every check mark of the menu from the command table's check rules.
    void RefreshChecks();
    // True when the picture is unchanged or the user agrees to lose the change.
    bool AskToDiscard(const char* question, const char* caption);
    void SaveSettings();
    DaubChild& Info() { return *satellites.infoWindow; }
    ConfigurationSystem& System() { return system_; }

    DocumentState doc;
    Configuration configuration;
    MenuHandle menu;
    Satellites satellites;

  private:
    // Start-up, in order.
    void ReadSettings();
    void LoadResources();
    void RegisterClasses();
    void CreateMainWindow();
    void TakeSatelliteValues();
    void InitScrollBars();
    void RebuildRecentMenus();

    // Messages.
    std::intptr_t OnDestroy(const Message& message);
    std::intptr_t OnClose(const Message& message);
    std::intptr_t OnCommand(const Message& message);
    std::intptr_t OnInitMenuPopup(const Message& message);
    std::intptr_t OnToolboxChanged(const Message& message);
    std::intptr_t OnColourBoxChanged(const Message& message);
    std::intptr_t OnMaskSwitched(const Message& message);
    std::intptr_t OnLayerCommand(const Message& message);
    std::intptr_t OnLayerImageGone(const Message& message);
    std::intptr_t OnCurveSettingsChanged(const Message& message);
    std::intptr_t OnDropFiles(const Message& message);

    void ApplyScrollBars(const ViewScrollBars& bars);
    Point AnchorOfZoomKeys();
    std::intptr_t OnPaint(const Message& message);
    std::intptr_t OnSize(const Message& message);
    std::intptr_t OnScroll(const Message& message);
    std::optional<std::intptr_t> OnKeyDown(const Message& message);
    std::intptr_t OnMouseWheel(const Message& message);

    // The mouse on the canvas.
    std::intptr_t OnLeftButtonDown(const Message& message);
    std::intptr_t OnRightButtonDown(const Message& message);
    std::intptr_t OnMouseMove(const Message& message);
    std::intptr_t OnLeftButtonUp(const Message& message);
    std::intptr_t OnRightButtonUp(const Message& message);
    std::intptr_t OnCaptureChanged(const Message& message);
    ToolHost& Host();
    ToolEvent EventAt(ToolPhase phase, Point view) const;
    void BeginDrag(int& dragging, int cursor);
    void EndDrag(int& dragging);
    void SetCanvasCursor(int cursor);
    void ShowPointer(Point view);

    ConfigurationSystem& system_;
    ViewImage viewImage_;
    ViewScrollBars scrollBars_;
    // What the wheel turned short of a whole notch, kept for the next turn.
    int wheelRemainder_ = 0;
    ToolRegistry tools_;
    std::unique_ptr<CanvasToolHost> toolHost_;
    // Whether the right press reached its tool. One refused while a range or a curve is
    // open, or beyond the picture, took no snapshot: its drag and release must not paint.
    bool rightToolEngaged_ = false;
    // Whether the right press went to the left tool (a curve's drawing): its release does too.
    bool rightToLeftTool_ = false;
    // Where the guide line crosses, in view coordinates, once the mouse has moved.
    std::optional<Point> guidePointer_;
    static const MessageEntry<TDaubWindow> kMessages[];
};

}  // namespace daub
