// The mouse on the canvas: presses, drags and releases of both buttons, checked here and
// handed to the tool of the button.
#include <utility>

#include "app/canvas_tool_host.h"
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "files/undo_files.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "tools/floating_range.h"

namespace daub {
namespace {

// View coordinates: the client position less the margin the canvas is drawn at.
Point ViewPoint(const Message& message) {
    return {PointX(message.lParam) - kCanvasMargin, PointY(message.lParam) - kCanvasMargin};
}

bool BeyondCanvas(const DocumentState& doc, Point view) {
    return view.x > doc.zoomedWidth || view.y > doc.zoomedHeight;
}

}  // namespace

ToolHost& TDaubWindow::Host() {
    if (!toolHost_) toolHost_ = std::make_unique<CanvasToolHost>(*this);
    return *toolHost_;
}

void TDaubWindow::SetCanvasCursor(int cursor) {
    if (cursor != 0) GetPlatform().SetCursor(GetPlatform().LoadCursorResource(cursor));
}

void TDaubWindow::TakeSnapshot(SnapshotKind kind) {
    PlatformMessageSink messages(GetPlatform(), Handle());
    Snapshot(doc, kind, messages);
}

ToolEvent TDaubWindow::EventAt(ToolPhase phase, Point view) const {
    return {phase, view, ViewToCanvas(doc, view.x, view.y),
            ViewToCanvas(doc, doc.lastPoint.x, doc.lastPoint.y)};
}

// The undo snapshot is taken before this: a message about a snapshot that could not be
// written must not open while the mouse is captured.
void TDaubWindow::BeginDrag(int& dragging, int cursor) {
    dragging = 1;
    GetPlatform().SetCapture(Handle());
    SetCanvasCursor(cursor);
}

std::intptr_t TDaubWindow::OnLeftButtonDown(const Message& message) {
    if (PointX(message.lParam) < 0 || PointY(message.lParam) < 0) return 0;
    if (doc.leftDragging || doc.rightDragging || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    if (BeyondCanvas(doc, view)) return 0;
    CanvasTool& tool = tools_.For(doc.leftTool);
    TakeSnapshot(SnapshotKind::Left);
    BeginDrag(doc.leftDragging, tool.PressCursor(true));
    tool.Press(doc, Host(), EventAt(ToolPhase::LeftPress, view));
    return 0;
}

// A right press puts a floating range down whatever the tool; while a range or a curve is
// open the curve tools take the right button, so no other tool starts. A curve's press takes
// its snapshot before the capture, as every press does.
std::intptr_t TDaubWindow::OnRightButtonDown(const Message& message) {
    if (doc.leftDragging || doc.rightDragging || !doc.HasDocument()) return 0;
    const Point view = ViewPoint(message);
    CanvasTool& tool = tools_.For(doc.rightTool);
    rightToolEngaged_ = false;
    CanvasTool& leftTool = tools_.For(doc.leftTool);
    if (leftTool.TakesRightButton(doc)) {
        leftTool.Press(doc, Host(), EventAt(ToolPhase::RightPress, view));
        BeginDrag(doc.rightDragging, tool.PressCursor(false));
        rightToLeftTool_ = true;
        return 0;
    }
    if (doc.pendingOp == pending::kRangeFloating) CommitFloatingRange(doc, Host());
    const bool refused =
        (doc.pendingOp > 0 && doc.pendingOp < pending::kLineDragged) || BeyondCanvas(doc, view);
    if (!refused) TakeSnapshot(SnapshotKind::Right);
    BeginDrag(doc.rightDragging, tool.PressCursor(false));
    if (refused) return 0;
    rightToolEngaged_ = true;
    tool.Press(doc, Host(), EventAt(ToolPhase::RightPress, view));
    return 0;
}

// A drag of either button, then the information window and the guide line.
std::intptr_t TDaubWindow::OnMouseMove(const Message& message) {
    if (!doc.rightDragging) SetCanvasCursor(tools_.For(doc.leftTool).MoveCursor());
    const Point view = ViewPoint(message);
    if (doc.HasDocument()) {
        if (doc.leftDragging)
            tools_.For(doc.leftTool).Drag(doc, Host(), EventAt(ToolPhase::LeftDrag, view));
        if (doc.rightDragging && rightToolEngaged_)
            tools_.For(doc.rightTool).Drag(doc, Host(), EventAt(ToolPhase::RightDrag, view));
    }
    // Set before the repaint: the rubber band of a range being dragged out ends at lastPoint.
    doc.lastPoint = view;
    if (doc.leftDragging || doc.rightDragging) Repaint();
    ShowPointer(view);
    guidePointer_ = view;
    if (doc.guideLine == 1) Repaint();
    return 0;
}

void TDaubWindow::ShowPointer(Point view) {
    const Point canvas = ViewToCanvas(doc, view.x, view.y);
    InfoValues& info = Info().values;
    info.x = canvas.x;
    info.y = canvas.y;
    const Point extent = DragExtent(doc, view.x, view.y);
    info.w = extent.x;
    info.h = extent.y;
    info.mode = doc.pendingOp;
    Info().Paint();
}

// A release acts only after this window's own press: one that arrives without it (a press
// refused beyond the canvas, a click that closed a dialog) must not finish a tool.
std::intptr_t TDaubWindow::OnLeftButtonUp(const Message& message) {
    if (doc.rightDragging || !doc.leftDragging) return 0;
    EndDrag(doc.leftDragging);
    if (!doc.HasDocument()) return 0;
    tools_.For(doc.leftTool)
        .Release(doc, Host(), EventAt(ToolPhase::LeftRelease, ViewPoint(message)));
    return 0;
}

std::intptr_t TDaubWindow::OnRightButtonUp(const Message& message) {
    if (doc.leftDragging || !doc.rightDragging) return 0;
    EndDrag(doc.rightDragging);
    if (std::exchange(rightToLeftTool_, false)) {
        if (doc.HasDocument())
            tools_.For(doc.leftTool)
                .Release(doc, Host(), EventAt(ToolPhase::RightRelease, ViewPoint(message)));
        return 0;
    }
    const bool engaged = std::exchange(rightToolEngaged_, false);
    if (!engaged || (doc.pendingOp > 0 && doc.pendingOp < pending::kLineDragged) ||
        !doc.HasDocument())
        return 0;
    tools_.For(doc.rightTool)
        .Release(doc, Host(), EventAt(ToolPhase::RightRelease, ViewPoint(message)));
    return 0;
}

// The capture taken away mid-drag (another window, a message box) ends the drag: the button
// is no longer followed, and a shape or range being dragged out is dropped.
std::intptr_t TDaubWindow::OnCaptureChanged(const Message&) {
    if (!doc.leftDragging && !doc.rightDragging) return 0;
    doc.leftDragging = doc.rightDragging = 0;
    rightToolEngaged_ = false;
    // A curve drawn by the right press would wait for a release that no longer comes.
    if (std::exchange(rightToLeftTool_, false) && doc.HasDocument())
        tools_.For(doc.leftTool)
            .Release(doc, Host(), EventAt(ToolPhase::RightRelease, doc.lastPoint));
    if (pending::IsShape(doc.pendingOp) || doc.pendingOp == pending::kRangeDragged) {
        EndPendingOperation(0);
        Repaint();
    }
    return 0;
}

void TDaubWindow::Warn(const std::string& text, const std::string& caption) {
    if (doc.leftDragging || doc.rightDragging) {
        doc.leftDragging = doc.rightDragging = 0;
        rightToolEngaged_ = rightToLeftTool_ = false;
        GetPlatform().ReleaseCapture();
    }
    GetPlatform().ShowMessageBox(Handle(), text, caption, mb::kOk);
}

void TDaubWindow::EndDrag(int& dragging) {
    dragging = 0;
    if (doc.layerImageVisible == 1) ShowEditedLayer();
    GetPlatform().ReleaseCapture();
}

}  // namespace daub
