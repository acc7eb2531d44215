#pragma once

#include <cstdint>
#include <optional>

#include "document/tool_kind.h"
#include "document/view_image.h"
#include "platform/platform.h"
#include "resources/resource_ids.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// The toolbox "ツール": the tools of the two mouse buttons and the pen width.
class ToolboxWindow : public SatelliteDialog {
  public:
    static constexpr int kTemplate = IDD_TOOLBOX;
    static constexpr const char* kBitmapName = "ToolBitmap";

    explicit ToolboxWindow(Platform& platform);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    // Draws the toolbox at once, as after a click; for callers that set its fields.
    void Repaint();

    ToolKind leftTool = ToolKind::Pen;
    ToolKind rightTool = ToolKind::ColourPicker;
    int bitmapHeight = 237;
    int penWidth = 1;
    int widthPanelX = 3;
    int widthPanelY = 203;
    int widthCellSize = 16;

  private:
    void Click(int x, int y, ToolKind& buttonTool);
    void Draw(DeviceContext& context);

    std::optional<LoadedBitmap> bitmap_;
    ViewImage image_;
};

}  // namespace daub
