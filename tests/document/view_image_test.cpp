#include "document/view_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "document/slot_view.h"

namespace daub {
namespace {

constexpr COLORREF kGrey = 0x969696, kBlack = 0, kWhite = 0xFFFFFF, kGuide = 0xC8C8C8;

struct Canvas {
    LayerStack stack{8};
    Canvas(int width, int height) {
        stack.DefineFormat(0, width, height);
        stack.CreateSlotBitmap(0);
    }
    SlotView View() { return ViewOf(stack, 0, 0); }
    ConstSlotView View() const { return ViewOf(stack, 0, 0); }
    // The view port the document has at this zoom.
    ViewPort Port(float zoom, int scrollX, int scrollY, int clientW, int clientH) const {
        const auto zoomed = [&](int side) { return static_cast<int>(side * zoom); };
        return {zoom,    scrollX, scrollY, zoomed(View().width), zoomed(View().height),
                clientW, clientH};
    }
};

// Per destination index of one axis, the canvas indices it shows: enlarging picks one,
// shrinking gathers every source index whose own destination it is.
std::vector<std::vector<int>> AxisSources(int start, int length, int destLength, int limit) {
    std::vector<std::vector<int>> sources(destLength);
    if (length <= destLength) {
        for (int d = 0; d < destLength; ++d)
            sources[d].push_back(start + static_cast<int>(std::int64_t{d} * length / destLength));
    } else {
        for (int s = 0; s < length; ++s)
            sources[std::int64_t{s} * destLength / length].push_back(start + s);
    }
    for (auto& list : sources)
        std::erase_if(list, [&](int s) { return s < 0 || s >= limit; });
    return sources;
}

// The plain view image: each client pixel the AND of the canvas pixels it shows, or grey.
std::vector<COLORREF> ReferenceView(const ConstSlotView& canvas, const ViewPort& port) {
    std::vector<COLORREF> view(std::size_t(port.clientWidth) * port.clientHeight, kGrey);
    const ViewGeometry g = ComputeViewGeometry(port);
    if (g.destination.width <= 0 || g.source.width <= 0 || g.source.height <= 0) return view;
    const auto xs = AxisSources(g.source.x, g.source.width, g.destination.width, canvas.width);
    const auto ys = AxisSources(g.source.y, g.source.height, g.destination.height, canvas.height);
    for (int dy = 0; dy < g.destination.height && 2 + dy < port.clientHeight; ++dy) {
        for (int dx = 0; dx < g.destination.width && 2 + dx < port.clientWidth; ++dx) {
            COLORREF c = kWhite;
            for (int sy : ys[dy])
                for (int sx : xs[dx])
                    c &= LoadPixel(canvas.At(sx, sy));
            if (!xs[dx].empty() && !ys[dy].empty())
                view[std::size_t(2 + dy) * port.clientWidth + 2 + dx] = c;
        }
    }
    return view;
}

std::vector<COLORREF> Colours(const ViewImage& image) {
    std::vector<COLORREF> out;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            out.push_back(image.Get(x, y));
    return out;
}

auto Tuple(const Rect& r) {
    return std::tuple(r.x, r.y, r.width, r.height);
}

TEST(ViewGeometry, VisibleExtentAndSourceRectangle) {
    struct Case {
        ViewPort port;
        Rect destination, source;
    };
    const Case cases[] = {
        {{6.0f, 0, 0, 6000, 600, 500, 400}, {2, 2, 498, 396}, {0, 0, 83, 66}},  // whole blocks
        {{1.0f, 37, 11, 800, 600, 300, 200}, {2, 2, 300, 200}, {37, 11, 300, 200}},
        {{1.0f, 750, 590, 800, 600, 300, 200}, {2, 2, 50, 10}, {750, 590, 50, 10}},  // far edge
        {{2.0f, 9, 5, 400, 300, 101, 77}, {2, 2, 100, 76}, {4, 2, 50, 38}},
        {{0.1f, 0, 0, 409, 409, 1920, 1080}, {2, 2, 409, 409}, {0, 0, 4090, 4090}},
        {{1.0f, 50, 0, 40, 30, 640, 480}, {2, 2, 0, 0}, {}},  // scrolled past the canvas
        {{0.0f, 0, 0, 40, 30, 640, 480}, {2, 2, 0, 0}, {}},   // no zoom to divide by
        {{8.0f, 0, 0, 800, 800, 7, 100}, {2, 2, 0, 0}, {}},   // client narrower than a block
    };
    for (const Case& c : cases) {
        const ViewGeometry g = ComputeViewGeometry(c.port);
        EXPECT_EQ(Tuple(g.destination), Tuple(c.destination)) << c.port.zoom;
        EXPECT_EQ(Tuple(g.source), Tuple(c.source)) << c.port.zoom;
    }
}

// Exact copy at zoom 1, blocks when enlarging, AND when shrinking, grey around.
TEST(ViewImage, MatchesThePlainStretch) {
    struct Case {
        int canvasW, canvasH;
        float zoom;
        int scrollX, scrollY, clientW, clientH;
    };
    const Case cases[] = {
        {40, 30, 1.0f, 3, 5, 25, 20},   {40, 30, 1.0f, 0, 0, 60, 50},  {13, 9, 2.0f, 3, 1, 21, 13},
        {30, 20, 6.0f, 12, 7, 77, 50},  {30, 20, 8.0f, 9, 0, 100, 99}, {37, 29, 0.5f, 5, 3, 30, 30},
        {95, 61, 0.25f, 0, 4, 20, 30},  {203, 101, 0.1f, 1, 0, 15, 9}, {20, 20, 1.5f, 2, 0, 40, 40},
        {20, 20, 2.0f, -8, -4, 50, 50}, {20, 20, 0.5f, -6, 0, 30, 30}, {20, 20, 1.0f, 0, 0, 0, 10},
        {60, 50, 0.3f, 0, 0, 20, 20},
    };
    std::mt19937 rng(11);
    ViewImage image;  // reused from frame to frame, as the window does
    for (const Case& c : cases) {
        Canvas canvas(c.canvasW, c.canvasH);
        for (int i = 0; i < c.canvasW * c.canvasH; ++i)
            StorePixel(canvas.View().At(i % c.canvasW, i / c.canvasW), rng() & 0xFFFFFF);
        const ViewPort port = canvas.Port(c.zoom, c.scrollX, c.scrollY, c.clientW, c.clientH);
        RenderCanvasView(image, canvas.stack, port);
        EXPECT_EQ(Colours(image), ReferenceView(canvas.View(), port))
            << c.canvasW << "x" << c.canvasH << " zoom " << c.zoom;
    }
}

// One image through every zoom step out and back, as the zoom keys go: each frame paints
// only around its picture, so whatever an earlier frame drew there must not show through.
TEST(ViewImage, EveryZoomStepFromFrameToFrame) {
    Canvas canvas(333, 201);  // rows of 999 bytes: never a whole number of words
    std::mt19937 rng(5);
    for (int i = 0; i < 333 * 201; ++i)
        StorePixel(canvas.View().At(i % 333, i / 333), rng() & 0xFFFFFF);
    const float steps[] = {1.0f, 2.0f, 4.0f,  6.0f, 8.0f,  6.0f, 4.0f, 2.0f,
                           1.0f, 0.5f, 0.25f, 0.1f, 0.25f, 0.5f, 1.0f};
    ViewImage image;
    for (bool farEnd : {false, true}) {
        for (float zoom : steps) {
            ViewPort port = canvas.Port(zoom, 0, 0, 250, 180);
            if (farEnd) {  // scrolled as far as the zoomed canvas goes
                port.scrollX = std::max(0, port.zoomedWidth - 240);
                port.scrollY = std::max(0, port.zoomedHeight - 170);
            }
            RenderCanvasView(image, canvas.stack, port);
            EXPECT_EQ(Colours(image), ReferenceView(canvas.View(), port))
                << "zoom " << zoom << (farEnd ? " at the far end" : "");
        }
    }
}

TEST(ViewImage, ThinLinesSurviveShrinkingAndRowsAreBottomUp) {
    for (int step : {2, 4, 10}) {
        Canvas canvas(200, 200);
        for (int i = 0; i < 200 * 200; ++i)
            StorePixel(canvas.View().At(i % 200, i / 200), i / 200 == 101 ? kBlack : kWhite);
        StorePixel(canvas.View().At(57, 13), 0x0000C0);
        ViewImage image;
        RenderCanvasView(image, canvas.stack, canvas.Port(1.0f / step, 0, 0, 120, 120));
        for (int x = 2; x < 2 + 200 / step; ++x)
            EXPECT_EQ(image.Get(x, 2 + 101 / step), kBlack) << step;
        EXPECT_EQ(image.Get(2 + 57 / step, 2 + 13 / step), 0x0000C0u) << step;
        EXPECT_EQ(image.Get(3 + 57 / step, 2 + 13 / step), kWhite) << step;
    }
    // What SetDIBitsToDevice takes: 5 x 3 has rows of 16 bytes, the top row stored last.
    Canvas canvas(1, 1);
    StorePixel(canvas.View().At(0, 0), 0x0A0B0C);
    ViewImage image;
    RenderCanvasView(image, canvas.stack, canvas.Port(1.0f, 0, 0, 5, 3));
    EXPECT_EQ(image.stride, 16);
    EXPECT_EQ(std::vector<int>(image.pixels.begin() + 6, image.pixels.begin() + 9),
              (std::vector<int>{0x0A, 0x0B, 0x0C}));
}

TEST(RangeFrame, CornersByPendingOperationClampedAndDotted) {
    struct Case {
        int pendingOp, zoomedW, zoomedH;
        std::optional<Rect> corners;  // as x1, y1, x2, y2
    };
    const Case cases[] = {
        {1, 500, 500, Rect{10, 20, 30, 40}},  // dragged: press and last point
        {2, 500, 500, Rect{10, 20, 50, 2}},   // selected: press and range end, held at 2
        {3, 500, 500, Rect{4, 6, 104, 14}},   // floating: the selection
        {3, 60, 10, Rect{4, 6, 60, 10}},      // held to the zoomed canvas
        {2, 1, 1, Rect{2, 2, 2, 2}},          // a canvas narrower than the margin
        {0, 500, 500, std::nullopt},         {20, 500, 500, std::nullopt},  // a line being dragged
    };
    for (const Case& c : cases) {
        DocumentState doc;
        doc.pendingOp = static_cast<pending::PendingOp>(c.pendingOp);
        doc.zoomedWidth = c.zoomedW;
        doc.zoomedHeight = c.zoomedH;
        doc.pressPoint = {10, 20};
        doc.lastPoint = {30, 40};
        doc.rangeEndPoint = {50, -5};
        doc.selection = {4, 6, 100, 8};
        const auto got = RangeFrameCorners(doc);
        ASSERT_EQ(got.has_value(), c.corners.has_value()) << c.pendingOp;
        if (got) {
            EXPECT_EQ(Tuple({got->first.x, got->first.y, got->second.x, got->second.y}),
                      Tuple(*c.corners))
                << c.pendingOp;
        }
    }
    // Drawn from any corner: exactly the outline, three black and three white from the first
    // corner on, the pattern running on round the corners.
    for (auto [a, b] :
         {std::pair(Point{5, 4}, Point{20, 12}), std::pair(Point{20, 12}, Point{5, 4}),
          std::pair(Point{20, 4}, Point{5, 12})}) {
        ViewImage image;
        image.Resize(30, 20);
        image.Fill(0x123456);
        DrawRangeFrame(image, a, b);
        std::set<std::pair<int, int>> drawn, outline;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                if (image.Get(x, y) != 0x123456) drawn.insert({x, y});
                if ((x >= 5 && x <= 20 && (y == 4 || y == 12)) ||
                    (y >= 4 && y <= 12 && (x == 5 || x == 20)))
                    outline.insert({x, y});
            }
        EXPECT_EQ(drawn, outline) << a.x << "," << a.y;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(image.Get(a.x + (b.x > a.x ? i : -i), a.y), i % 6 < 3 ? kBlack : kWhite);
        if (a.x == 5 && a.y == 4) {  // 15 steps along the top: (20, 4) to (20, 6) are white
            EXPECT_EQ(std::tuple(image.Get(20, 6), image.Get(20, 7)), std::tuple(kWhite, kBlack));
        }
    }
    ViewImage image;  // off the image: clipped
    image.Resize(30, 20);
    DrawRangeFrame(image, {25, 15}, {400, 900});
    EXPECT_EQ(image.Get(25, 15), kBlack);
}

TEST(GuideLine, DrawnOnlyInsideTheVisiblePicture) {
    // Client 100 x 80, the zoomed canvas 60 wide after scrolling and taller than the client.
    const ViewPort port{1.0f, 40, 0, 100, 300, 100, 80};
    struct Case {
        Point pointer;
        bool horizontal, vertical;
    };
    const Case cases[] = {
        {{30, 30}, true, true}, {{2, 2}, true, true},    {{1, 30}, true, false},
        {{30, 1}, false, true}, {{60, 30}, true, true},  {{61, 30}, true, false},
        {{30, 80}, true, true}, {{30, 81}, false, true},
    };
    for (const Case& c : cases) {
        ViewImage image;
        image.Resize(100, 90);
        image.Fill(0);
        DrawGuideLine(image, port, c.pointer);
        const auto [x, y] = c.pointer;
        // Horizontal from x 2 up to, not including, 60; vertical from y 2; dots of three.
        EXPECT_EQ(image.Get(2, y) == kGuide && image.Get(5, y) == kWhite, c.horizontal)
            << x << "," << y;
        EXPECT_EQ(image.Get(x, 2) == kGuide && image.Get(x, 5) == kWhite, c.vertical)
            << x << "," << y;
        EXPECT_EQ(image.Get(1, y) == 0 && (x == 60 || image.Get(60, y) == 0), true)
            << x << "," << y;
    }
}

TEST(MainView, OverlaysFollowTheDocument) {
    DocumentState doc;
    doc.layerStack = std::make_unique<LayerStack>(20);
    doc.layerStack->DefineFormat(0, 40, 30);
    FillBitmap(doc.layerStack->CreateSlotBitmap(0), 0x00FF00);
    doc.zoomedWidth = 40;
    doc.zoomedHeight = 30;
    doc.pressPoint = {5, 5};
    doc.rangeEndPoint = {12, 12};
    struct Case {
        int pendingOp, guideLine;
        std::optional<Point> pointer;
        COLORREF atFrameCorner, onGuide;
    };
    const Case cases[] = {
        {0, 0, Point{20, 20}, 0x00FF00, 0x00FF00},  // guide line off
        {2, 0, std::nullopt, kBlack, 0x00FF00},     // range selected
        {0, 1, Point{20, 20}, 0x00FF00, kGuide},    // guide line on
        {0, 1, std::nullopt, 0x00FF00, 0x00FF00},   // no pointer position known
    };
    ViewImage image;
    for (const Case& c : cases) {
        doc.pendingOp = static_cast<pending::PendingOp>(c.pendingOp);
        doc.guideLine = c.guideLine;
        RenderMainView(image, doc, 60, 50, c.pointer);
        EXPECT_EQ(std::tuple(image.Get(5, 5), image.Get(20, 26), image.Get(55, 45)),
                  std::tuple(c.atFrameCorner, c.onGuide, kGrey));
    }
    RenderMainView(image, DocumentState{}, 8, 8);  // no stack at all: grey
    EXPECT_EQ(Colours(image), std::vector<COLORREF>(64, kGrey));
}

}  // namespace
}  // namespace daub
