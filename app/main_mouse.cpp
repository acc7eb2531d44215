// The mouse on the canvas: presses, drags and releases of both buttons, handed to the tool
// of the button. The tools not listed here come with their own routines.
#include <utility>

#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "document/composite.h"
#include "files/undo_files.h"
#include "imageops/spray_tool.h"
#include "platform/platform.h"
#include "tools/brush_tool.h"
#include "tools/colour_mask.h"
#include "tools/draw_line.h"
#include "tools/flood_fill.h"
#include "tools/pen_tool.h"
#include "tools/range_tool.h"
#include "tools/shape_tools.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"
#include "tools/stamp_block.h"

namespace daub {
namespace {

constexpr int kPenCursor = 121, kZoomCursor = 124, kPickerCursor = 125, kCrossCursor = 127,
              kBucketCursor = 138;

bool IsPicker(ToolKind tool) {
    return tool == ToolKind::Mask || tool == ToolKind::ColourPicker;
}

int LeftPressCursor(ToolKind tool) {
    if (IsPicker(tool)) return kPickerCursor;
    if (tool == ToolKind::RangeSelect) return kCrossCursor;
    if (tool == ToolKind::Zoom) return kZoomCursor;
    return tool == ToolKind::Pen ? kPenCursor : 0;
}

int RightPressCursor(ToolKind tool) {
    if (tool == ToolKind::Mask || tool == ToolKind::Fill) return kBucketCursor;
    if (tool == ToolKind::ColourPicker) return kPickerCursor;
    if (tool == ToolKind::Zoom) return kZoomCursor;
    return tool == ToolKind::Pen ? kPenCursor : 0;
}

int MoveCursor(ToolKind tool) {
    if (IsPicker(tool)) return kPickerCursor;
    if (tool == ToolKind::RangeSelect) return kCrossCursor;
    if (tool == ToolKind::Fill) return kBucketCursor;
    return tool == ToolKind::Zoom ? kZoomCursor : 0;
}

// View coordinates: the client position less the margin the canvas is drawn at.
Point ViewPoint(const Message& message) {
    return {PointX(message.lParam) - kCanvasMargin, PointY(message.lParam) - kCanvasMargin};
}

bool BeyondCanvas(const DocumentState& doc, Point view) {
    return view.x > doc.zoomedWidth || view.y > doc.zoomedHeight;
}

std::optional<ShapeKind> ShapeOf(ToolKind tool) {
    if (tool == ToolKind::Line) return ShapeKind::Line;
    if (tool == ToolKind::Rectangle) return ShapeKind::Rectangle;
    if (tool == ToolKind::Ellipse) return ShapeKind::Ellipse;
    return std::nullopt;
}

bool OnBottomLayer(const DocumentState& doc) {
    return doc.currentLayer == LayerStack::kFirstLayer;
}

// The eraser's press. On an upper layer the display shows, at the erased spot, the other
// layers composited once into the composite slot; the drag reuses that picture.
void ErasePress(DocumentState& doc, Point canvas) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    const COLORREF clear = doc.transparentColour;
    if (OnBottomLayer(doc)) {
        StampBlock(stack, clear, LayerStack::kDisplaySlot, canvas.x, canvas.y, w, w, -1, 0);
    } else {
        FillSlot(stack, clear, LayerStack::kCompositeSlot, 0);
        // The edited layer is left out of the picture for a moment; a layer the user hid
        // stays hidden.
        int& shown = stack.visible[doc.currentLayer];
        const int wasShown = shown;
        shown = 0;
        Composite(stack, clear, doc.lastLayer, kFromFirstLayer, LayerStack::kCompositeSlot, 0);
        shown = wasShown;
        StampBlock(stack, clear, LayerStack::kDisplaySlot, canvas.x, canvas.y, w, w,
                   LayerStack::kCompositeSlot, 0);
    }
    StampBlock(stack, clear, doc.currentLayer, canvas.x, canvas.y, w, w, -1, 0);
}

void EraseDrag(DocumentState& doc, Point canvas, Point previous) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    const COLORREF clear = doc.transparentColour;
    const int beneath = OnBottomLayer(doc) ? -1 : LayerStack::kCompositeSlot;
    for (const auto& [slot, source] :
         {std::pair{LayerStack::kDisplaySlot, beneath}, std::pair{doc.currentLayer, -1}}) {
        StampBlock(stack, clear, slot, canvas.x, canvas.y, w, w, source, 0);
        DrawLine(stack, clear, canvas.x, canvas.y, previous.x, previous.y, w, w, slot, source);
    }
}

