#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "document/tool_kind.h"
#include "tools/canvas_tool.h"

namespace daub {

// Every toolbox cell's tool, made once for the window: a tool keeps its stroke's state.
class ToolRegistry {
  public:
    ToolRegistry();
    // The cell's tool; a kind with no row (never in the toolbox) does nothing.
    CanvasTool& For(ToolKind kind);

  private:
    std::vector<std::pair<ToolKind, std::unique_ptr<CanvasTool>>> tools_;
    IdleTool idle_;
};

}  // namespace daub
