#include "document/composite.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "document/pixel_block.h"
#include "document/slot_view.h"

namespace daub {
namespace {

// Compositing writes whole images, which the mask must not restrict.
class MaskSuspended {
  public:
    explicit MaskSuspended(LayerStack& stack) : stack_(stack), saved_(stack.maskEnabled) {
        stack_.maskEnabled = 0;
    }
    ~MaskSuspended() { stack_.maskEnabled = saved_; }
    MaskSuspended(const MaskSuspended&) = delete;
    MaskSuspended& operator=(const MaskSuspended&) = delete;

  private:
    LayerStack& stack_;
    int saved_;
};

// Small enough to stay in the second-level cache of any machine the program runs on.
constexpr std::size_t kBandBytes = 128 * 1024;

// A pixel equal to the key leaves three zero bytes after the XOR. Pixels start every three
// bytes, so those three always hold a whole two-byte lane starting at an even offset, and
// that lane lies inside one 64-bit word. A block whose three words have no zero lane holds
// no key pixel. (Non-zero exactly when some lane is zero: the usual borrow test.)
constexpr std::uint64_t kLaneOnes = 0x0001000100010001ULL;
constexpr std::uint64_t kLaneHighBits = 0x8000800080008000ULL;
std::uint64_t ZeroLaneBits(std::uint64_t difference) {
    return (difference - kLaneOnes) & ~difference;
}

std::uint64_t Load64(const std::uint8_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

void CopyPixelsKeyed(std::uint8_t* destination, const std::uint8_t* source, int from, int to,
                     const std::uint8_t* key) {
    for (int x = from; x < to; ++x) {
        const std::uint8_t* s = source + 3 * static_cast<std::size_t>(x);
        if (s[0] == key[0] && s[1] == key[1] && s[2] == key[2]) continue;
        std::memcpy(destination + 3 * static_cast<std::size_t>(x), s, 3);
    }
}

// Pixels [from, to) eight at a time: eight pixels fill three 64-bit words exactly, so the
// key repeats in the same place.
void CopyWordsKeyed(std::uint8_t* destination, const std::uint8_t* source, int from, int to,
                    const std::uint8_t* key) {
    std::uint8_t pattern[24];
    for (int i = 0; i < 24; ++i)
        pattern[i] = key[i % 3];
    const std::uint64_t key0 = Load64(pattern), key1 = Load64(pattern + 8),
                        key2 = Load64(pattern + 16);
    int x = from;
    for (; x + 8 <= to; x += 8) {
        const std::uint8_t* s = source + 3 * static_cast<std::size_t>(x);
        const std::uint64_t d0 = Load64(s) ^ key0;
        const std::uint64_t d1 = Load64(s + 8) ^ key1;
        const std::uint64_t d2 = Load64(s + 16) ^ key2;
        if ((d0 | d1 | d2) == 0) continue;  // all see-through
        if (((ZeroLaneBits(d0) | ZeroLaneBits(d1) | ZeroLaneBits(d2)) & kLaneHighBits) == 0) {
            std::memcpy(destination + 3 * static_cast<std::size_t>(x), s, 24);
            continue;
        }
        CopyPixelsKeyed(destination, source, x, x + 8, key);
    }
    CopyPixelsKeyed(destination, source, x, to, key);
}

#if defined(__SSE2__)
// Sixteen pixels at a time with the same lane test; a block that holds both kinds blends
// the destination with the source under a mask of its key pixels. Returns the pixels done.
int CopyBlocksKeyed(std::uint8_t* destination, const std::uint8_t* source, int pixels,
                    const std::uint8_t* key) {
    using namespace simd;
    const Block keys = Repeat(key), starts = Phase(0);
    int x = 0;
    for (; x + kBlockPixels <= pixels; x += kBlockPixels) {
        const std::size_t at = 3 * static_cast<std::size_t>(x);
        const Block s = Load(source + at);
        const Block d = Xor(s, keys);
        if (!MayHoldKey(d)) {
            Store(destination + at, s);
            continue;
        }
        if (AnyByteSet(d) == 0) continue;  // all see-through
        const Block isKey = WholePixels(BytesEqual(d, Zero()), starts);
        Store(destination + at, Select(isKey, Load(destination + at), s));
    }
    return x;
}
#else
int CopyBlocksKeyed(std::uint8_t*, const std::uint8_t*, int, const std::uint8_t*) {
    return 0;
}
#endif

}  // namespace

void CopyRowKeyed(std::uint8_t* destination, const std::uint8_t* source, int pixels, COLORREF key) {
    std::uint8_t keyBytes[3];
    StorePixel(keyBytes, key);
    const int done = CopyBlocksKeyed(destination, source, pixels, keyBytes);
    CopyWordsKeyed(destination, source, done, pixels, keyBytes);
}

void Composite(LayerStack& stack, COLORREF key, int topSlot, int bottomSlot, int destinationSlot,
               int formatEntry) {
    MaskSuspended maskOff(stack);
    const SlotView destination = ViewOf(stack, destinationSlot, formatEntry);
    if (!destination) return;
    if (bottomSlot == kFromFirstLayer) bottomSlot = LayerStack::kFirstLayer;
    const int last =
        std::min({topSlot, stack.SlotCount() - 1, static_cast<int>(stack.visible.size()) - 1});
    // Every view of the entry has the destination's geometry, so one offset serves all.
    std::vector<const std::uint8_t*> layers;
    for (int slot = std::max(bottomSlot, 0); slot <= last; ++slot) {
        if (stack.visible[static_cast<std::size_t>(slot)] != 1) continue;
        const SlotView layer = ViewOf(stack, slot, formatEntry);
        if (layer) layers.push_back(layer.bits);
    }
    if (layers.empty()) return;
    // A band of rows at a time through all layers: the destination band stays in the cache
    // while each layer is read once, in one forward run per band, instead of the whole
    // destination passing through memory once per layer.
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(destination.width);
    const int bandRows = std::max(1, static_cast<int>(kBandBytes / destination.stride));
    for (int band = 0; band < destination.height; band += bandRows) {
        const int bandEnd = std::min(destination.height, band + bandRows);
        for (std::size_t i = 0; i < layers.size(); ++i) {
            // A destination among the layers (merging into it) is already in place.
            if (layers[i] == destination.bits) continue;
            for (int row = band; row < bandEnd; ++row) {
                const std::size_t offset = static_cast<std::size_t>(row) * destination.stride;
                if (i == 0)
                    std::memcpy(destination.bits + offset, layers[i] + offset, rowBytes);
                else
                    CopyRowKeyed(destination.bits + offset, layers[i] + offset, destination.width,
                                 key);
            }
        }
    }
}

}  // namespace daub
