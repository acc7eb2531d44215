#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "imageops/excluding_sums.h"

namespace daub {

// The means of one row, three bytes a pixel as the targets store them, and which pixels
// have one at all.
struct RowMeans {
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint8_t> present;
    bool complete = true;  // every pixel has a mean

    // Four spare bytes: the fast means are stored a whole vector at a time.
    explicit RowMeans(std::size_t width) : pixels(3 * width + 4), present(width) {}
};

// Where one row's window lies: output columns [x0, x1), source columns [first, last), the
// radius, and how many source rows the window holds at this row.
struct RowWindow {
    int x0, x1, first, last, radius, rowsIn;
};

// The means of a row from ExcludingColumnSums: the window sums slide along the row four
// channels at a time, and the means come from multiplying by 1 / n in single precision,
// which is exact for windows of up to kMaxCount pixels (see MeanOf).
class FastRowMeans {
  public:
    static constexpr std::uint64_t kMaxCount = 2048;

    // For the output columns [x0, x1).
    FastRowMeans(int x0, int x1);
    void Row(const ExcludingColumnSums& sums, const RowWindow& window, RowMeans& means);

  private:
    static constexpr int kChunk = 256;

    void BaseInverses(const RowWindow& w);
    void PatchExcluded(const ExcludingColumnSums& sums, const RowWindow& w, RowMeans& means);
    const float* MergedInverses(const RowWindow& w, int from, int to, std::size_t run);
    void PatchRun(const std::uint32_t* excluded, const RowWindow& w, int from, int to,
                  RowMeans& means);
    static void Divide(const std::uint32_t* sums, const float* inverses, std::size_t pixels,
                       std::uint8_t* out);
    static void DivideBy(const std::uint32_t* sums, float inverse, std::size_t pixels,
                         std::uint8_t* out);
    int ColumnsIn(int x, const RowWindow& w) const;

    std::vector<std::uint32_t> chunk_;       // B, G, R of the windows of kChunk pixels, one spare
    std::vector<float> inverses_;            // 1 / pixels counted, inside the runs
    std::vector<std::pair<int, int>> runs_;  // pixels [first, second) near excluded ones
    std::vector<float> merged_;              // the inverses of one chunk
    std::vector<float> base_;                // the same with nothing excluded
    std::vector<std::uint32_t> baseCounts_;  // pixels in each window with nothing excluded
    int baseRowsIn_ = -1;
};

// The truncated mean of a window's sum, given 1 / n of its n pixels, n <= kMaxCount.
std::uint8_t MeanOf(std::uint32_t sum, float inverse);

}  // namespace daub
