#include "tools/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "document/slot_view.h"

namespace daub {
namespace {

// A run of seed-coloured pixels waiting to be filled, with the span whose scan found it: the
// part of the parent row under that span is already filled and need not be scanned again.
struct Span {
    int left, right, row;
    int parentRow, parentLeft, parentRight;
};

constexpr int kBlock = 8;  // pixels compared at once while skipping over seed colour

class SpanFiller {
  public:
    SpanFiller(const SlotView& reference, const SlotView& target, COLORREF fill,
               const std::uint8_t* seed);
    void Run(int x, int y);

  private:
    std::uint8_t* Row(const SlotView& v, int row) const { return v.At(0, row); }
    bool IsSeed(const std::uint8_t* p) const {
        return p[0] == seed_[0] && p[1] == seed_[1] && p[2] == seed_[2];
    }
    int SkipSeed(const std::uint8_t* row, int x, int end) const;
    int SkipOther(const std::uint8_t* row, int x, int end) const;
    int ExtendLeft(const std::uint8_t* row, int x) const;
    void Process(const Span& span);
    void Scan(int row, int from, int to, const Span& parent);
    void ScanExcept(int row, int from, int to, int skipFrom, int skipTo, const Span& parent);

    SlotView reference_;
    SlotView target_;
    std::uint8_t fill_[3];
    std::uint8_t seed_[3];
    std::uint8_t seedBlock_[3 * kBlock];
    std::vector<std::uint8_t> fillRow_;
    // First in, first out; it grows as needed, so no picture can make it drop a span.
    std::deque<Span> queue_;
};

SpanFiller::SpanFiller(const SlotView& reference, const SlotView& target, COLORREF fill,
                       const std::uint8_t* seed)
    : reference_(reference),
      target_(target),
      fillRow_(3 * static_cast<std::size_t>(reference.width)) {
    StorePixel(fill_, fill);
    std::memcpy(seed_, seed, 3);
    for (int i = 0; i < kBlock; ++i)
        std::memcpy(seedBlock_ + 3 * i, seed_, 3);
    for (std::size_t i = 0; i < fillRow_.size(); i += 3)
        std::memcpy(&fillRow_[i], fill_, 3);
}

int SpanFiller::SkipSeed(const std::uint8_t* row, int x, int end) const {
    while (end - x >= kBlock && std::memcmp(row + 3 * x, seedBlock_, sizeof seedBlock_) == 0)
        x += kBlock;
    while (x < end && IsSeed(row + 3 * x))
        ++x;
    return x;
}

int SpanFiller::SkipOther(const std::uint8_t* row, int x, int end) const {
    while (x < end && !IsSeed(row + 3 * x))
        ++x;
    return x;
}

int SpanFiller::ExtendLeft(const std::uint8_t* row, int x) const {
    while (x >= kBlock && std::memcmp(row + 3 * (x - kBlock), seedBlock_, sizeof seedBlock_) == 0)
        x -= kBlock;
    while (x > 0 && IsSeed(row + 3 * (x - 1)))
        --x;
    return x;
}

void SpanFiller::Run(int x, int y) {
    queue_.push_back({x, x, y, -1, 0, -1});
    while (!queue_.empty()) {
        const Span span = queue_.front();
        queue_.pop_front();
        Process(span);
    }
}

void SpanFiller::Process(const Span& span) {
    std::uint8_t* ref = Row(reference_, span.row);
    // Filled since it was found: any fill through a run covers the whole run.
    if (std::memcmp(ref + 3 * span.left, fill_, 3) == 0) return;
    const int left = ExtendLeft(ref, span.left);
    const int right = SkipSeed(ref, span.right + 1, reference_.width) - 1;
    const std::size_t bytes = 3 * static_cast<std::size_t>(right - left + 1);
    std::memcpy(ref + 3 * left, fillRow_.data(), bytes);
    if (target_.bits != reference_.bits)
        std::memcpy(Row(target_, span.row) + 3 * left, fillRow_.data(), bytes);

    const Span filled{left, right, span.row, span.parentRow, span.parentLeft, span.parentRight};
    for (int row : {span.row - 1, span.row + 1}) {
        if (row < 0 || row >= reference_.height) continue;
        if (row == span.parentRow)
            ScanExcept(row, left, right, span.parentLeft, span.parentRight, filled);
        else
            Scan(row, left, right, filled);
    }
}

void SpanFiller::ScanExcept(int row, int from, int to, int skipFrom, int skipTo,
                            const Span& parent) {
    Scan(row, from, std::min(to, skipFrom - 1), parent);
    Scan(row, std::max(from, skipTo + 1), to, parent);
}

// Queues every maximal seed-coloured run of the row between from and to.
void SpanFiller::Scan(int row, int from, int to, const Span& parent) {
    const std::uint8_t* ref = Row(reference_, row);
    const int end = to + 1;
    int x = from;
    while (x < end) {
        x = SkipOther(ref, x, end);
        if (x >= end) break;
        const int start = x;
        x = SkipSeed(ref, x, end);
        queue_.push_back({start, x - 1, row, parent.row, parent.left, parent.right});
    }
}

}  // namespace

void FloodFill(LayerStack& stack, COLORREF colour, int x, int y, int targetSlot,
               int referenceSlot) {
    if (referenceSlot == -1) referenceSlot = LayerStack::kDisplaySlot;
    const SlotView reference = ViewOf(stack, referenceSlot, LayerStack::kDisplaySlot);
    const SlotView target = ViewOf(stack, targetSlot, LayerStack::kDisplaySlot);
    if (!reference || !target || !reference.Contains(x, y)) return;
    std::uint8_t fill[3];
    StorePixel(fill, colour);
    const std::uint8_t* seed = reference.At(x, y);
    // A seed that already has the fill colour would only be refilled: nothing changes.
    if (std::memcmp(seed, fill, 3) == 0) return;
    SpanFiller(reference, target, colour, seed).Run(x, y);
}

}  // namespace daub
