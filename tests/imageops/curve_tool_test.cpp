#include "imageops/curve_tool.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/tools/recording_tool_host.h"

namespace daub {
namespace {

constexpr COLORREF kGrey = 0x808080, kInk = 0x000000;

// The tool on a grey canvas, clicked at view positions as the window hands them on.
struct CurveBench : test::ToolBench {
    CurveCanvasTool tool;

    CurveBench(CurveShape shape, int width, int height)
        : ToolBench(width, height, kGrey), tool(shape) {}
    void Press(ToolPhase phase, Point view) { tool.Press(doc, *this, {phase, view, {}, {}}); }
    void Click(Point view) {
        Press(ToolPhase::LeftPress, view);
        tool.Release(doc, *this, {ToolPhase::LeftRelease, view, {}, {}});
    }
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
        bench.Press(ToolPhase::LeftPress, c.pressed);
        EXPECT_EQ(bench.doc.pendingOp, c.picked ? pending::kCurveDragging : pending::kCurvePlacing);
        EXPECT_EQ(bench.Stack().curvePointCount, c.picked ? 1 : 2);
    }
}

struct Drawing {
    CurveShape shape;
    std::vector<Point> points;
    bool fixed;
    std::vector<Point> drawn, clear;
};

// Half-pixel points, so that rounding never moves a sample across a pixel edge; the second
// stroke's offset is (3, 0).
TEST(CurveTool, FinalDrawing) {
    const Drawing cases[] = {
        // A polyline is open: A-B and B-C, never C-A.
        {CurveShape::Polyline,
         {{10, 10}, {30, 10}, {30, 30}},
         false,
         {{20, 10}, {30, 20}},
         {{20, 20}}},
        // Two points: one straight segment, no second stroke.
        {CurveShape::Curve,
         {{10, 10}, {30, 20}},
         false,
         {{10, 10}, {20, 15}, {30, 20}},
         {{13, 10}, {33, 20}}},
        // One point: nothing.
        {CurveShape::Curve, {{10, 10}}, false, {}, {{10, 10}}},
        // The second stroke runs 3 pixels right; fixed ends keep its ends on the first's.
        {CurveShape::Curve,
         {{10, 30}, {50, 10}, {90, 30}},
         false,
         {{10, 30}, {13, 30}, {50, 10}, {53, 10}, {90, 30}, {93, 30}},
         {}},
        {CurveShape::Curve,
         {{10, 30}, {50, 10}, {90, 30}},
         true,
         {{10, 30}, {50, 10}, {53, 10}, {90, 30}},
         {{13, 30}, {93, 30}}},
    };
    for (const Drawing& d : cases) {
        CurveBench bench(d.shape, 100, 40);
        CurvePoints points;
        for (std::size_t i = 0; i < d.points.size(); ++i) {
            points.x[i] = d.points[i].x + 0.5;
            points.y[i] = d.points[i].y + 0.5;
        }
        bench.Stack().curvePointCount = static_cast<int>(d.points.size());
        CurveSettings& settings = bench.doc.curveSettings;
        settings.values[2] = settings.values[3] = d.fixed ? 1 : 0;
        settings.reals[0] = 3.0;
        if (d.shape == CurveShape::Curve)
            DrawCurve(bench.doc, points, CurveMode::Final);
        else
            DrawPolyline(bench.doc, points, CurveMode::Final);
        for (const Point p : d.drawn)
            EXPECT_EQ(bench.Get(bench.doc.currentLayer, p.x, p.y), kInk) << p.x << "," << p.y;
        for (const Point p : d.clear)
            EXPECT_EQ(bench.Get(bench.doc.currentLayer, p.x, p.y), kGrey) << p.x << "," << p.y;
    }
}

// Each of the two strokes is drawn once per factor from the upper to the lower, with N times
// the factor segments; factors beyond reason are held so that the drawing ends.
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

// Points far off the canvas, huge offsets and coinciding points: the drawing ends, stays
// inside the slots (the sanitizers watch) and draws no line to the origin.
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
        {"all in one place", {{7, 7, 7}, {3, 3, 3}}, 0.0},
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
