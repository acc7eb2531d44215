#pragma once

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "tools/tool_host.h"

namespace daub {

// One mouse event on the canvas as a tool receives it.
struct ToolEvent {
    ToolPhase phase = ToolPhase::LeftPress;
    Point view;      // client position less the canvas margin
    Point canvas;    // the pixel under the pointer, as the pen and the pickers map it
    Point previous;  // the pixel of the previous event, mapped alike
    bool Left() const { return IsLeftPhase(phase); }
};

// A tool of the toolbox. The dispatch calls Press after its own refusals and the undo
// snapshot, Drag for every move while its button is down, Release after the capture ends.
// A tool keeps whatever state its stroke needs between those calls.
class CanvasTool {
  public:
    virtual ~CanvasTool() = default;
    virtual void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) = 0;
    virtual void Drag(DocumentState&, ToolHost&, const ToolEvent&) {}
    virtual void Release(DocumentState&, ToolHost&, const ToolEvent&) {}
    // A key the window did not take for itself; true when the tool used it.
    virtual bool Key(DocumentState&, ToolHost&, int) { return false; }
    // True while this left tool takes the right button for itself (its press and release,
    // with right phases), whatever the right tool is.
    virtual bool TakesRightButton(const DocumentState&) const { return false; }
    // The cursor shown from a press of the given button, and while the mouse moves with this
    // as the left tool; 0 keeps the cursor as it is.
    virtual int PressCursor(bool) const { return 0; }
    virtual int MoveCursor() const { return 0; }
};

// The empty cells of the toolbox, and tools whose work is elsewhere: nothing happens.
class IdleTool final : public CanvasTool {
  public:
    void Press(DocumentState&, ToolHost&, const ToolEvent&) override {}
};

// The colour of the button the event belongs to.
inline COLORREF ButtonColour(const DocumentState& doc, const ToolEvent& event) {
    return event.Left() ? doc.drawColour : doc.secondColour;
}

}  // namespace daub
