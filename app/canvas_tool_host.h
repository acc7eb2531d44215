#pragma once

#include "app/main_window.h"
#include "tools/tool_host.h"

namespace daub {

// What the tools ask of the window.
class CanvasToolHost final : public ToolHost {
  public:
    explicit CanvasToolHost(TDaubWindow& window) : window_(window) {}
    void Snapshot(SnapshotKind kind) override { window_.TakeSnapshot(kind); }
    void EndPendingOperation() override { window_.EndPendingOperation(0); }
    void Repaint() override { window_.Repaint(); }
    void ShowPendingState(int state) override {
        window_.Info().values.mode = state;
        window_.Info().Paint();
    }
    void ShowColour(COLORREF colour, const Point* view) override {
        InfoValues& info = window_.Info().values;
        info.colour = colour;
        if (view) {
            info.x = view->x;
            info.y = view->y;
        }
        window_.Info().Paint();
    }
    void ShowMask(Point view) override {
        InfoValues& info = window_.Info().values;
        info.colour = info.maskColour = window_.doc.maskColour;
        info.maskOn = window_.doc.layerStack->maskEnabled;
        info.x = view.x;
        info.y = view.y;
        window_.Info().Paint();
    }
    void ColoursChanged() override { window_.ShowColours(); }
    void ToolChanged() override { window_.ShowLeftTool(); }
    void StepZoom(bool in, Point anchor) override { window_.StepZoom(in, anchor); }
    void Warn(const std::string& text, const std::string& caption) override {
        window_.Warn(text, caption);
    }

  private:
    TDaubWindow& window_;
};

}  // namespace daub
