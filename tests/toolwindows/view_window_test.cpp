#include "toolwindows/view_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace daub {
namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

// The smallest rectangle holding every pixel of the colour.
PixelRect BoundsOf(const HeadlessSurface& surface, COLORREF colour) {
    PixelRect bounds{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) != colour) continue;
            bounds = {std::min(bounds.left, x), std::min(bounds.top, y),
                      std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
        }
    }
    return bounds;
}

// After the user resizes the window, the layer is shown again fitted to the new client area
// (shrunk, never enlarged, centred), as it is now.
TEST(ViewWindow, ResizedWindowFitsTheLastLayerAgain) {
    const struct {
        int width, height;
        PixelRect picture;
    } cases[] = {
        {300, 300, {0, 75, 300, 225}},     // shrunk to fit the width
        {600, 600, {100, 200, 500, 400}},  // room enough: never enlarged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        HeadlessKernel kernel;
        HeadlessPlatform platform(kernel);
        ViewWnd::RegisterClass(platform);
        ViewWnd view(platform);
        view.Create({});
        constexpr int kStride = 400 * 3;
        std::vector<std::uint8_t> layer(kStride * 200);
        for (std::size_t i = 0; i < layer.size(); i += 3)
            StorePixel(&layer[i], kRed);
        view.refit = [&] { view.Show(SlotView{layer.data(), 400, 200, kStride}); };
        view.refit();
        for (std::size_t i = 0; i < layer.size(); i += 3)
            StorePixel(&layer[i], kBlue);

        platform.MoveNativeWindow(view.Handle(), 540, 40, c.width, c.height, true);
        platform.PaintPending();

        const HeadlessSurface& shown = *platform.Surface(view.Handle());
        EXPECT_EQ(BoundsOf(shown, kBlue), c.picture);
        EXPECT_EQ(shown.Pixel(0, 0), 0xFFFFFFu);
        EXPECT_EQ(BoundsOf(shown, kRed), (PixelRect{c.width, c.height, 0, 0}));  // none
    }
}

}  // namespace
}  // namespace daub
