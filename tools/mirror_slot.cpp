#include "tools/mirror_slot.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "document/pixel_block.h"
#include "document/slot_view.h"

namespace daub {
namespace {

void SwapRows(const SlotView& view) {
    const std::size_t bytes = 3 * static_cast<std::size_t>(view.width);
    std::vector<std::uint8_t> spare(bytes);
    for (int top = 0, bottom = view.height - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* a = view.At(0, top);
        std::uint8_t* b = view.At(0, bottom);
        std::memcpy(spare.data(), a, bytes);
        std::memcpy(a, b, bytes);
        std::memcpy(b, spare.data(), bytes);
    }
}

// Four pixels p0..p3 in three little-endian words become p3..p0: whole words move instead
// of single bytes.
void ReverseFourPixels(std::uint8_t* out, const std::uint8_t* in) {
    const std::uint32_t a = Load32(in), b = Load32(in + 4), c = Load32(in + 8);
    Store32(out, (c >> 8) | ((b >> 16) << 24));
    Store32(out + 4, (b >> 24) | ((c & 0xFF) << 8) | ((a >> 24) << 16) | (b << 24));
    Store32(out + 8, ((b >> 8) & 0xFF) | (a << 8));
}

#if defined(__SSE2__)
// The 16 bytes in reverse order.
__m128i ReverseBytes(__m128i v) {
    v = _mm_shufflelo_epi16(v, _MM_SHUFFLE(0, 1, 2, 3));
    v = _mm_shufflehi_epi16(v, _MM_SHUFFLE(0, 1, 2, 3));
    v = _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2));
    return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
}

struct Channels {
    simd::Block blue = simd::Phase(0), green = simd::Phase(1), red = simd::Phase(2);
};

// Sixteen pixels in reverse order. Reversing all 48 bytes puts byte c of pixel 15 - q at
// byte 3q + 2 - c, so blue comes from two bytes further on and red from two bytes back.
simd::Block ReversePixels(const simd::Block& b, const Channels& c) {
    using namespace simd;
    const Block r = {ReverseBytes(b.r2), ReverseBytes(b.r1), ReverseBytes(b.r0)};
    return Or(Or(And(ShiftDown<2>(r), c.blue), And(r, c.green)), And(ShiftUp<2>(r), c.red));
}

// The row's first pixels, sixteen at a time, from the far end of the copy; returns how
// many were done.
int ReverseBlocks(std::uint8_t* row, const std::uint8_t* copy, int width) {
    using simd::kBlockPixels;
    const Channels channels;
    int x = 0;
    for (; x + kBlockPixels <= width; x += kBlockPixels) {
        const std::uint8_t* from = copy + 3 * static_cast<std::size_t>(width - x - kBlockPixels);
        simd::Store(row + 3 * static_cast<std::size_t>(x),
                    ReversePixels(simd::Load(from), channels));
    }
    return x;
}
#else
int ReverseBlocks(std::uint8_t*, const std::uint8_t*, int) {
    return 0;
}
#endif

// Reverses the pixel order of a row from a copy of it, front to back: the row is read once
// and written once in one forward stream, which the prefetcher follows.
void ReverseRow(std::uint8_t* row, int width, std::uint8_t* copy) {
    std::memcpy(copy, row, 3 * static_cast<std::size_t>(width));
    int x = ReverseBlocks(row, copy, width);
    for (; x + 4 <= width; x += 4)
        ReverseFourPixels(row + 3 * static_cast<std::size_t>(x),
                          copy + 3 * static_cast<std::size_t>(width - x - 4));
    for (; x < width; ++x)
        std::memcpy(row + 3 * static_cast<std::size_t>(x),
                    copy + 3 * static_cast<std::size_t>(width - 1 - x), 3);
}

}  // namespace

void MirrorSlot(LayerStack& stack, int slot, int direction, int formatSlot) {
    if (direction != kMirrorHorizontal && direction != kMirrorVertical) return;
    const SlotView view = ViewOf(stack, slot, formatSlot);
    if (!view) return;
    if (direction == kMirrorVertical) {
        SwapRows(view);
        return;
    }
    std::vector<std::uint8_t> copy(3 * static_cast<std::size_t>(view.width));
    // Bottom row first: rows are stored bottom-up, so the rows follow each other in memory.
    for (int y = view.height - 1; y >= 0; --y)
        ReverseRow(view.At(0, y), view.width, copy.data());
}

}  // namespace daub
