#pragma once

#include <string>

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "document/undo_history.h"
#include "document/view_layout.h"

namespace daub {

// What a tool asks of the window that owns the document: the undo snapshot, the end of the
// pending operation, the repaint, and telling the satellites what changed.
class ToolHost {
  public:
    virtual void Snapshot(SnapshotKind kind) = 0;
    // As at the start of a command: a floating range is put down, a curve dropped.
    virtual void EndPendingOperation() = 0;
    virtual void Repaint() = 0;
    virtual void ShowPendingState(int state) = 0;
    // The information window shows a picked colour, with the pointer's place when given.
    virtual void ShowColour(COLORREF, const Point*) {}
    // The information window shows the mask just built, and the pointer's place.
    virtual void ShowMask(Point) {}
    // drawColour or secondColour changed: the colour box and the toolbox show them.
    virtual void ColoursChanged() {}
    // leftTool changed: the toolbox shows it.
    virtual void ToolChanged() {}
    // A zoom step with the canvas point under the anchor (view coordinates) kept there.
    virtual void StepZoom(bool, Point) {}
    // A notice in a message box with an OK button; the press that led to it ends with it.
    virtual void Warn(const std::string&, const std::string&) {}

  protected:
    ~ToolHost() = default;
};

// A view coordinate as the brush, spray, shape and range tools take it: no quarter correction,
// divided in single precision as the floating range's own placement is, truncated toward zero.
inline int ToolCanvasCoordinate(long long view, long long scroll, float zoom) {
    return TruncSaturated(static_cast<float>(view + scroll) / zoom);
}

// A length in view pixels as canvas pixels.
inline int ToolCanvasLength(int length, float zoom) {
    return TruncSaturated(static_cast<float>(length) / zoom);
}

// The canvas pixel of a view position for every tool but the pen.
inline Point ToolCanvasPoint(const DocumentState& doc, Point view) {
    return {ToolCanvasCoordinate(view.x, doc.scrollX, doc.zoom),
            ToolCanvasCoordinate(view.y, doc.scrollY, doc.zoom)};
}

inline bool IsLeftPhase(ToolPhase phase) {
    return phase == ToolPhase::LeftPress || phase == ToolPhase::LeftDrag ||
           phase == ToolPhase::LeftRelease;
}

}  // namespace daub