// The region is the one of equal colour in the picture as shown; the mask limits where the
// fill lands in the display and in the edited layer.
void FillAt(DocumentState& doc, COLORREF colour, Point canvas) {
    LayerStack& stack = *doc.layerStack;
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kCompositeSlot),
                           stack.Bitmap(LayerStack::kDisplaySlot));
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kScratchSlot), stack.Bitmap(doc.currentLayer));
    FloodFill(stack, colour, canvas.x, canvas.y, LayerStack::kScratchSlot,
              LayerStack::kCompositeSlot);
    CopySlotMasked(stack, LayerStack::kDisplaySlot, LayerStack::kCompositeSlot, 0);
    CopySlotMasked(stack, doc.currentLayer, LayerStack::kScratchSlot, 0);
}

}  // namespace

// What the shape and range tools ask of the window.
class TDaubWindow::CanvasToolHost final : public ToolHost {
  public:
    explicit CanvasToolHost(TDaubWindow& window) : window_(window) {}
    void Snapshot(SnapshotKind kind) override { window_.TakeSnapshot(kind); }
    void EndPendingOperation() override { window_.EndPendingOperation(0); }
    void Repaint() override { window_.Repaint(); }
    void ShowPendingState(int state) override {
        window_.infoWindow->values.mode = state;
        window_.infoWindow->Paint();
    }

  private:
    TDaubWindow& window_;
};

void TDaubWindow::SetCanvasCursor(int cursor) {
    if (cursor != 0) GetPlatform().SetCursor(GetPlatform().LoadCursorResource(cursor));
}

COLORREF TDaubWindow::PickShown(Point canvas) {
    return PickColour(*doc.layerStack, canvas.x, canvas.y, LayerStack::kDisplaySlot, 0);
}

void TDaubWindow::ShowPickedColour(Point canvas, Point view) {
    infoWindow->values.colour = PickShown(canvas);
    infoWindow->values.x = view.x;
    infoWindow->values.y = view.y;
    infoWindow->Paint();
}

void TDaubWindow::TakeSnapshot(SnapshotKind kind) {
    PlatformMessageSink messages(GetPlatform(), Handle());
    Snapshot(doc, kind, messages);
}

