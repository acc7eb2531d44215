#include "imageops/spray_tool.h"

#include "imageops/spray_blend.h"
#include "imageops/spray_blur.h"
#include "imageops/spray_noise.h"
#include "tools/brush_tool.h"
#include "tools/tool_host.h"

namespace daub {
namespace {

constexpr int kBlur = 0, kBlend = 1, kNoise = 2;

}  // namespace

bool SprayTool(DocumentState& doc, NoiseGenerator& noise, int x, int y, ToolPhase phase) {
    const StrokeStep step = ClassifyStrokeEvent(doc, x, y, phase);
    if (step == StrokeStep::Nothing) return false;
    if (step == StrokeStep::RepaintOnly) return true;
    LayerStack& stack = *doc.layerStack;
    const int kind = doc.sprayKind;
    const bool readsSaved = kind == kBlur || kind == kBlend;
    if (step == StrokeStep::Press && (readsSaved || phase == ToolPhase::RightPress))
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kCompositeSlot),
                               stack.Bitmap(LayerStack::kDisplaySlot));
    const int source = readsSaved ? LayerStack::kCompositeSlot : LayerStack::kDisplaySlot;
    const COLORREF colour = StrokeColour(doc, phase);
    const Point c = ToolCanvasPoint(doc, {x, y});
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
