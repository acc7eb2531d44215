// What the main window shows: the view of the display slot, its zoom and its scrolling.
#include "app/main_window.h"
#include "document/composite.h"
#include "document/scroll_requests.h"
#include "document/slot_view.h"
#include "document/zoom_steps.h"
#include "platform/platform.h"
#include "platform/scroll_info.h"
#include "tools/floating_range.h"

namespace daub {
namespace {

ScrollInfo ToScrollInfo(const ScrollBarState& bar) {
    ScrollInfo info;
    info.mask = sif::kRange | sif::kPage | sif::kPos | sif::kDisableNoScroll;
    info.min = bar.min;
    info.max = bar.max;
    info.page = static_cast<unsigned>(bar.page);
    info.pos = bar.pos;
    return info;
}

PixelImage ToPixelImage(const ViewImage& image) {
    return {image.pixels.data(), image.width, image.height, image.stride};
}

}  // namespace

// The picture is painted at once.
void TDaubWindow::Repaint() {
    GetPlatform().InvalidateWithoutErase(Handle());
    GetPlatform().UpdateNativeWindow(Handle());
    if (doc.layerImageVisible == 1 && !doc.leftDragging && !doc.rightDragging) ShowEditedLayer();
}

void TDaubWindow::ShowEditedLayer() {
    if (satellites.viewWindow && doc.HasDocument())
        satellites.viewWindow->Show(ViewOf(*doc.layerStack, doc.currentLayer, 0));
}

void TDaubWindow::MakeLayerImageWindow(int left) {
    auto& view = satellites.viewWindow;
    view = std::make_unique<ViewWnd>(GetPlatform());
    view->Create(Handle(), left);
    view->refit = [this] { ShowEditedLayer(); };
}

void TDaubWindow::ShowNewDocument() {
    RelayoutAt(0, 0, 1.0f);
    Info().values.zoom = doc.zoom;
    Info().Paint();
    GetPlatform().RedrawNow(Handle());
    ShowEditedLayer();
    ShowLayerList();
}

// The whole client area comes from the view image: picture, overlays and the grey around.
std::intptr_t TDaubWindow::OnPaint(const Message&) {
    Platform& platform = GetPlatform();
    auto context = platform.PaintContext(Handle());
    const PixelRect client = platform.ClientRect(Handle());
    RenderMainView(viewImage_, doc, client.Width(), client.Height(), guidePointer_);
    if (context && viewImage_.width > 0)
        context->DrawPixels(0, 0, ToPixelImage(viewImage_), viewImage_.width, viewImage_.height);
    return 0;
}

void TDaubWindow::ApplyScrollBars(const ViewScrollBars& bars) {
    scrollBars_ = bars;
    GetPlatform().SetScrollBar(Handle(), sb::kVert, ToScrollInfo(bars.vertical), true);
    GetPlatform().SetScrollBar(Handle(), sb::kHorz, ToScrollInfo(bars.horizontal), true);
}

void TDaubWindow::RelayoutAt(int ax, int ay, float oldZoom) {
    const PixelRect client = GetPlatform().ClientRect(Handle());
    if (const auto bars = Relayout(doc, ax, ay, oldZoom, client.Width(), client.Height()))
        ApplyScrollBars(*bars);
}

// After a resize the view returns to the canvas origin, unless a zoom step is laid out.
std::intptr_t TDaubWindow::OnSize(const Message&) {
    RelayoutAt(0, 0, 1.0f);
    return 0;
}

std::intptr_t TDaubWindow::OnScroll(const Message& message) {
    const bool vertical = message.id == wm::kVScroll;
    const PixelRect client = GetPlatform().ClientRect(Handle());
    ScrollBarState& bar = vertical ? scrollBars_.vertical : scrollBars_.horizontal;
    const ScrollOutcome outcome = ScrollView(
        doc, vertical ? ScrollAxis::Vertical : ScrollAxis::Horizontal, LowWord(message.wParam),
        HighWord(message.wParam), bar, client.Width(), client.Height());
    bar = outcome.bar;
    GetPlatform().SetScrollBar(Handle(), vertical ? sb::kVert : sb::kHorz,
                               ToScrollInfo(outcome.bar), true);
    // The grey band at the limit is part of the view image: beyond the picture it is grey.
    RepaintWithRange();
    return 0;
}

// Refreshes the range slot of a selected range, or redraws a floating one, then repaints.
void TDaubWindow::RepaintWithRange() {
    if (doc.pendingOp == pending::kRangeSelected) RefreshSelectedRange(doc);
    if (doc.pendingOp == pending::kRangeFloating) RedrawFloatingRange(doc);
    Repaint();
}

void TDaubWindow::CompositeDocument() {
    Composite(*doc.layerStack, doc.transparentColour, doc.lastLayer, -1, LayerStack::kDisplaySlot,
              0);
}

}  // namespace daub
