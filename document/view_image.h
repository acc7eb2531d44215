#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "document/colour.h"
#include "document/document_state.h"
#include "document/layer_stack.h"

namespace daub {

// The canvas's top-left pixel is shown at client (2, 2).
inline constexpr int kCanvasMargin = 2;
// The main window's class background, seen wherever the picture does not reach.
inline constexpr COLORREF kViewBackground = 0x969696;

// What one column of the picture is made of: `count` source pixels from byte `offset` of a
// source row, combined; a count of 0 leaves the column as it was.
struct ColumnSpan {
    std::size_t offset = 0;
    int count = 0;
};

// The picture of the main window's client area, in the layout SetDIBitsToDevice takes for a
// 24-bit image with a positive height: rows bottom-up, padded to a multiple of four bytes.
// Kept by the window and filled again every frame; its memory is reused.
struct ViewImage {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint8_t> pixels;

    // Working memory of the stretch, kept here so that a frame allocates nothing.
    std::vector<ColumnSpan> columns;
    std::vector<std::uint8_t> rowAnd;
    std::vector<std::uint8_t> fillRow;

    // Makes the image width x height (an empty one for a size that is not positive or too
    // large); the content is then undefined until painted.
    void Resize(int newWidth, int newHeight);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Client row y, the top row being 0.
    std::uint8_t* Row(int y) {
        return pixels.data() + static_cast<std::size_t>(stride) * (height - 1 - y);
    }
    const std::uint8_t* Row(int y) const {
        return pixels.data() + static_cast<std::size_t>(stride) * (height - 1 - y);
    }
    COLORREF Get(int x, int y) const { return LoadPixel(Row(y) + 3 * static_cast<std::size_t>(x)); }
    void Set(int x, int y, COLORREF c) { StorePixel(Row(y) + 3 * static_cast<std::size_t>(x), c); }
    void Fill(COLORREF c);
    // Fills every pixel outside the rectangle, which must lie inside the image.
    void FillOutside(COLORREF c, const Rect& keep);
};

// What the view is shown with: the document's zoom, scroll and zoomed size, and the size of
// the client area.
struct ViewPort {
    float zoom = 1.0f;
    int scrollX = 0;
    int scrollY = 0;
    int zoomedWidth = 0;
    int zoomedHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

ViewPort ViewPortOf(const DocumentState& doc, int clientWidth, int clientHeight);

// Where the display slot is stretched to (client pixels) and from (canvas pixels). Both are
// empty when nothing of the canvas is in view.
struct ViewGeometry {
    Rect destination;
    Rect source;
};

// The visible extent: as much of the zoomed canvas as remains right of and below the scroll
// position, at most the client size, and above zoom 1 whole canvas pixels only.
ViewGeometry ComputeViewGeometry(const ViewPort& port);

// The client area without overlays: the display slot (format entry 0) stretched into its
// place, the grey background everywhere else. Without a display slot it is all background.
void RenderCanvasView(ViewImage& image, const LayerStack& stack, const ViewPort& port);

// The two corners of the range frame in client pixels, already clamped to the zoomed
// canvas; none when no range is being dragged, selected or floated.
std::optional<std::pair<Point, Point>> RangeFrameCorners(const DocumentState& doc);

// The closed dotted black outline through the two corners.
void DrawRangeFrame(ViewImage& image, Point first, Point second);

// The dotted grey cross through the pointer, given in view coordinates and drawn at the
// same numbers in client coordinates, each line only while the pointer is within the
// visible picture along the other axis.
void DrawGuideLine(ViewImage& image, const ViewPort& port, Point pointer);

// Everything WM_PAINT shows: the picture, the range frame while a range is pending, and the
// guide line when it is switched on and a pointer position is known.
void RenderMainView(ViewImage& image, const DocumentState& doc, int clientWidth, int clientHeight,
                    std::optional<Point> pointer = std::nullopt);

}  // namespace daub
