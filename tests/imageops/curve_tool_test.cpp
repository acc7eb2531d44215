#include "imageops/curve_tool.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/tools/recording_tool_host.h"

namespace daub {
namespace {

using test::ToolBench;

constexpr COLORREF kGrey = 0x808080, kInk = 0x000000, kMarker = 0xFFFFFF;

// The tool on a grey canvas, driven as the window drives it.
struct CurveBench : ToolBench {
    CurveCanvasTool tool;

    CurveBench(CurveShape shape, int width, int height)
        : ToolBench(width, height, kGrey), tool(shape) {}

    void Send(ToolPhase phase, Point view) {
        const ToolEvent event{phase, view, {}, {}};
        if (phase == ToolPhase::LeftPress || phase == ToolPhase::RightPress)
            tool.Press(doc, *this, event);
        else if (phase == ToolPhase::LeftDrag)
            tool.Drag(doc, *this, event);
        else
            tool.Release(doc, *this, event);
    }
    void Click(Point view) {
        Send(ToolPhase::LeftPress, view);
        Send(ToolPhase::LeftRelease, view);
    }
    void Finish() {
        Send(ToolPhase::RightPress, {});
        Send(ToolPhase::RightRelease, {});
    }
    int Count() const { return doc.layerStack->curvePointCount; }
};

// A press within the pick radius (inclusive, both axes) takes the point; one further adds one.
TEST(CurveTool, PickToleranceFollowsTheZoom) {
    const struct {
        float zoom;
        Point placed, pressed;
        bool picked;
    } cases[] = {
        {1.0f, {10, 10}, {14, 14}, true},
        {1.0f, {10, 10}, {15, 10}, false},
        {8.0f, {80, 80}, {88, 88}, true},
        {8.0f, {80, 80}, {89, 80}, false},
    };
    for (const auto& c : cases) {
        CurveBench bench(CurveShape::Curve, 40, 40);
        bench.doc.zoom = c.zoom;
        bench.Click(c.placed);
        bench.Send(ToolPhase::LeftPress, c.pressed);
        EXPECT_EQ(bench.doc.pendingOp, c.picked ? pending::kCurveDragging : pending::kCurvePlacing);
        EXPECT_EQ(bench.Count(), c.picked ? 1 : 2);
    }
}

// The 65th point is refused, and so is taking one of the 64 to drag it.
TEST(CurveTool, SixtyFourPointsAndNoMore) {
    CurveBench bench(CurveShape::Polyline, 100, 100);
    for (int i = 0; i < 64; ++i)
        bench.Click({5 + 10 * (i % 8), 5 + 10 * (i / 8)});
    ASSERT_EQ(bench.Count(), 64);
    for (const Point press : {Point{95, 95}, Point{5, 5}}) {
        bench.calls.clear();
        bench.Send(ToolPhase::LeftPress, press);
        EXPECT_EQ(bench.calls, std::vector<std::string>{"warn 点の数が限界です。 / 注意"});
        EXPECT_EQ(bench.Count(), 64);
        EXPECT_EQ(bench.doc.pendingOp, pending::kPolylinePlacing);
    }
}

// The preview (markers and thin lines) lives in the display only; the right press snapshots
// the layer and leaves in it the final drawing alone, with the points gone.
TEST(CurveTool, PreviewStaysOutOfTheLayer) {
    CurveBench bench(CurveShape::Curve, 60, 40);
    const auto clean = bench.Bytes(bench.doc.currentLayer);
    for (const Point p : {Point{10, 30}, Point{30, 5}, Point{50, 30}})
        bench.Click(p);
    EXPECT_FALSE(bench.PixelsOf(LayerStack::kDisplaySlot, kMarker).empty());
    EXPECT_EQ(bench.Bytes(bench.doc.currentLayer), clean);
    bench.calls.clear();
    bench.Finish();
    EXPECT_EQ(bench.calls.front(), "snapshot 2");
    EXPECT_EQ(bench.layerAtSnapshot.back(), clean);
    EXPECT_TRUE(bench.PixelsOf(bench.doc.currentLayer, kMarker).empty());
    EXPECT_EQ(bench.Bytes(bench.doc.currentLayer), bench.Bytes(LayerStack::kDisplaySlot));
    EXPECT_EQ(bench.Count(), 0);
    EXPECT_EQ(bench.doc.pendingOp, pending::kNone);
}

struct Drawing {
    CurveShape shape;
    std::vector<Point> points;
    int upper = 10, lower = 10;
    bool fixed = false;
    double offsetX = 0.0;
    std::vector<Point> drawn, clear;
};

// Half-pixel points, so that rounding can never move a sample across a pixel edge.
void CheckFinalDrawing(const Drawing& d) {
    CurveBench bench(d.shape, 100, 40);
    CurvePoints points;
    for (std::size_t i = 0; i < d.points.size(); ++i) {
        points.x[i] = d.points[i].x + 0.5;
        points.y[i] = d.points[i].y + 0.5;
    }
    bench.Stack().curvePointCount = static_cast<int>(d.points.size());
    CurveSettings& settings = bench.doc.curveSettings;
    settings.values[2] = settings.values[3] = d.fixed ? 1 : 0;
    settings.reals[0] = d.offsetX;
    if (d.shape == CurveShape::Curve)
        DrawCurve(bench.doc, points, CurveMode::Final);
    else
        DrawPolyline(bench.doc, points, CurveMode::Final);
    const int layer = bench.doc.currentLayer;
    for (const Point p : d.drawn)
        EXPECT_EQ(bench.Get(layer, p.x, p.y), kInk) << p.x << "," << p.y;
    for (const Point p : d.clear)
        EXPECT_EQ(bench.Get(layer, p.x, p.y), kGrey) << p.x << "," << p.y;
}

TEST(CurveTool, FinalDrawing) {
    const Drawing cases[] = {
        // A polyline is open: A-B and B-C, never C-A.
        {CurveShape::Polyline,
         {{10, 10}, {30, 10}, {30, 30}},
         10,
         10,
         false,
         0.0,
         {{20, 10}, {30, 20}},
         {{20, 20}}},
        // Two points: one straight segment, no second stroke whatever the offset.
        {CurveShape::Curve,
         {{10, 10}, {30, 20}},
         10,
         10,
         false,
         3.0,
         {{10, 10}, {20, 15}, {30, 20}},
         {{13, 10}, {33, 20}}},
        // One point: nothing.
        {CurveShape::Curve, {{10, 10}}, 10, 10, false, 3.0, {}, {{10, 10}}},
        // The second stroke runs 3 pixels right; fixed ends keep its ends on the first's.
        {CurveShape::Curve,
         {{10, 30}, {50, 10}, {90, 30}},
         10,
         10,
         false,
         3.0,
         {{10, 30}, {13, 30}, {50, 10}, {53, 10}, {90, 30}, {93, 30}},
         {}},
        {CurveShape::Curve,
         {{10, 30}, {50, 10}, {90, 30}},
         10,
         10,
         true,
         3.0,
         {{10, 30}, {50, 10}, {53, 10}, {90, 30}},
         {{13, 30}, {93, 30}}},
    };
    for (const Drawing& d : cases)
        CheckFinalDrawing(d);
}

// Each of the two strokes is drawn once per factor from the upper to the lower, with N times
// the factor segments; factors beyond reason are held so the drawing ends.
TEST(CurveTool, SegmentsPerFactor) {
    const struct {
        int upper, lower;
        std::int64_t segments;
    } cases[] = {
        {10, 10, 2 * 10 * 3},
        {10, 5, 2 * (10 + 9 + 8 + 7 + 6 + 5) * 3},
        {INT_MAX, INT_MAX, 2 * kMostSegmentsPerPoint * 3},
    };
    for (const auto& c : cases) {
        CurveBench bench(CurveShape::Curve, 40, 40);
        bench.doc.curveSettings.values[0] = c.upper;
        bench.doc.curveSettings.values[1] = c.lower;
        bench.Stack().curvePointCount = 3;
        const CurvePoints points{{5, 20, 35}, {5, 30, 5}};
        EXPECT_EQ(DrawCurve(bench.doc, points, CurveMode::Preview), c.segments);
    }
}

// Points far off the canvas, huge offsets and a point dragged onto another: the drawing ends,
// stays inside the slots (the sanitizers watch) and draws no line to the origin.
TEST(CurveTool, WildPointsStayInside) {
    const struct {
        const char* name;
        CurvePoints points;
        double offset;
    } cases[] = {
        {"far off", {{-3e5, 3e5, 20}, {-3e5, 5, 3e5}}, 0.0},
        {"beyond int", {{1e18, -1e18, 20}, {5, 20, 1e30}}, 0.0},
        {"huge offset", {{5, 20, 35}, {5, 30, 5}}, 1e300},
        {"coinciding", {{10, 10, 30}, {10, 10, 30}}, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const CurveMode mode : {CurveMode::Preview, CurveMode::Final}) {
            CurveBench bench(CurveShape::Curve, 40, 40);
            bench.doc.curveSettings.reals[0] = bench.doc.curveSettings.reals[1] = c.offset;
            bench.doc.curveSettings.values[2] = 1;  // a fixed start: chords beyond doubles
            bench.Stack().curvePointCount = 3;
            EXPECT_EQ(DrawCurve(bench.doc, c.points, mode), 60);
            EXPECT_EQ(bench.Get(bench.doc.currentLayer, 0, 0), kGrey);
            EXPECT_EQ(bench.Get(LayerStack::kDisplaySlot, 0, 0), kGrey);
        }
    }
}

}  // namespace
}  // namespace daub
