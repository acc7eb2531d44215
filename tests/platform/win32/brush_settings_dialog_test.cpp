#include "app/brush_settings_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/win32/win32_dialog_controls.h"
#include "tests/platform/win32/win32_test_support.h"

#include <commctrl.h>

namespace daub::win32test {
namespace {

using Brush = BrushSettingsDialog;

// The brush dialog on the real trackbars: the test's input is posted to the slider once the
// dialog is loaded, then OK, where the edits are read (the model's own check is left out, so
// that a wrong value cannot stop the dialog on a message box).
class DrivenBrushDialog : public Brush {
  public:
    DrivenBrushDialog(int slider, bool drag)
        : Brush(10.0, 100.0, 1.0), slider_(slider), drag_(drag) {}

    void Load(DialogControls& controls) override {
        Brush::Load(controls);
        HWND dialog = dynamic_cast<Win32DialogControls&>(controls).Dialog();
        HWND slider = GetDlgItem(dialog, slider_);
        if (drag_) {
            // The thumb is taken and let go far beyond the right end: position 100.
            RECT thumb = {};
            SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            const int y = (thumb.top + thumb.bottom) / 2;
            PostMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON,
                         MAKELPARAM((thumb.left + thumb.right) / 2, y));
            PostMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2000, y));
            PostMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(2000, y));
        } else {
            PostMessageW(slider, WM_KEYDOWN, VK_END, 0);
            PostMessageW(slider, WM_KEYUP, VK_END, 0);
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    bool Save(DialogControls& controls) override {
        edits = {controls.Text(kSizeEdit), controls.Text(kDensityEdit),
                 controls.Text(kDistributionEdit)};
        position = controls.SliderPosition(slider_);
        return true;
    }

    std::array<std::string, 3> edits;
    int position = -1;

  private:
    int slider_;
    bool drag_;
};

// A slider writes its edit when a mouse drag on it ends (NM_RELEASEDCAPTURE), each in its
// own format; a key moves the thumb alone.
TEST(Win32BrushSettings, SliderWritesItsEditWhenTheDragEnds) {
    const struct {
        const char* name;
        int slider;
        bool drag;
        std::array<std::string, 3> edits;
    } cases[] = {
        {"size dragged", Brush::kSizeSlider, true, {"40", "100", "1"}},
        {"density dragged", Brush::kDensitySlider, true, {"10", "10000", "1"}},
        {"distribution dragged", Brush::kDistributionSlider, true, {"10", "100", "5.00"}},
        {"size moved by a key", Brush::kSizeSlider, false, {"10", "100", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DrivenBrushDialog dialog(c.slider, c.drag);

        EXPECT_EQ(TestPlatform().RunModalDialog(dialog, {}), 1);

        EXPECT_EQ(dialog.position, 100);
        EXPECT_EQ(dialog.edits, c.edits);
    }
}

}  // namespace
}  // namespace daub::win32test
