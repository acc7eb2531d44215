#include "document/view_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace daub {

int TruncSaturated(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

int CanvasWidth(const DocumentState& doc) {
    return doc.layerStack ? std::max(doc.layerStack->Width(0), 0) : 0;
}

int CanvasHeight(const DocumentState& doc) {
    return doc.layerStack ? std::max(doc.layerStack->Height(0), 0) : 0;
}

Point ViewToCanvas(const DocumentState& doc, int vx, int vy) {
    const double zoom = doc.zoom;
    const double quarter = zoom * 0.25;
    const auto map = [&](int v, int scroll) {
        return TruncSaturated((static_cast<double>(v) + scroll - quarter) / zoom);
    };
    return {map(vx, doc.scrollX), map(vy, doc.scrollY)};
}

Point DragExtent(const DocumentState& doc, int vx, int vy) {
    const double zoom = doc.zoom;
    const double quarter = zoom * 0.25;
    const auto map = [&](int v, int press) {
        return TruncSaturated((static_cast<double>(v) - press - quarter) / zoom);
    };
    return {map(vx, doc.pressPoint.x), map(vy, doc.pressPoint.y)};
}

Point ZoomKeyAnchor(const DocumentState& doc, int clientWidth, int clientHeight) {
    return {std::min(doc.zoomedWidth / 2, clientWidth / 2),
            std::min(doc.zoomedHeight / 2, clientHeight / 2)};
}

namespace {

// The canvas coordinate under view position a at the given zoom; the origin when the zoom
// cannot map anything.
int AnchoredCanvasPoint(int a, int scroll, float zoom) {
    if (!(zoom > 0.0f) || !std::isfinite(zoom)) return 0;
    const float zoomed = static_cast<float>(static_cast<std::int64_t>(a) + scroll);
    return TruncSaturated(zoomed / zoom);
}

// The scroll position that puts canvas point p back under view position a, kept within the
// range (which reaches 7 pixels past the picture, where the grey band covers the rest).
int AnchoredScroll(int p, int a, float zoom, int zoomedSize, int clientSize) {
    const float d = static_cast<float>(p) * zoom - static_cast<float>(a);
    if (!(d > 1.0f)) return 0;
    const std::int64_t limit = static_cast<std::int64_t>(zoomedSize) - clientSize + 7;
    return static_cast<int>(std::min<std::int64_t>(TruncSaturated(d), limit));
}

ViewScrollBars LayOut(DocumentState& doc, int px, int py, int ax, int ay, int clientWidth,
                      int clientHeight) {
    doc.scrollX = 0;
    doc.scrollY = 0;
    const float zoom = doc.zoom;
    doc.zoomedWidth = std::max(TruncSaturated(static_cast<float>(CanvasWidth(doc)) * zoom), 0);
    doc.zoomedHeight = std::max(TruncSaturated(static_cast<float>(CanvasHeight(doc)) * zoom), 0);

    ViewScrollBars bars;
    bars.vertical = {0, doc.zoomedHeight + 2, std::max(clientHeight, 0), 0};
    bars.horizontal = {0, doc.zoomedWidth + 2, std::max(clientWidth, 0), 0};
    if (doc.zoomedWidth + 2 > clientWidth) {
        doc.scrollX = AnchoredScroll(px, ax, zoom, doc.zoomedWidth, clientWidth);
        bars.horizontal.pos = doc.scrollX;
    }
    if (doc.zoomedHeight + 2 > clientHeight) {
        doc.scrollY = AnchoredScroll(py, ay, zoom, doc.zoomedHeight, clientHeight);
        bars.vertical.pos = doc.scrollY;
    }
    return bars;
}

ViewScrollBars LayOutAround(DocumentState& doc, int ax, int ay, float oldZoom, int clientWidth,
                            int clientHeight) {
    const int px = AnchoredCanvasPoint(ax, doc.scrollX, oldZoom);
    const int py = AnchoredCanvasPoint(ay, doc.scrollY, oldZoom);
    return LayOut(doc, px, py, ax, ay, clientWidth, clientHeight);
}

// The canvas coordinate the view shows at position a: the picture starts at the canvas
// pixel of the scroll position, in whole blocks when enlarged.
int ShownCanvasPoint(int a, int scroll, float zoom) {
    if (!(zoom > 0.0f) || !std::isfinite(zoom)) return 0;
    const int first = TruncSaturated(static_cast<float>(scroll) / zoom);
    if (zoom < 1.0f) return first + TruncSaturated(static_cast<float>(a) / zoom);
    const int block = TruncSaturated(zoom);
    return first + (a >= 0 ? a / block : -((block - 1 - a) / block));
}

// The start of the zoomed block holding view position a, where the shown pixel must begin.
int BlockStart(int a, float zoom) {
    if (!(zoom >= 1.0f) || !std::isfinite(zoom)) return a;
    const int block = TruncSaturated(zoom);
    const int rest = a % block;
    return a - (rest < 0 ? rest + block : rest);
}

}  // namespace

ViewScrollBars RelayoutAtShownPixel(DocumentState& doc, int ax, int ay, float oldZoom,
                                    int clientWidth, int clientHeight) {
    const int px = ShownCanvasPoint(ax, doc.scrollX, oldZoom);
    const int py = ShownCanvasPoint(ay, doc.scrollY, oldZoom);
    return LayOut(doc, px, py, BlockStart(ax, doc.zoom), BlockStart(ay, doc.zoom), clientWidth,
                  clientHeight);
}

std::optional<ViewScrollBars> Relayout(DocumentState& doc, int ax, int ay, float oldZoom,
                                       int clientWidth, int clientHeight) {
    if (ax == 0 && ay == 0) {
        if (doc.zoomAnchored != 0) return std::nullopt;
        return LayOut(doc, 0, 0, 0, 0, clientWidth, clientHeight);
    }
    return LayOutAround(doc, ax, ay, oldZoom, clientWidth, clientHeight);
}

ViewScrollBars RelayoutForZoom(DocumentState& doc, int ax, int ay, float oldZoom, int clientWidth,
                               int clientHeight) {
    return LayOutAround(doc, ax, ay, oldZoom, clientWidth, clientHeight);
}

std::optional<Rect> LayerImagePlacement(int bitmapWidth, int bitmapHeight, int clientWidth,
                                        int clientHeight) {
    if (bitmapWidth <= 0 || bitmapHeight <= 0) return std::nullopt;
    const std::int64_t bw = bitmapWidth, bh = bitmapHeight;
    const std::int64_t cw = std::max(clientWidth, 0), ch = std::max(clientHeight, 0);
    // Exact ratios: the side that limits the scale fills the client exactly.
    std::int64_t w = bw, h = bh;
    if (cw * bh <= ch * bw) {
        if (cw < bw) {
            w = cw;
            h = cw * bh / bw;
        }
    } else if (ch < bh) {
        h = ch;
        w = ch * bw / bh;
    }
    const int dw = static_cast<int>(w), dh = static_cast<int>(h);
    return Rect{static_cast<int>((cw - w) / 2), static_cast<int>((ch - h) / 2), dw, dh};
}

}  // namespace daub
