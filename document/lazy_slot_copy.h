#pragma once

#include <cstddef>
#include <vector>

namespace daub {

class LayerStack;
struct SlotBitmap;

// A copy of one slot into another that is made band by band, when a band is first asked
// for. As long as every write into the source is preceded by Ensure over the rows it
// touches, every band the target received holds the source as it was at Begin: a stroke
// pays for the rows it reaches, not for the whole canvas.
class LazySlotCopy {
  public:
    // A band is about this many bytes: small enough that a dab copies little, large enough
    // that a small canvas is copied in one go.
    static constexpr std::size_t kBandBytes = 64 * 1024;

    // Starts a copy from source into target with nothing copied yet. Slots of different
    // geometry are copied whole at once (what CopyBitmap copies) and the copy ends there.
    void Begin(LayerStack& stack, int target, int source);
    // Copies nothing more until the next Begin.
    void End() { copied_.clear(); }
    bool Active() const { return !copied_.empty(); }

    // Copies the bands holding rows [first, last) (clamped to the image) that were not copied
    // since Begin. Ends the copy when either slot no longer has the bitmap it had at Begin.
    void Ensure(const LayerStack& stack, int first, int last);

  private:
    bool SameBitmaps(const LayerStack& stack) const;
    void CopyBand(std::size_t band) const;

    int target_ = -1, source_ = -1;
    const SlotBitmap* targetBitmap_ = nullptr;
    const SlotBitmap* sourceBitmap_ = nullptr;
    int bandRows_ = 1;
    std::vector<bool> copied_;  // one flag per band; empty while no copy is running
};

}  // namespace daub
