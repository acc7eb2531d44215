#include "tools/zoom_tool.h"

#include "tools/tool_cursors.h"

namespace daub {

void ZoomTool::Press(DocumentState&, ToolHost& host, const ToolEvent& event) {
    host.StepZoom(event.Left(), event.view);
}

int ZoomTool::PressCursor(bool) const {
    return cursor::kZoom;
}

int ZoomTool::MoveCursor() const {
    return cursor::kZoom;
}

}  // namespace daub
