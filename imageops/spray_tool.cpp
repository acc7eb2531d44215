#include "imageops/spray_tool.h"

#include <algorithm>
#include <utility>

#include "imageops/spray_blend.h"
#include "imageops/spray_blur.h"
#include "imageops/spray_noise.h"
#include "imageops/spray_square.h"
#include "tools/brush_tool.h"
#include "tools/tool_host.h"

namespace daub {
namespace {

constexpr int kBlur = 0, kBlend = 1, kNoise = 2;

// The rows a dab at canvas point c reads from the saved picture or writes into the display:
// its square, and for the blur as far beyond as the radius reaches.
std::pair<int, int> DabRows(const DocumentState& doc, Point c, int height) {
    const int size = doc.spraySize;
    const SprayArea area = ClipSprayArea(c.x, c.y, size, size, 1, height);
    if (area.rows.Empty()) return {0, 0};
    int reach = 0;
    if (doc.sprayKind == kBlur) reach = std::clamp(doc.sprayStrength >> 1, 1, height);
    return {area.rows.first - reach, area.rows.second + reach};
}

}  // namespace

bool SprayTool(DocumentState& doc, NoiseGenerator& noise, int x, int y, ToolPhase phase) {
    const StrokeStep step = ClassifyStrokeEvent(doc, x, y, phase);
    if (step == StrokeStep::Nothing) return false;
    if (step == StrokeStep::RepaintOnly) return true;
    LayerStack& stack = *doc.layerStack;
    const int kind = doc.sprayKind;
    const bool readsSaved = kind == kBlur || kind == kBlend;
    // The press saves the display into the composite slot, but only the bands the stroke
    // reaches are copied, each before the stroke first reads or paints it.
    if (step == StrokeStep::Press && (readsSaved || phase == ToolPhase::RightPress))
        stack.strokeSaved.Begin(stack, LayerStack::kCompositeSlot, LayerStack::kDisplaySlot);
    else if (step == StrokeStep::Press)
        stack.strokeSaved.End();
    const int source = readsSaved ? LayerStack::kCompositeSlot : LayerStack::kDisplaySlot;
    const COLORREF colour = StrokeColour(doc, phase);
    const Point c = ToolCanvasPoint(doc, {x, y});
    const auto [firstRow, lastRow] = DabRows(doc, c, stack.Height(0));
    stack.strokeSaved.Ensure(stack, firstRow, lastRow);
    const int size = doc.spraySize, strength = doc.sprayStrength;
    const int targets[] = {doc.currentLayer, LayerStack::kDisplaySlot};
    for (int target : targets) {
        if (kind == kBlur) {
            SprayBlur(stack, colour, source, c.x, c.y, size, size, strength, target, 0);
        } else if (kind == kBlend) {
            SprayBlend(stack, colour, source, c.x, c.y, size, size, strength, target, 0);
        } else if (kind == kNoise) {
            // The display gets the very noise the layer got, or the screen would show pixels
            // that the layer does not hold.
            const std::uint32_t before = noise.State();
            SprayNoise(stack, noise, colour, source, c.x, c.y, size, size, strength, target, 0);
            if (target == doc.currentLayer) noise.Restore(before);
        }
    }
    return step == StrokeStep::Press;
}

void SprayCanvasTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (SprayTool(doc, noise_, event.view.x, event.view.y, event.phase)) host.Repaint();
}

void SprayCanvasTool::Drag(DocumentState& doc, ToolHost&, const ToolEvent& event) {
    SprayTool(doc, noise_, event.view.x, event.view.y, event.phase);
}

}  // namespace daub
