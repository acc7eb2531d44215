#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "document/colour.h"
#include "document/layer_stack.h"
#include "document/slot_view.h"

namespace daub::test {

using PointSet = std::set<std::pair<int, int>>;

// The points of the rectangle from (left, top) to (right, bottom), both included.
inline PointSet Block(int left, int top, int right, int bottom) {
    PointSet points;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            points.insert({x, y});
    return points;
}

// A layer stack with a width x height canvas format (entry 0) and bitmaps for the given slots.
struct TestCanvas {
    LayerStack stack{20};

    TestCanvas(int width, int height, std::initializer_list<int> slots = {0, 1, 2, 3, 4, 5}) {
        stack.DefineFormat(0, width, height);
        for (int slot : slots)
            stack.CreateSlotBitmap(slot);
    }

    int Width() const { return stack.Width(0); }
    int Height() const { return stack.Height(0); }
    ConstSlotView View(int slot, int entry = 0) const { return ViewOf(stack, slot, entry); }
    SlotView View(int slot, int entry = 0) { return ViewOf(stack, slot, entry); }
    COLORREF Get(int slot, int x, int y, int entry = 0) const {
        return LoadPixel(View(slot, entry).At(x, y));
    }
    void Set(int slot, int x, int y, COLORREF c, int entry = 0) {
        StorePixel(View(slot, entry).At(x, y), c);
    }
    void Fill(int slot, COLORREF c) { FillBitmap(stack.Bitmap(slot), c); }

    // The pixels of the slot that have colour c.
    PointSet PixelsOf(int slot, COLORREF c, int entry = 0) const {
        PointSet points;
        const ConstSlotView v = View(slot, entry);
        for (int y = 0; y < v.height; ++y)
            for (int x = 0; x < v.width; ++x)
                if (LoadPixel(v.At(x, y)) == c) points.insert({x, y});
        return points;
    }

    // The whole pixel memory, padding included.
    std::vector<std::uint8_t> Bytes(int slot) const {
        const SlotBitmap* b = stack.Bitmap(slot);
        return {b->pixels.get(), b->pixels.get() + b->ByteSize()};
    }

    // Mask white where allow(x, y), black elsewhere, and the mask switched on.
    template <typename Allow>
    void MaskWhere(Allow allow) {
        const SlotView m = View(LayerStack::kMaskSlot);
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x)
                StorePixel(m.At(x, y), allow(x, y) ? 0xFFFFFF : 0x000000);
        stack.maskEnabled = 1;
    }

    // Random bytes everywhere, padding included; with levels > 0 the pixels are greys of
    // that many levels, so that runs of equal colour are common.
    void Randomise(int slot, std::mt19937& rng, int levels = 0) {
        BitmapHandle b = stack.Bitmap(slot);
        for (std::size_t i = 0; i < b->ByteSize(); ++i)
            b->pixels[i] = static_cast<std::uint8_t>(rng());
        const SlotView v = View(slot);
        for (int y = 0; y < v.height; ++y) {
            for (int x = 0; x < v.width; ++x) {
                const int level = levels > 0 ? static_cast<int>(rng() % levels) : 0;
                StorePixel(v.At(x, y), levels > 0 ? MakeColour(level, level, level)
                                                  : static_cast<COLORREF>(rng() & 0xFFFFFF));
            }
        }
    }
};

}  // namespace daub::test
