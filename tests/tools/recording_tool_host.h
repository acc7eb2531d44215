#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "document/document_state.h"
#include "document/slot_view.h"
#include "tools/tool_host.h"

namespace daub::test {

// A started document of width x height in one colour at zoom 1, and a host that records what
// the tool asked of the window, with the edited layer as it was when the snapshot was asked.
struct ToolBench : ToolHost {
    DocumentState doc;
    std::vector<std::string> calls;
    std::vector<std::vector<std::uint8_t>> layerAtSnapshot;

    ToolBench(int width, int height, COLORREF colour) {
        BuildLayerStack(doc);
        doc.layerStack->DefineFormat(0, width, height);
        FillBitmap(doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot), colour);
        StartDocument(doc);
        doc.zoomedWidth = width;
        doc.zoomedHeight = height;
    }

    void Snapshot(SnapshotKind kind) override {
        calls.push_back("snapshot " + std::to_string(static_cast<int>(kind)));
        layerAtSnapshot.push_back(Bytes(doc.currentLayer));
    }
    void EndPendingOperation() override {
        calls.push_back("end");
        doc.pendingOp = pending::kNone;
    }
    void Repaint() override { calls.push_back("repaint"); }
    void ShowPendingState(int state) override {
        calls.push_back("pending " + std::to_string(state));
    }

    LayerStack& Stack() { return *doc.layerStack; }
    std::vector<std::uint8_t> Bytes(int slot) const {
        BitmapHandle b = doc.layerStack->Bitmap(slot);
        return {b->pixels.get(), b->pixels.get() + b->ByteSize()};
    }
    COLORREF Get(int slot, int x, int y, int entry = 0) const {
        return LoadPixel(ViewOf(*doc.layerStack, slot, entry).At(x, y));
    }
    void Set(int slot, int x, int y, COLORREF c) {
        StorePixel(ViewOf(*doc.layerStack, slot, 0).At(x, y), c);
    }
    // The same pixel into the layer and the display, as a finished stroke leaves it.
    void Paint(int x, int y, COLORREF c) {
        Set(doc.currentLayer, x, y, c);
        Set(LayerStack::kDisplaySlot, x, y, c);
    }
    std::set<std::pair<int, int>> PixelsOf(int slot, COLORREF c, int entry = 0) const {
        std::set<std::pair<int, int>> found;
        const SlotView v = ViewOf(*doc.layerStack, slot, entry);
        for (int y = 0; y < v.height; ++y)
            for (int x = 0; x < v.width; ++x)
                if (LoadPixel(v.At(x, y)) == c) found.insert({x, y});
        return found;
    }
};

}  // namespace daub::test
