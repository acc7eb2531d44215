#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/configuration.h"
#include "app/info_window.h"
#include "document/document_state.h"
#include "document/undo_history.h"
#include "document/view_image.h"
#include "document/view_layout.h"
#include "imageops/noise_generator.h"
#include "platform/message_table.h"
#include "platform/window.h"
#include "toolwindows/curve_settings_dialog.h"
#include "toolwindows/layer_window.h"
#include "toolwindows/palette_window.h"
#include "toolwindows/toolbox_window.h"
#include "toolwindows/view_window.h"

namespace daub {

// The main frame window. It owns the whole document and the satellites around it, and every
// command and private message of the program arrives here.
class TDaubWindow : public Window {
  public:
    static constexpr const char* kClassName = "DaubWindow";
    static constexpr const char* kTitle = "Daubix";
    static constexpr std::uint32_t kBackground = 0x969696;
    static constexpr int kCursor = 121;

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
    // A zoom step with the canvas point under the anchor (view coordinates) kept there.
    void StepZoom(bool in, Point anchor);

    DocumentState doc;
    Configuration configuration;
    MenuHandle menu;
    ToolboxWindow toolbox;
    PaletteWindow palette;
    CurveSettingsDialog curveSettingsDialog;
    std::unique_ptr<DaubChild> infoWindow;
    std::unique_ptr<LayerWnd> layerWindow;
    std::unique_ptr<ViewWnd> viewWindow;

  private:
    // Start-up, in order.
    void ReadSettings();
    void LoadResources();
    void RegisterClasses();
    void CreateMainWindow();
    void CreateSatellites();
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

    void CommitFloatingRange();
    void RefreshSelectedRange();
    void RedrawFloatingRange();
    void ShowEditedLayer();
    void ApplyScrollBars(const ViewScrollBars& bars);
    void RelayoutAt(int ax, int ay, float oldZoom);
    Point AnchorOfZoomKeys();
    std::intptr_t OnPaint(const Message& message);
    std::intptr_t OnSize(const Message& message);
    std::intptr_t OnScroll(const Message& message);
    std::intptr_t OnKeyDown(const Message& message);
    void UndoCommand();
    void RedoCommand();
    void BlurCommand();

    // The mouse on the canvas.
    std::intptr_t OnLeftButtonDown(const Message& message);
    std::intptr_t OnRightButtonDown(const Message& message);
    std::intptr_t OnMouseMove(const Message& message);
    std::intptr_t OnLeftButtonUp(const Message& message);
    std::intptr_t OnRightButtonUp(const Message& message);
    class CanvasToolHost;
    void PressTool(ToolKind tool, ToolPhase phase, Point view, Point canvas);
    void DragTool(ToolKind tool, ToolPhase phase, Point view, Point canvas, Point previous);
    void BuildMaskAt(Point canvas, Point view);
    void ReplaceShownColour(Point canvas);
    // The S key: a floating range goes back where it was lifted.
    void PutRangeBack();
    void EndDrag(int& dragging);
    void SetCanvasCursor(int cursor);
    COLORREF PickShown(Point canvas);
    void ShowPickedColour(Point canvas, Point view);
    void TakeSnapshot(SnapshotKind kind);

    // Commands.
    void New();
    void About();
    void ShowSatellite(SatelliteDialog& dialog, int commandId);
    void ShowLayerImage();
    void ToggleGuideLine();
    void BrushSettingsCommand();
    void SpraySettingsCommand();

    void CheckItem(int commandId, bool checked);
    bool AskToDiscard(const char* question, const char* caption);
    void SaveSettings();

    ConfigurationSystem& system_;
    ViewImage viewImage_;
    // The noise spray's numbers: one sequence for the whole run.
    NoiseGenerator noise_;
    ViewScrollBars scrollBars_;
    // Whether the right press reached its tool. One refused while a range or a curve is
    // open, or beyond the picture, took no snapshot: its drag and release must not paint.
    bool rightToolEngaged_ = false;
    // Where the guide line crosses, in view coordinates, once the mouse has moved.
    std::optional<Point> guidePointer_;
    static const MessageEntry<TDaubWindow> kMessages[];
};

}  // namespace daub