std::intptr_t TDaubWindow::OnLeftButtonDown(const Message& message) {
    if (PointX(message.lParam) < 0 || PointY(message.lParam) < 0) return 0;
    if (doc.leftDragging || doc.rightDragging || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    if (BeyondCanvas(doc, view)) return 0;
    doc.leftDragging = 1;
    GetPlatform().SetCapture(Handle());
    SetCanvasCursor(LeftPressCursor(doc.leftTool));
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    if (IsPicker(doc.leftTool)) {
        ShowPickedColour(canvas, view);
        return 0;
    }
    CanvasToolHost host(*this);
    if (doc.leftTool == ToolKind::RangeSelect) {
        RangeSelect(doc, host, view, ToolPhase::LeftPress);
        return 0;
    }
    TakeSnapshot(SnapshotKind::Left);
    PressTool(doc.leftTool, ToolPhase::LeftPress, view, canvas);
    return 0;
}

std::intptr_t TDaubWindow::OnRightButtonDown(const Message& message) {
    if (doc.leftDragging || doc.rightDragging || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    doc.rightDragging = 1;
    GetPlatform().SetCapture(Handle());
    SetCanvasCursor(RightPressCursor(doc.rightTool));
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    rightToolEngaged_ = false;
    // The curve and polyline tools take the right button here while their points are open.
    if (doc.pendingOp == pending::kRangeFloating) CommitFloatingRange();
    if ((doc.pendingOp > 0 && doc.pendingOp < 20) || BeyondCanvas(doc, view)) return 0;
    rightToolEngaged_ = true;
    TakeSnapshot(SnapshotKind::Right);
    if (IsPicker(doc.rightTool)) {
        ShowPickedColour(canvas, view);
    } else {
        PressTool(doc.rightTool, ToolPhase::RightPress, view, canvas);
    }
    return 0;
}

// The press of the tools that act the same way for either button, in that button's colour.
void TDaubWindow::PressTool(ToolKind tool, ToolPhase phase, Point view, Point canvas) {
    const COLORREF colour = IsLeftPhase(phase) ? doc.drawColour : doc.secondColour;
    CanvasToolHost host(*this);
    if (const auto shape = ShapeOf(tool)) {
        ShapeTool(doc, host, *shape, view, phase);
        return;
    }
    switch (tool) {
        case ToolKind::Eraser:
            doc.pressPoint = doc.lastPoint = view;
            ErasePress(doc, canvas);
            Repaint();
            break;
        case ToolKind::Fill:
            FillAt(doc, colour, canvas);
            Repaint();
            break;
        case ToolKind::Zoom:
            StepZoom(IsLeftPhase(phase), view);
            break;
        case ToolKind::Pen:
            doc.pressPoint = doc.lastPoint = view;
            PenPress(doc, colour, canvas.x, canvas.y);
            Repaint();
            break;
        case ToolKind::Brush:
            if (BrushTool(doc, view.x, view.y, phase)) Repaint();
            break;
        case ToolKind::Spray:
            if (SprayTool(doc, noise_, view.x, view.y, phase)) Repaint();
            break;
        default:
            break;
    }
}

// A drag of either button, then the information window and the guide line.
std::intptr_t TDaubWindow::OnMouseMove(const Message& message) {
    if (!doc.rightDragging) SetCanvasCursor(MoveCursor(doc.leftTool));
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    const Point previous = ViewToCanvas(doc, doc.lastPoint.x, doc.lastPoint.y);
    if (doc.leftDragging) DragTool(doc.leftTool, ToolPhase::LeftDrag, view, canvas, previous);
    if (doc.rightDragging && rightToolEngaged_)
        DragTool(doc.rightTool, ToolPhase::RightDrag, view, canvas, previous);
    // Set before the repaint: the rubber band of a range being dragged out ends at lastPoint.
    doc.lastPoint = view;
    if (doc.leftDragging || doc.rightDragging) Repaint();
    InfoValues& info = infoWindow->values;
    info.x = canvas.x;
    info.y = canvas.y;
    const Point extent = DragExtent(doc, view.x, view.y);
    info.w = extent.x;
    info.h = extent.y;
    info.mode = doc.pendingOp;
    infoWindow->Paint();
    guidePointer_ = view;
    if (doc.guideLine == 1) Repaint();
    return 0;
}

void TDaubWindow::DragTool(ToolKind tool, ToolPhase phase, Point view, Point canvas,
                           Point previous) {
    if (!doc.HasDocument()) return;
    const COLORREF colour = IsLeftPhase(phase) ? doc.drawColour : doc.secondColour;
    CanvasToolHost host(*this);
    if (const auto shape = ShapeOf(tool)) {
        ShapeTool(doc, host, *shape, view, phase);
        return;
    }
    switch (tool) {
        case ToolKind::Mask:
        case ToolKind::ColourPicker:
            infoWindow->values.colour = PickShown(canvas);
            infoWindow->Paint();
            break;
        case ToolKind::RangeSelect:
            if (IsLeftPhase(phase)) RangeSelect(doc, host, view, phase);
            break;
        case ToolKind::Eraser:
            EraseDrag(doc, canvas, previous);
            break;
        case ToolKind::Pen:
            PenDrag(doc, colour, canvas.x, canvas.y, previous.x, previous.y);
            break;
        case ToolKind::Brush:
            BrushTool(doc, view.x, view.y, phase);
            break;
        case ToolKind::Spray:
            SprayTool(doc, noise_, view.x, view.y, phase);
            break;
        default:
            break;
    }
}

// A release acts only after this window's own press: one that arrives without it (a press
// refused beyond the canvas, a click that closed a dialog) must not finish a tool.
std::intptr_t TDaubWindow::OnLeftButtonUp(const Message& message) {
    if (doc.rightDragging || !doc.leftDragging) return 0;
    EndDrag(doc.leftDragging);
    if (!doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    CanvasToolHost host(*this);
    if (const auto shape = ShapeOf(doc.leftTool)) {
        ShapeTool(doc, host, *shape, view, ToolPhase::LeftRelease);
        return 0;
    }
    switch (doc.leftTool) {
        case ToolKind::Mask:
            BuildMaskAt(canvas, view);
            break;
        case ToolKind::RangeSelect:
            RangeSelect(doc, host, view, ToolPhase::LeftRelease);
            break;
        case ToolKind::ColourPicker:
            doc.secondColour = palette.rightColour = PickShown(canvas);
            GetPlatform().InvalidateWindow(toolbox.Handle());
            GetPlatform().InvalidateWindow(palette.Handle());
            break;
        default:
            break;
    }
    return 0;
}

// The mask from the colour shown under the pointer, and back to the tool used before.
void TDaubWindow::BuildMaskAt(Point canvas, Point view) {
    LayerStack& stack = *doc.layerStack;
    doc.maskColour = PickShown(canvas);
    BuildMask(stack, doc.maskColour, LayerStack::kDisplaySlot, 0);
    doc.leftTool = toolbox.leftTool = doc.previousTool;
    GetPlatform().InvalidateWindow(toolbox.Handle());
    InfoValues& info = infoWindow->values;
    info.colour = info.maskColour = doc.maskColour;
    info.maskOn = stack.maskEnabled;
    info.x = view.x;
    info.y = view.y;
    infoWindow->Paint();
}

std::intptr_t TDaubWindow::OnRightButtonUp(const Message& message) {
    if (doc.leftDragging || !doc.rightDragging) return 0;
    EndDrag(doc.rightDragging);
    // The curve and polyline tools finish a right-button step here.
    const bool engaged = std::exchange(rightToolEngaged_, false);
    if (!engaged || (doc.pendingOp > 0 && doc.pendingOp < 20) || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    CanvasToolHost host(*this);
    if (const auto shape = ShapeOf(doc.rightTool)) {
        ShapeTool(doc, host, *shape, view, ToolPhase::RightRelease);
        return 0;
    }
    if (doc.rightTool == ToolKind::Mask) {
        ReplaceShownColour(canvas);
    } else if (doc.rightTool == ToolKind::ColourPicker) {
        doc.drawColour = palette.leftColour = PickShown(canvas);
        GetPlatform().InvalidateWindow(palette.Handle());
    }
    return 0;
}

// The colour shown under the pointer becomes the second colour, in the edited layer and
// in the display alike, wherever the mask allows.
void TDaubWindow::ReplaceShownColour(Point canvas) {
    LayerStack& stack = *doc.layerStack;
    TakeSnapshot(SnapshotKind::Always);
    const COLORREF shown = PickShown(canvas);
    ReplaceColour(stack, shown, doc.secondColour, LayerStack::kDisplaySlot, doc.currentLayer, 1, 1,
                  1, 0);
    ReplaceColour(stack, shown, doc.secondColour, LayerStack::kDisplaySlot, -1, 1, 1, 1, 0);
    Repaint();
}

void TDaubWindow::PutRangeBack() {
    CanvasToolHost host(*this);
    PutBackFloatingRange(doc, host);
}

void TDaubWindow::EndDrag(int& dragging) {
    dragging = 0;
    if (doc.layerImageVisible == 1) ShowEditedLayer();
    GetPlatform().ReleaseCapture();
}

}  // namespace daub
