#pragma once

#include "tools/canvas_tool.h"

namespace daub {

// The colour shown under the pointer, as both pickers read it.
COLORREF PickShown(const DocumentState& doc, Point canvas);

// Both pickers show the colour under the pointer while a button is down; they differ in
// what the release does.
class PickerTool : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int MoveCursor() const override;
};

// The colour picker: the left button's pick becomes the second colour, the right button's
// the drawing colour.
class ColourPickerTool final : public PickerTool {
  public:
    void Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool left) const override;
};

// The mask picker: the left release builds the mask from the colour shown and goes back to
// the tool used before; the right release turns that colour into the second colour in the
// edited layer and the display, wherever the mask allows.
class MaskTool final : public PickerTool {
  public:
    void Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool left) const override;
};

}  // namespace daub
