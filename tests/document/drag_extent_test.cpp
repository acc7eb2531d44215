#include <gtest/gtest.h>

#include "document/view_layout.h"

namespace daub {
namespace {

DocumentState Pressed(float zoom, Point press) {
    DocumentState doc;
    doc.zoom = zoom;
    doc.pressPoint = press;
    return doc;
}

TEST(DragExtent, CanvasPixelsFromThePressTruncatedTowardZero) {
    const struct {
        const char* name;
        float zoom;
        Point press, pointer, extent;
    } cases[] = {
        {"zoom 1: the quarter takes a pixel off", 1.0f, {10, 10}, {15, 13}, {4, 2}},
        {"zoom 1, no move", 1.0f, {10, 10}, {10, 10}, {0, 0}},
        {"zoom 1, dragged up and left", 1.0f, {10, 10}, {4, 7}, {-6, -3}},
        {"zoom 4: whole canvas pixels", 4.0f, {8, 8}, {29, 13}, {5, 1}},
        {"zoom 4, less than a pixel back", 4.0f, {8, 8}, {6, 6}, {0, 0}},
        {"zoom 4, dragged back", 4.0f, {20, 20}, {3, 9}, {-4, -3}},
        {"zoom 0.1: ten canvas pixels a view pixel", 0.1f, {0, 0}, {10, 3}, {99, 29}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Point e = DragExtent(Pressed(c.zoom, c.press), c.pointer.x, c.pointer.y);
        EXPECT_EQ(e.x, c.extent.x);
        EXPECT_EQ(e.y, c.extent.y);
    }
}

// Both ends are view positions, so where the view is scrolled to does not enter.
TEST(DragExtent, ScrollingDoesNotChangeIt) {
    for (const float zoom : {1.0f, 2.0f, 4.0f}) {
        DocumentState doc = Pressed(zoom, {30, 12});
        const Point unscrolled = DragExtent(doc, 57, 3);
        for (const int scroll : {1, 7, 400}) {
            doc.scrollX = scroll;
            doc.scrollY = scroll * 2;
            const Point scrolled = DragExtent(doc, 57, 3);
            EXPECT_EQ(scrolled.x, unscrolled.x) << zoom << " " << scroll;
            EXPECT_EQ(scrolled.y, unscrolled.y) << zoom << " " << scroll;
        }
    }
}

TEST(DragExtent, ExtremePositionsAndADegenerateZoomStayDefined) {
    DocumentState doc = Pressed(0.1f, {-2147483647 - 1, 2147483647});
    const Point far = DragExtent(doc, 2147483647, -2147483647 - 1);
    EXPECT_EQ(far.x, 2147483647);
    EXPECT_EQ(far.y, -2147483647 - 1);
    doc.zoom = 0.0f;
    DragExtent(doc, 5, 5);  // no undefined conversion
}

}  // namespace
}  // namespace daub
