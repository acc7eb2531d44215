#include "document/view_image.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>

#include "document/dotted_lines.h"
#include "document/slot_format.h"
#include "document/slot_view.h"
#include "document/view_stretch.h"

namespace daub {
namespace {

// Float to int toward zero, as the view arithmetic does, held inside the int range so that
// no scroll position or zoom can make the conversion undefined.
int Truncate(float value) {
    if (std::isnan(value)) return 0;
    const double v = std::trunc(static_cast<double>(value));
    return static_cast<int>(std::clamp(v, double{INT_MIN}, double{INT_MAX}));
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

const DottedPen kRangeFramePen{0x000000, 0xFFFFFF};
const DottedPen kGuideLinePen{0xC8C8C8, 0xFFFFFF};

}  // namespace

void ViewImage::Resize(int newWidth, int newHeight) {
    if (!IsValidSlotSize(newWidth, newHeight)) newWidth = newHeight = 0;
    width = newWidth;
    height = newHeight;
    stride = width > 0 ? RowStride(width) : 0;
    pixels.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
}

void ViewImage::Fill(COLORREF c) {
    FillOutside(c, {});
}

void ViewImage::FillOutside(COLORREF c, const Rect& keep) {
    if (width <= 0 || height <= 0) return;
    // One row of the colour is built aside, then copied wherever the colour goes.
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    fillRow.resize(rowBytes);
    for (std::size_t i = 0; i < rowBytes; i += 3)
        StorePixel(fillRow.data() + i, c);
    const bool keeps = keep.width > 0 && keep.height > 0;
    const std::size_t left = keeps ? 3 * static_cast<std::size_t>(keep.x) : rowBytes;
    const std::size_t right = keeps ? 3 * static_cast<std::size_t>(keep.x + keep.width) : rowBytes;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = Row(y);
        if (!keeps || y < keep.y || y >= keep.y + keep.height) {
            std::memcpy(row, fillRow.data(), rowBytes);
            continue;
        }
        std::memcpy(row, fillRow.data(), left);
        std::memcpy(row + right, fillRow.data(), rowBytes - right);
    }
}

ViewPort ViewPortOf(const DocumentState& doc, int clientWidth, int clientHeight) {
    return ViewPort{doc.zoom,         doc.scrollX, doc.scrollY, doc.zoomedWidth,
                    doc.zoomedHeight, clientWidth, clientHeight};
}

ViewGeometry ComputeViewGeometry(const ViewPort& port) {
    ViewGeometry g;
    g.destination = {kCanvasMargin, kCanvasMargin, 0, 0};
    // No zoom at all (zero, negative, not a number) shows nothing rather than dividing by it.
    if (!(port.zoom > 0.0f) || std::isinf(port.zoom)) return g;
    std::int64_t w =
        std::min<std::int64_t>(std::int64_t{port.zoomedWidth} - port.scrollX, port.clientWidth);
    std::int64_t h =
        std::min<std::int64_t>(std::int64_t{port.zoomedHeight} - port.scrollY, port.clientHeight);
    if (w <= 0 || h <= 0) return g;
    if (port.zoom > 1.0f) {
        // Whole canvas pixels only, so that every block on screen is complete.
        const std::int64_t k = Truncate(port.zoom);
        w = k * (w / k);
        h = k * (h / k);
        if (w <= 0 || h <= 0) return g;
    }
    const int destW = static_cast<int>(w), destH = static_cast<int>(h);
    g.destination.width = destW;
    g.destination.height = destH;
    if (port.zoom == 1.0f) {
        g.source = {port.scrollX, port.scrollY, destW, destH};
    } else {
        g.source = {Truncate(static_cast<float>(port.scrollX) / port.zoom),
                    Truncate(static_cast<float>(port.scrollY) / port.zoom),
                    Truncate(static_cast<float>(destW) / port.zoom),
                    Truncate(static_cast<float>(destH) / port.zoom)};
    }
    return g;
}

void RenderCanvasView(ViewImage& image, const LayerStack& stack, const ViewPort& port) {
    image.Resize(port.clientWidth, port.clientHeight);
    const ConstSlotView display = ViewOf(stack, LayerStack::kDisplaySlot, 0);
    Rect picture;
    if (display) {
        const ViewGeometry g = ComputeViewGeometry(port);
        picture = StretchCovering(image, g.destination, display, g.source);
    }
    // Only what the picture left is painted grey: the frame's largest write happens once.
    image.FillOutside(kViewBackground, picture);
}

std::optional<std::pair<Point, Point>> RangeFrameCorners(const DocumentState& doc) {
    std::int64_t x1, y1, x2, y2;
    switch (doc.pendingOp) {
        case pending::kRangeDragged:
            x1 = doc.pressPoint.x, y1 = doc.pressPoint.y;
            x2 = doc.lastPoint.x, y2 = doc.lastPoint.y;
            break;
        case pending::kRangeSelected:
            x1 = doc.pressPoint.x, y1 = doc.pressPoint.y;
            x2 = doc.rangeEndPoint.x, y2 = doc.rangeEndPoint.y;
            break;
        case pending::kRangeFloating:
            x1 = doc.selection.x, y1 = doc.selection.y;
            x2 = x1 + doc.selection.width, y2 = y1 + doc.selection.height;
            break;
        default:
            return std::nullopt;
    }
    // A canvas narrower than the margin would put the upper bound below the lower one; the
    // frame then stays on the margin line.
    const std::int64_t right = std::max(doc.zoomedWidth, kCanvasMargin);
    const std::int64_t bottom = std::max(doc.zoomedHeight, kCanvasMargin);
    auto clampX = [&](std::int64_t x) {
        return static_cast<int>(std::clamp<std::int64_t>(x, kCanvasMargin, right));
    };
    auto clampY = [&](std::int64_t y) {
        return static_cast<int>(std::clamp<std::int64_t>(y, kCanvasMargin, bottom));
    };
    return std::pair{Point{clampX(x1), clampY(y1)}, Point{clampX(x2), clampY(y2)}};
}

void DrawRangeFrame(ViewImage& image, Point first, Point second) {
    const Point path[] = {
        first, {second.x, first.y}, second, {first.x, second.y}, first,
    };
    DrawDottedPolyline(image, path, std::size(path), kRangeFramePen);
}

void DrawGuideLine(ViewImage& image, const ViewPort& port, Point pointer) {
    const int ex = ClampToInt(
        std::min<std::int64_t>(std::int64_t{port.zoomedWidth} - port.scrollX, port.clientWidth));
    const int ey = ClampToInt(
        std::min<std::int64_t>(std::int64_t{port.zoomedHeight} - port.scrollY, port.clientHeight));
    if (pointer.y > 1 && pointer.y <= ey) {
        const Point line[] = {{kCanvasMargin, pointer.y}, {ex, pointer.y}};
        DrawDottedPolyline(image, line, 2, kGuideLinePen);
    }
    if (pointer.x > 1 && pointer.x <= ex) {
        const Point line[] = {{pointer.x, kCanvasMargin}, {pointer.x, ey}};
        DrawDottedPolyline(image, line, 2, kGuideLinePen);
    }
}

void RenderMainView(ViewImage& image, const DocumentState& doc, int clientWidth, int clientHeight,
                    std::optional<Point> pointer) {
    const ViewPort port = ViewPortOf(doc, clientWidth, clientHeight);
    if (doc.layerStack) {
        RenderCanvasView(image, *doc.layerStack, port);
    } else {
        image.Resize(clientWidth, clientHeight);
        image.Fill(kViewBackground);
    }
    if (const auto corners = RangeFrameCorners(doc))
        DrawRangeFrame(image, corners->first, corners->second);
    if (doc.guideLine == 1 && pointer) DrawGuideLine(image, port, *pointer);
}

}  // namespace daub
