#include "tools/picker_tools.h"

#include "tools/colour_mask.h"
#include "tools/tool_cursors.h"

namespace daub {
namespace {

void BuildMaskAt(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    doc.maskColour = PickShown(doc, event.canvas);
    BuildMask(*doc.layerStack, doc.maskColour, LayerStack::kDisplaySlot, 0);
    doc.leftTool = doc.previousTool;
    host.ToolChanged();
    host.ShowMask(event.view);
}

void ReplaceShownColour(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    LayerStack& stack = *doc.layerStack;
    host.Snapshot(SnapshotKind::Always);
    const COLORREF shown = PickShown(doc, event.canvas);
    ReplaceColour(stack, shown, doc.secondColour, LayerStack::kDisplaySlot, doc.currentLayer, 1, 1,
                  1, 0);
    ReplaceColour(stack, shown, doc.secondColour, LayerStack::kDisplaySlot, -1, 1, 1, 1, 0);
    host.Repaint();
}

}  // namespace

COLORREF PickShown(const DocumentState& doc, Point canvas) {
    return PickColour(*doc.layerStack, canvas.x, canvas.y, LayerStack::kDisplaySlot, 0);
}

void PickerTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    host.ShowColour(PickShown(doc, event.canvas), &event.view);
}

void PickerTool::Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    host.ShowColour(PickShown(doc, event.canvas), nullptr);
}

int PickerTool::MoveCursor() const {
    return cursor::kPicker;
}

void ColourPickerTool::Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    (event.Left() ? doc.secondColour : doc.drawColour) = PickShown(doc, event.canvas);
    host.ColoursChanged();
}

int ColourPickerTool::PressCursor(bool) const {
    return cursor::kPicker;
}

void MaskTool::Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (event.Left()) {
        BuildMaskAt(doc, host, event);
    } else {
        ReplaceShownColour(doc, host, event);
    }
}

int MaskTool::PressCursor(bool left) const {
    return left ? cursor::kPicker : cursor::kBucket;
}

}  // namespace daub
