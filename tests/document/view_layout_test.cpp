#include "document/view_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "document/scroll_requests.h"
#include "document/zoom_steps.h"

namespace daub {
namespace {

DocumentState Canvas(int w, int h, float zoom = 1.0f) {
    DocumentState doc;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, w, h);
    doc.zoom = doc.previousZoom = zoom;
    doc.zoomedWidth = static_cast<int>(w * zoom);
    doc.zoomedHeight = static_cast<int>(h * zoom);
    return doc;
}

TEST(ZoomSteps, MoveOneLevelAndStopAtTheEnds) {
    const std::vector<float> levels(std::begin(kZoomLevels), std::end(kZoomLevels));
    std::vector<float> up{0.1f}, down{8.0f};
    for (int i = 0; i < 7; ++i) {
        up.push_back(ZoomInFrom(up.back()));
        down.insert(down.begin(), ZoomOutFrom(down.front()));
    }
    EXPECT_EQ(up, levels);
    EXPECT_EQ(down, levels);
    EXPECT_EQ(ZoomInFrom(8.0f), 8.0f);
    EXPECT_EQ(ZoomOutFrom(0.1f), 0.1f);
}

TEST(ZoomSteps, KeepOnlyTheFloatingRangeAndPointEditing) {
    for (int op : {0, 1, 2, 3, 9, 10, 11, 12, 13, 20, 49, 50, 52, 53}) {
        const bool kept = op == 3 || (op >= 10 && op <= 12) || (op >= 50 && op <= 52);
        DocumentState doc = Canvas(10, 10, 2.0f);
        doc.pendingOp = static_cast<pending::PendingOp>(op);
        const ZoomStep in = ZoomIn(doc), out = ZoomOut(doc);
        EXPECT_EQ(in.endPendingOp, !kept) << op;
        EXPECT_EQ(out.endPendingOp, !kept) << op;
        EXPECT_EQ(in.redrawFloatingRange, op == 3) << op;
        EXPECT_EQ(in.oldZoom, 2.0f);
        EXPECT_FALSE(in.eraseBackground);
        EXPECT_TRUE(out.eraseBackground);
    }
}

TEST(ZoomSteps, FloatingRangeFollowsTheZoomWithoutLosingPixels) {
    DocumentState doc = Canvas(100, 100);
    LayerStack& s = *doc.layerStack;
    s.DefineFormat(LayerStack::kRangeSlot, 15, 9);
    ASSERT_TRUE(s.CreateSlotBitmap(LayerStack::kRangeSlot, s.Format(LayerStack::kRangeSlot)));
    doc.pendingOp = pending::kRangeFloating;
    doc.selection = {30, 40, 15, 9};
    // At 0.1 the 15 x 9 range is one view pixel wide and none high; back at 1 it is whole.
    const struct {
        bool in;
        float zoom;
        int width, height;
    } rows[] = {{true, 2, 30, 18},   {true, 4, 60, 36},    {false, 2, 30, 18},  {false, 1, 15, 9},
                {false, 0.5f, 7, 4}, {false, 0.25f, 3, 2}, {false, 0.1f, 1, 0}, {true, 0.25f, 3, 2},
                {true, 0.5f, 7, 4},  {true, 1, 15, 9}};
    for (const auto& r : rows) {
        r.in ? ZoomIn(doc) : ZoomOut(doc);
        ASSERT_EQ(doc.zoom, r.zoom);
        EXPECT_EQ(doc.selection.x + doc.selection.y, 0);
        EXPECT_EQ(doc.selection.width, r.width) << r.zoom;
        EXPECT_EQ(doc.selection.height, r.height) << r.zoom;
        EXPECT_EQ(doc.previousZoom, r.zoom);
    }
    // Redrawn where it will land: the canvas point at the view's corner, whole.
    ZoomIn(doc);
    doc.scrollX = 10;
    doc.scrollY = 7;
    const Rect at = FloatingRangeCanvasRect(doc);
    EXPECT_EQ(at.x, 5);
    EXPECT_EQ(at.y, 3);
    EXPECT_EQ(at.width, 15);
    EXPECT_EQ(at.height, 9);
    doc.selection.width = 40;  // never more than the range holds
    EXPECT_EQ(FloatingRangeCanvasRect(doc).width, 15);

    s.DeleteSlotBitmap(LayerStack::kRangeSlot);  // no range slot: the view size is scaled
    ZoomOut(doc);
    EXPECT_EQ(doc.selection.width, 20);
    doc.previousZoom = 0.0f;  // nothing to scale from: the size stays
    ZoomOut(doc);
    EXPECT_EQ(doc.selection.width, 20);
}

TEST(ViewToCanvas, QuarterCorrectionTruncatesTowardZero) {
    const struct {
        float zoom;
        int scroll, v, canvas;
    } rows[] = {{2, 0, 0, 0},   {2, 0, 1, 0},   {2, 0, 2, 0},    {2, 0, 3, 1},    {2, 0, -1, 0},
                {2, 0, -2, -1}, {2, 0, -4, -2}, {1, 0, 5, 4},    {1, 0, -1, -1},  {2, 10, 0, 4},
                {6, 0, 7, 0},   {6, 0, 8, 1},   {0.5f, 0, 3, 5}, {0.1f, 0, 1, 9}, {8, 16, -3, 1}};
    for (const auto& r : rows) {
        DocumentState doc = Canvas(10, 10, r.zoom);
        doc.scrollX = r.scroll;
        doc.scrollY = r.scroll + 3;  // y has its own scroll
        const Point p = ViewToCanvas(doc, r.v, r.v - 3);
        EXPECT_EQ(p.x, r.canvas) << r.zoom << " " << r.v;
        EXPECT_EQ(p.y, r.canvas) << r.zoom << " " << r.v;
    }
    DocumentState none;
    none.zoom = 0.0f;
    ViewToCanvas(none, 5, 5);  // no undefined conversion
}

TEST(Relayout, SmallCanvasStaysAtTheOriginWhateverTheAnchor) {
    for (const Point a : {Point{0, 0}, {50, 40}, {399, 299}, {1000, 1000}, {-5, 7}}) {
        DocumentState doc = Canvas(150, 100);
        doc.zoom = 2.0f;
        doc.scrollX = 30;
        doc.scrollY = 20;
        const auto bars = Relayout(doc, a.x, a.y, 1.0f, 400, 300);
        ASSERT_TRUE(bars);
        EXPECT_EQ(doc.scrollX + doc.scrollY, 0);
        EXPECT_EQ(bars->horizontal, (ScrollBarState{0, 302, 400, 0}));
        EXPECT_EQ(bars->vertical, (ScrollBarState{0, 202, 300, 0}));
    }
}

TEST(Relayout, OriginAnchorReturnsToTheOriginUnlessAZoomIsLaidOut) {
    DocumentState doc = Canvas(1000, 800);
    doc.scrollX = 120;
    doc.zoomAnchored = 1;
    EXPECT_FALSE(Relayout(doc, 0, 0, 1.0f, 400, 300));
    EXPECT_EQ(doc.scrollX, 120);
    doc.zoomAnchored = 0;
    EXPECT_EQ(Relayout(doc, 0, 0, 1.0f, 400, 300)->horizontal, (ScrollBarState{0, 1002, 400, 0}));
    EXPECT_EQ(doc.scrollX, 0);
    doc.scrollX = 500;
    EXPECT_TRUE(Relayout(doc, 50, 50, 0.0f, 400, 300));  // unusable old zoom: the origin
    EXPECT_EQ(doc.scrollX, 0);

    DocumentState none;  // no document: nothing to scroll
    EXPECT_EQ(Relayout(none, 0, 0, 1.0f, 400, 300)->vertical, (ScrollBarState{0, 2, 300, 0}));

    // A zoom key on a 1 x 1 picture anchors at (0, 0); the step is still laid out.
    DocumentState tiny = Canvas(1, 1);
    tiny.zoomAnchored = 1;
    const Point a = ZoomKeyAnchor(tiny, 400, 300);
    EXPECT_EQ(a.x + a.y, 0);
    RelayoutForZoom(tiny, a.x, a.y, ZoomIn(tiny).oldZoom, 400, 300);
    EXPECT_EQ(tiny.zoomedWidth, 2);
}

TEST(Relayout, ZoomKeepsTheCanvasPointUnderTheAnchor) {
    const struct {
        bool in;
        int scrollX, scrollY, ax, ay;
    } rows[] = {{true, 300, 200, 1, 3},       {true, 300, 200, 57, 150},
                {true, 0, 0, 399, 150},       {true, 1600, 1300, 200, 150},
                {false, 2000, 1500, 77, 211}, {true, 0, 0, 200, 150}};  // the keys' anchor
    for (const auto& r : rows) {
        DocumentState doc = Canvas(1000, 800, r.in ? 2.0f : 4.0f);
        doc.scrollX = r.scrollX;
        doc.scrollY = r.scrollY;
        const int ax = r.ax, ay = r.ay;
        const Point before = ViewToCanvas(doc, ax, ay);
        const ZoomStep step = r.in ? ZoomIn(doc) : ZoomOut(doc);
        const ViewScrollBars bars = RelayoutForZoom(doc, ax, ay, step.oldZoom, 400, 300);
        const Point after = ViewToCanvas(doc, ax, ay);
        EXPECT_LE(std::abs(after.x - before.x), 1) << ax;
        EXPECT_LE(std::abs(after.y - before.y), 1) << ay;
        EXPECT_EQ(bars.horizontal.pos, doc.scrollX);
        EXPECT_EQ(bars.vertical.pos, doc.scrollY);
    }
    // Past the far end the scroll stops 7 pixels beyond the picture; a shift of exactly one
    // pixel does not scroll at all.
    DocumentState doc = Canvas(1000, 800, 2.0f);
    doc.scrollX = 1607;
    doc.scrollY = 0;
    RelayoutForZoom(doc, 399, 3, ZoomIn(doc).oldZoom, 400, 300);
    EXPECT_EQ(doc.scrollX, 4000 - 400 + 7);
    EXPECT_EQ(doc.scrollY, 0);
}

TEST(ScrollView, RequestsClampAndBandAtTheEnd) {
    using namespace scroll_request;
    const auto H = ScrollAxis::Horizontal, V = ScrollAxis::Vertical;
    // Client 400 x 300. At zoom 1 a 1000-wide picture ends at 1000 - 400 + 7 = 607.
    const struct {
        ScrollAxis axis;
        float zoom;
        int zoomed, pos, request, thumb, newPos;
        bool scrolled, band;
    } rows[] = {
        {H, 1, 1000, 100, kLineUp, 0, 99, true, false},
        {H, 1, 1000, 100, kLineDown, 0, 101, true, false},
        {H, 1, 1000, 100, kPageUp, 0, 96, true, false},
        {H, 1, 1000, 100, kPageDown, 0, 104, true, false},
        {H, 1, 1000, 100, kTop, 0, 0, true, false},
        {H, 1, 1000, 100, kBottom, 0, 607, true, true},
        {H, 1, 1000, 0, kLineUp, 0, 0, true, false},
        {H, 1, 1000, 607, kLineDown, 0, 607, true, true},
        {H, 1, 1000, 100, 8, 0, 100, true, false},
        {H, 1, 1000, 100, kThumbTrack, 500, 500, true, false},
        {H, 1, 1000, 100, kThumbPosition, 603, 603, true, false},  // 603 + 400 reaches 1003
        {H, 1, 1000, 100, kThumbPosition, 604, 607, true, true},
        {H, 1, 1000, 100, kThumbTrack, -1, 0, true, false},  // wraps to 399: taken, then 0
        {H, 1, 1000, 100, kThumbTrack, -500, 607, true, true},
        {H, 4, 4000, 100, kLineDown, 0, 104, true, false},
        {H, 4, 4000, 100, kPageUp, 0, 84, true, false},
        {H, 4, 4000, 100, kBottom, 0, 3607, true, true},
        {H, 0.5f, 1000, 100, kLineDown, 0, 101, true, false},
        {V, 1, 800, 100, kBottom, 0, 507, true, true},
        {V, 6, 4800, 100, kPageDown, 0, 124, true, false},
        {H, 1, 300, 0, kBottom, 0, 0, false, false},  // fits: nothing to scroll
        {H, 1, 395, 0, kLineDown, 0, 1, false, false},
        {H, 1, 395, 0, kBottom, 0, 2, false, true},
    };
    for (const auto& r : rows) {
        DocumentState doc;
        doc.zoom = r.zoom;
        doc.zoomedWidth = doc.zoomedHeight = r.zoomed;
        const bool h = r.axis == H;
        const ScrollBarState bar{0, r.zoomed + 2, h ? 400 : 300, r.pos};
        const ScrollOutcome out = ScrollView(doc, r.axis, r.request, r.thumb, bar, 400, 300);
        SCOPED_TRACE(testing::Message() << r.zoom << " " << r.zoomed << " " << r.pos << " "
                                        << r.request << " " << r.thumb);
        EXPECT_EQ(out.bar, (ScrollBarState{0, r.zoomed + 2, bar.page, r.newPos}));
        EXPECT_EQ(out.scrolled, r.scrolled);
        EXPECT_EQ(h ? doc.scrollX : doc.scrollY, r.scrolled ? r.newPos : 0);
        EXPECT_EQ(h ? doc.scrollY : doc.scrollX, 0);
        ASSERT_EQ(out.band.has_value(), r.band);
        if (r.band) {
            EXPECT_EQ(*out.band, h ? (GreyBand{{398, 0}, {398, 300}, 8, 0x969696})
                                   : (GreyBand{{0, 298}, {400, 298}, 8, 0x969696}));
        }
    }
}

TEST(LayerImagePlacement, ShrinksToFitNeverEnlargesAndCentres) {
    const struct {
        int bw, bh, cw, ch, x, y, w, h;
    } rows[] = {{400, 100, 200, 200, 0, 75, 200, 50},  {100, 400, 200, 200, 75, 0, 50, 200},
                {300, 200, 200, 200, 0, 33, 200, 133}, {201, 199, 200, 200, 0, 1, 200, 198},
                {50, 30, 200, 200, 75, 85, 50, 30},    {200, 200, 200, 200, 0, 0, 200, 200},
                {3, 1000, 200, 200, 100, 0, 0, 200},   {50, 30, 0, 0, 0, 0, 0, 0}};
    for (const auto& r : rows) {
        const auto p = LayerImagePlacement(r.bw, r.bh, r.cw, r.ch);
        ASSERT_TRUE(p);
        EXPECT_EQ((std::vector<int>{p->x, p->y, p->width, p->height}),
                  (std::vector<int>{r.x, r.y, r.w, r.h}))
            << r.bw << "x" << r.bh;
    }
    EXPECT_FALSE(LayerImagePlacement(0, 30, 200, 200));
    EXPECT_FALSE(LayerImagePlacement(50, 0, 200, 200));
}

}  // namespace
}  // namespace daub
