#include "platform/headless/headless_device_context.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "tests/platform/recording_window.h"

namespace daub {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGrey = 0x969696;

// Every pixel that is not the background, as (x, y).
std::set<std::pair<int, int>> Drawn(const HeadlessSurface& surface, std::uint32_t background) {
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) != background) drawn.insert({x, y});
        }
    }
    return drawn;
}

// A bottom-up 24-bit picture whose pixel (x, y) has red x and green y; rows are padded.
struct Picture {
    Picture(int width, int height) : width(width), height(height), stride((3 * width + 3) & ~3) {
        bits.assign(static_cast<std::size_t>(stride) * height, 0xEE);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p =
                    &bits[static_cast<std::size_t>(stride) * (height - 1 - y) + 3 * x];
                p[0] = 0;
                p[1] = static_cast<std::uint8_t>(y);
                p[2] = static_cast<std::uint8_t>(x);
            }
        }
    }
    PixelImage Image() const { return {bits.data(), width, height, stride}; }
    static std::uint32_t Colour(int x, int y) { return static_cast<std::uint32_t>(x | (y << 8)); }

    int width, height, stride;
    std::vector<std::uint8_t> bits;
};

TEST(HeadlessDeviceContext, FillsClippedRectanglesWithoutTheirRightAndBottomEdges) {
    auto surface = std::make_shared<HeadlessSurface>(6, 4, kWhite);
    HeadlessDeviceContext dc(surface);
    dc.FillRect({-3, -3, 2, 1}, kRed);    // over the top-left corner
    dc.FillRect({4, 2, 100, 100}, kRed);  // past the bottom-right corner
    dc.FillRect({3, 3, 3, 9}, kRed);      // empty
    EXPECT_EQ(Drawn(*surface, kWhite),
              (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {4, 2}, {5, 2}, {4, 3}, {5, 3}}));
    EXPECT_EQ(surface->Pixel(6, 0), HeadlessSurface::kOutside);
}

TEST(HeadlessDeviceContext, LinesLeaveOutTheirEndPoint) {
    using Points = std::set<std::pair<int, int>>;
    const struct {
        int x0, y0, x1, y1;
        Points expected;
    } lines[] = {
        {1, 1, 4, 1, {{1, 1}, {2, 1}, {3, 1}}}, {4, 1, 1, 1, {{4, 1}, {3, 1}, {2, 1}}},
        {2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}}}, {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {3, 0, 0, 3, {{3, 0}, {2, 1}, {1, 2}}}, {2, 2, 2, 2, {}},
        {-2, 1, 2, 1, {{0, 1}, {1, 1}}},  // clipped at the edge
    };
    for (const auto& line : lines) {
        auto surface = std::make_shared<HeadlessSurface>(6, 6, kWhite);
        HeadlessDeviceContext(surface).DrawLine(line.x0, line.y0, line.x1, line.y1, kRed);
        EXPECT_EQ(Drawn(*surface, kWhite), line.expected)
            << line.x0 << "," << line.y0 << " to " << line.x1 << "," << line.y1;
    }
    // A steep line is unbroken: one pixel in every row it passes.
    auto surface = std::make_shared<HeadlessSurface>(6, 12, kWhite);
    HeadlessDeviceContext(surface).DrawLine(1, 0, 4, 11, kRed);
    std::set<int> rows;
    for (const auto& [x, y] : Drawn(*surface, kWhite))
        EXPECT_TRUE(rows.insert(y).second) << y;
    EXPECT_EQ(rows.size(), 11u);
}

TEST(HeadlessDeviceContext, CopiesPicturesTopRowFirstAndClipped) {
    const Picture picture(3, 2);
    auto surface = std::make_shared<HeadlessSurface>(4, 4, kWhite);
    HeadlessDeviceContext dc(surface);
    dc.DrawPixels(1, 1, picture.Image(), 3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(surface->Pixel(1 + x, 1 + y), Picture::Colour(x, y));
    }
    EXPECT_EQ(surface->Pixel(0, 1), kWhite);

    // Asked for more than the picture holds and placed over the left edge.
    auto clipped = std::make_shared<HeadlessSurface>(4, 4, kWhite);
    HeadlessDeviceContext(clipped).DrawPixels(-1, 2, picture.Image(), 10, 10);
    EXPECT_EQ(clipped->Pixel(0, 2), Picture::Colour(1, 0));
    EXPECT_EQ(clipped->Pixel(1, 3), Picture::Colour(2, 1));
    EXPECT_EQ(Drawn(*clipped, kWhite).size(), 4u);
}

