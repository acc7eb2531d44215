#include "app/tool_registry.h"

#include "imageops/curve_tool.h"
#include "imageops/spray_tool.h"
#include "tools/brush_tool.h"
#include "tools/eraser_tool.h"
#include "tools/fill_tool.h"
#include "tools/pen_tool.h"
#include "tools/picker_tools.h"
#include "tools/range_tool.h"
#include "tools/shape_tools.h"
#include "tools/zoom_tool.h"

namespace daub {
namespace {

template <class Tool, class... Args>
std::unique_ptr<CanvasTool> Make(Args... args) {
    return std::make_unique<Tool>(args...);
}

}  // namespace

ToolRegistry::ToolRegistry() {
    tools_.emplace_back(ToolKind::Mask, Make<MaskTool>());
    tools_.emplace_back(ToolKind::RangeSelect, Make<RangeTool>());
    tools_.emplace_back(ToolKind::Eraser, Make<EraserTool>());
    tools_.emplace_back(ToolKind::Fill, Make<FillTool>());
    tools_.emplace_back(ToolKind::ColourPicker, Make<ColourPickerTool>());
    tools_.emplace_back(ToolKind::Zoom, Make<ZoomTool>());
    tools_.emplace_back(ToolKind::Pen, Make<PenTool>());
    tools_.emplace_back(ToolKind::Brush, Make<BrushStrokeTool>());
    tools_.emplace_back(ToolKind::Spray, Make<SprayCanvasTool>());
    tools_.emplace_back(ToolKind::NoTool1900, Make<IdleTool>());
    tools_.emplace_back(ToolKind::Line, Make<ShapeCanvasTool>(ShapeKind::Line));
    tools_.emplace_back(ToolKind::Curve, Make<CurveCanvasTool>(CurveShape::Curve));
    tools_.emplace_back(ToolKind::Rectangle, Make<ShapeCanvasTool>(ShapeKind::Rectangle));
    tools_.emplace_back(ToolKind::Polyline, Make<CurveCanvasTool>(CurveShape::Polyline));
    tools_.emplace_back(ToolKind::Ellipse, Make<ShapeCanvasTool>(ShapeKind::Ellipse));
    tools_.emplace_back(ToolKind::NoTool2500, Make<IdleTool>());
}

CanvasTool& ToolRegistry::For(ToolKind kind) {
    for (auto& [k, tool] : tools_)
        if (k == kind) return *tool;
    return idle_;
}

}  // namespace daub
