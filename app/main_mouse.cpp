// The mouse on the canvas: presses, drags and releases of both buttons, handed to the tool
// of the button. The tools not listed here come with their own routines.
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "files/undo_files.h"
#include "platform/platform.h"
#include "tools/colour_mask.h"
#include "tools/pen_tool.h"

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

}  // namespace

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
    TakeSnapshot(SnapshotKind::Left);
    if (doc.leftTool == ToolKind::Pen) {
        doc.pressPoint = doc.lastPoint = view;
        PenPress(doc, doc.drawColour, canvas.x, canvas.y);
        Repaint();
    } else if (doc.leftTool == ToolKind::Zoom) {
        StepZoom(true, view);
    }
    return 0;
}

std::intptr_t TDaubWindow::OnRightButtonDown(const Message& message) {
    if (doc.leftDragging || doc.rightDragging || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    doc.rightDragging = 1;
    GetPlatform().SetCapture(Handle());
    SetCanvasCursor(RightPressCursor(doc.rightTool));
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    if (doc.pendingOp == pending::kRangeFloating) CommitFloatingRange();
    if ((doc.pendingOp > 0 && doc.pendingOp < 20) || BeyondCanvas(doc, view)) return 0;
    TakeSnapshot(SnapshotKind::Right);
    if (doc.rightTool == ToolKind::Pen) {
        doc.pressPoint = doc.lastPoint = view;
        PenPress(doc, doc.secondColour, canvas.x, canvas.y);
        Repaint();
    } else if (IsPicker(doc.rightTool)) {
        ShowPickedColour(canvas, view);
    } else if (doc.rightTool == ToolKind::Zoom) {
        StepZoom(false, view);
    }
    return 0;
}

// A drag of either button, then the information window and the guide line.
std::intptr_t TDaubWindow::OnMouseMove(const Message& message) {
    if (!doc.rightDragging) SetCanvasCursor(MoveCursor(doc.leftTool));
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    const Point previous = ViewToCanvas(doc, doc.lastPoint.x, doc.lastPoint.y);
    if (doc.leftDragging) DragTool(doc.leftTool, doc.drawColour, canvas, previous);
    if (doc.rightDragging) DragTool(doc.rightTool, doc.secondColour, canvas, previous);
    if (doc.leftDragging || doc.rightDragging) Repaint();
    doc.lastPoint = view;
    InfoValues& info = infoWindow->values;
    info.x = canvas.x;
    info.y = canvas.y;
    info.w = view.x - doc.pressPoint.x;
    info.h = view.y - doc.pressPoint.y;
    info.mode = doc.pendingOp;
    infoWindow->Paint();
    guidePointer_ = view;
    if (doc.guideLine == 1) Repaint();
    return 0;
}

void TDaubWindow::DragTool(ToolKind tool, COLORREF colour, Point canvas, Point previous) {
    if (!doc.HasDocument()) return;
    if (tool == ToolKind::Pen) PenDrag(doc, colour, canvas.x, canvas.y, previous.x, previous.y);
    if (IsPicker(tool)) {
        infoWindow->values.colour = PickShown(canvas);
        infoWindow->Paint();
    }
}

std::intptr_t TDaubWindow::OnLeftButtonUp(const Message& message) {
    if (doc.rightDragging) return 0;
    EndDrag(doc.leftDragging);
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    if (doc.leftTool == ToolKind::ColourPicker && doc.HasDocument()) {
        doc.secondColour = palette.rightColour = PickShown(canvas);
        GetPlatform().InvalidateWindow(palette.Handle());
    }
    return 0;
}

std::intptr_t TDaubWindow::OnRightButtonUp(const Message& message) {
    if (doc.leftDragging) return 0;
    EndDrag(doc.rightDragging);
    if (doc.pendingOp > 0 && doc.pendingOp < 20) return 0;
    const Point view = ViewPoint(message);
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    if (doc.rightTool == ToolKind::ColourPicker && doc.HasDocument()) {
        doc.drawColour = palette.leftColour = PickShown(canvas);
        GetPlatform().InvalidateWindow(palette.Handle());
    }
    return 0;
}

void TDaubWindow::EndDrag(int& dragging) {
    dragging = 0;
    if (doc.layerImageVisible == 1) ShowEditedLayer();
    GetPlatform().ReleaseCapture();
}

}  // namespace daub