TEST(HeadlessDeviceContext, StretchesEachSourcePixelOverItsShareOfTheDestination) {
    const Picture picture(3, 3);
    auto surface = std::make_shared<HeadlessSurface>(8, 8, kWhite);
    HeadlessDeviceContext dc(surface);
    dc.StretchPixels({2, 2, 6, 6}, picture.Image(), {1, 1, 3, 3});  // zoom 2 of the 2 x 2 corner
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
            const std::uint32_t expected =
                inside ? Picture::Colour(1 + (x - 2) / 2, 1 + (y - 2) / 2) : kWhite;
            EXPECT_EQ(surface->Pixel(x, y), expected) << x << "," << y;
        }
    }
    // Halving takes every other pixel; a source reaching past the picture reads nothing
    // outside it; mirrored rectangles draw nothing.
    auto half = std::make_shared<HeadlessSurface>(4, 4, kWhite);
    HeadlessDeviceContext(half).StretchPixels({0, 0, 2, 2}, picture.Image(), {0, 0, 4, 4});
    EXPECT_EQ(half->Pixel(0, 0), Picture::Colour(0, 0));
    EXPECT_EQ(half->Pixel(1, 1), Picture::Colour(2, 2));
    auto beyond = std::make_shared<HeadlessSurface>(4, 4, kWhite);
    HeadlessDeviceContext(beyond).StretchPixels({0, 0, 4, 4}, picture.Image(), {2, 2, 6, 6});
    EXPECT_EQ(Drawn(*beyond, kWhite), (std::set<std::pair<int, int>>{{0, 0}}));
    HeadlessDeviceContext(beyond).StretchPixels({4, 4, 0, 0}, picture.Image(), {0, 0, 3, 3});
    EXPECT_EQ(Drawn(*beyond, kWhite).size(), 1u);
}

TEST(HeadlessDeviceContext, RecordsTextsAsStringsAtPositions) {
    auto surface = std::make_shared<HeadlessSurface>(10, 10, kWhite);
    HeadlessDeviceContext dc(surface);
    dc.DrawString(0, 20, "倍率:1.000000     ", 0, kWhite);
    const TextFont font{16, "LayerFont", 128, 0x20, 1};
    dc.UseFont(font);
    dc.DrawString(0, 20, "倍率:2.000000     ", 0xFF000000, 0x01FF0000);
    EXPECT_EQ(surface->Texts().size(), 2u);
    EXPECT_EQ(surface->Texts()[0].font, TextFont{});
    ASSERT_NE(surface->TextAt(0, 20), nullptr);
    EXPECT_EQ(*surface->TextAt(0, 20), (DrawnText{0, 20, "倍率:2.000000     ", 0, 0xFF0000, font}));
    EXPECT_EQ(surface->TextAt(0, 0), nullptr);
    EXPECT_TRUE(Drawn(*surface, kWhite).empty());  // no pixels: text is not rasterised
}

// ---- Painting through the platform. ----

TEST(HeadlessPainting, PaintContextStartsFromTheClassBackgroundAfterAnInvalidation) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    test::RecordingWindow object(platform);
    const WindowHandle window = test::MakeTestWindow(platform, object);
    const HeadlessSurface* surface = platform.Surface(window);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->Width(), 40);
    EXPECT_EQ(surface->Height(), 30);
    EXPECT_EQ(surface->Pixel(39, 29), kGrey);

    platform.ClientContext(window)->FillRect({0, 0, 40, 30}, kRed);
    platform.ClientContext(window)->DrawString(1, 2, "x", 0, kWhite);
    platform.PaintContext(window)->DrawLine(0, 0, 2, 0, kWhite);  // shown: erased first
    EXPECT_EQ(surface->Pixel(5, 5), kGrey);
    EXPECT_EQ(surface->Pixel(0, 0), kWhite);
    EXPECT_TRUE(surface->Texts().empty());

    platform.ClientContext(window)->FillRect({0, 0, 40, 30}, kRed);
    platform.PaintContext(window);  // nothing invalid since the last paint: kept
    EXPECT_EQ(surface->Pixel(5, 5), kRed);
    platform.InvalidateWindow(window);
    platform.InvalidateWindow(window);
    EXPECT_EQ(platform.Find(window)->invalidations, 2);
    platform.PaintContext(window);
    EXPECT_EQ(surface->Pixel(5, 5), kGrey);
}

// Without erase the paint starts from what the window shows; an erase asked for before it,
// and not yet done, still happens, as Windows keeps the erase flag until the paint.
TEST(HeadlessPainting, InvalidationWithoutEraseKeepsThePixelsUnlessAnEraseIsPending) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    test::RecordingWindow object(platform);
    const WindowHandle window = test::MakeTestWindow(platform, object);
    const HeadlessSurface* surface = platform.Surface(window);
    platform.PaintContext(window);
    for (const bool eraseFirst : {false, true}) {
        platform.ClientContext(window)->FillRect({0, 0, 40, 30}, kRed);
        if (eraseFirst) platform.InvalidateWindow(window);
        platform.InvalidateWithoutErase(window);
        EXPECT_TRUE(platform.Find(window)->needsPaint);
        platform.PaintContext(window);
        EXPECT_EQ(surface->Pixel(5, 5), eraseFirst ? kGrey : kRed);
    }
    EXPECT_EQ(platform.Find(window)->erasingInvalidations, 1);
}

TEST(HeadlessPainting, UpdatePaintsOnlyWhatIsDue) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    test::RecordingWindow object(platform);
    const WindowHandle window = test::MakeTestWindow(platform, object);  // shown: due
    object.react = [&](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id != wm::kPaint) return std::nullopt;
        platform.PaintContext(window);
        return 0;
    };
    platform.UpdateNativeWindow(window);
    platform.UpdateNativeWindow(window);
    EXPECT_EQ(object.Received(wm::kPaint).size(), 1u);

    platform.InvalidateWindow(window);
    platform.PaintPending();
    platform.PaintPending();
    EXPECT_EQ(object.Received(wm::kPaint).size(), 2u);
    platform.Paint(window);  // the test's own request always arrives
    EXPECT_EQ(object.Received(wm::kPaint).size(), 3u);
}

}  // namespace
}  // namespace daub
