#include "imageops/fast_row_means.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "document/pixel_block.h"
#include "imageops/window_slider.h"

namespace daub {

namespace {

// 1 / n for every count a fast window can hold; 0 for none.
const std::vector<float>& InverseTable() {
    static const std::vector<float> table = [] {
        std::vector<float> t(FastRowMeans::kMaxCount + 1, 0.0f);
        for (std::size_t n = 1; n < t.size(); ++n)
            t[n] = 1.0f / static_cast<float>(n);
        return t;
    }();
    return table;
}

// Why single precision is exact here: a sum s <= 255 n below 2^19 is held exactly, and
// s * fl(1/n) + 2^-12 lies within 2^-14 of s / n + 2^-12 after its three roundings. The
// quotient's fraction is a multiple of 1 / n >= 2^-11, so the lift carries a whole s / n
// safely above the integer and leaves one just below the next integer still below it.
constexpr float kLift = 1.0f / 4096.0f;

}  // namespace

std::uint8_t MeanOf(std::uint32_t sum, float inverse) {
    return static_cast<std::uint8_t>(static_cast<int>(static_cast<float>(sum) * inverse + kLift));
}

FastRowMeans::FastRowMeans(int x0, int x1)
    : chunk_(3 * static_cast<std::size_t>(kChunk) + 1),
      inverses_(static_cast<std::size_t>(x1 - x0)),
      merged_(kChunk),
      base_(static_cast<std::size_t>(x1 - x0)),
      baseCounts_(static_cast<std::size_t>(x1 - x0)) {}

int FastRowMeans::ColumnsIn(int x, const RowWindow& w) const {
    return std::min(x + w.radius + 1, w.last) - std::max(x - w.radius, w.first);
}

void FastRowMeans::Row(const ExcludingColumnSums& sums, const RowWindow& window, RowMeans& means) {
    if (window.rowsIn != baseRowsIn_) BaseInverses(window);
    std::fill(means.present.begin(), means.present.end(), std::uint8_t{1});
    means.complete = true;
    PatchExcluded(sums, window, means);
    // Away from the image's sides every window holds as many pixels as the next.
    const int sameFrom = std::max(window.x0, window.first + window.radius);
    const int sameTo = std::min(window.x1, window.last - window.radius);
    // A short stretch at a time, so that the sums stay in the first-level cache between
    // sliding and dividing.
    WindowSlider slider(sums.Channels(), window);
    std::size_t run = 0;
    for (int from = window.x0; from < window.x1; from += kChunk) {
        const int to = std::min(from + kChunk, window.x1);
        slider.Fill(chunk_.data(), from, to);
        const auto done = static_cast<std::size_t>(from - window.x0);
        const auto pixels = static_cast<std::size_t>(to - from);
        std::uint8_t* out = means.pixels.data() + 3 * done;
        while (run < runs_.size() && runs_[run].second <= from)
            ++run;
        if (run < runs_.size() && runs_[run].first < to)
            Divide(chunk_.data(), MergedInverses(window, from, to, run), pixels, out);
        else if (from >= sameFrom && to <= sameTo)
            DivideBy(chunk_.data(), base_[done], pixels, out);
        else
            Divide(chunk_.data(), base_.data() + done, pixels, out);
    }
}

// The inverses of pixels [from, to): the patched ones inside the runs, the base elsewhere.
const float* FastRowMeans::MergedInverses(const RowWindow& w, int from, int to, std::size_t run) {
    const auto done = static_cast<std::size_t>(from - w.x0);
    std::copy(base_.begin() + done, base_.begin() + done + (to - from), merged_.begin());
    for (; run < runs_.size() && runs_[run].first < to; ++run) {
        const int a = std::max(from, runs_[run].first), b = std::min(to, runs_[run].second);
        std::copy(inverses_.begin() + (a - w.x0), inverses_.begin() + (b - w.x0),
                  merged_.begin() + (a - from));
    }
    return merged_.data();
}

void FastRowMeans::BaseInverses(const RowWindow& w) {
    const std::vector<float>& table = InverseTable();
    for (int x = w.x0; x < w.x1; ++x) {
        const auto i = static_cast<std::size_t>(x - w.x0);
        baseCounts_[i] = static_cast<std::uint32_t>(ColumnsIn(x, w) * w.rowsIn);
        base_[i] = table[baseCounts_[i]];
    }
    baseRowsIn_ = w.rowsIn;
}

// Pixels within the radius of a column that holds excluded pixels count fewer pixels; the
// runs of them get their own inverses.
void FastRowMeans::PatchExcluded(const ExcludingColumnSums& sums, const RowWindow& w,
                                 RowMeans& means) {
    runs_.clear();
    const std::vector<std::uint64_t>& marked = sums.Marked();
    for (std::size_t word = 0; word < marked.size(); ++word) {
        for (std::uint64_t bits = marked[word]; bits != 0; bits &= bits - 1) {
            const int column = w.first + static_cast<int>(64 * word) + std::countr_zero(bits);
            const int from = std::max(column - w.radius, w.x0);
            const int to = std::min(column + w.radius + 1, w.x1);
            if (from >= to) continue;
            if (!runs_.empty() && from <= runs_.back().second)
                runs_.back().second = std::max(runs_.back().second, to);
            else
                runs_.push_back({from, to});
        }
    }
    for (const auto& [from, to] : runs_)
        PatchRun(sums.Excluded(), w, from, to, means);
}

// The excluded counts read here reach a radius and one beyond the columns, where the sums
// keep zeros, so the window slides without a test at the edges.
void FastRowMeans::PatchRun(const std::uint32_t* excluded, const RowWindow& w, int from, int to,
                            RowMeans& means) {
    const std::vector<float>& table = InverseTable();
    const std::uint32_t* entering = excluded + (from + w.radius - w.first);
    const std::uint32_t* leaving = excluded + (from - w.radius - 1 - w.first);
    // The window one step before `from`: each step then adds a column and takes one away.
    std::uint32_t k = 0;
    for (const std::uint32_t* e = leaving; e < entering; ++e)
        k += *e;
    // Plain pointers: the byte stores could alias anything reached through members.
    const std::uint32_t* counts = baseCounts_.data();
    const float* inverse = table.data();
    float* inverses = inverses_.data();
    std::uint8_t* present = means.present.data();
    std::uint32_t none = 0;
    for (auto i = static_cast<std::size_t>(from - w.x0); i < static_cast<std::size_t>(to - w.x0);
         ++i, ++entering, ++leaving) {
        k += *entering - *leaving;
        const std::uint32_t n = counts[i] - k;
        inverses[i] = inverse[n];
        present[i] = n != 0;
        none |= n == 0;
    }
    if (none) means.complete = false;
}

#if defined(__SSE2__)
// Four pixels at a time: twelve sums, each with its pixel's inverse, packed to bytes.
void FastRowMeans::Divide(const std::uint32_t* sums, const float* inverses, std::size_t pixels,
                          std::uint8_t* out) {
    const __m128 lift = _mm_set1_ps(kLift);
    const auto mean = [&](std::size_t at, __m128 inverse) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + at));
        return _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(s), inverse), lift));
    };
    std::size_t x = 0;
    for (; x + 4 <= pixels; x += 4) {
        const __m128 inv = _mm_loadu_ps(inverses + x);
        const __m128i m0 = mean(3 * x, _mm_shuffle_ps(inv, inv, _MM_SHUFFLE(1, 0, 0, 0)));
        const __m128i m1 = mean(3 * x + 4, _mm_shuffle_ps(inv, inv, _MM_SHUFFLE(2, 2, 1, 1)));
        const __m128i m2 = mean(3 * x + 8, _mm_shuffle_ps(inv, inv, _MM_SHUFFLE(3, 3, 3, 2)));
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(m0, m1), _mm_packs_epi32(m2, m2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * x), bytes);
    }
    for (; x < pixels; ++x)
        for (std::size_t c = 0; c < 3; ++c)
            out[3 * x + c] = MeanOf(sums[3 * x + c], inverses[x]);
}

// Every pixel with the same inverse: sixteen pixels fill three vectors of bytes exactly.
void FastRowMeans::DivideBy(const std::uint32_t* sums, float inverse, std::size_t pixels,
                            std::uint8_t* out) {
    const __m128 lift = _mm_set1_ps(kLift), inv = _mm_set1_ps(inverse);
    const auto mean = [&](std::size_t at) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + at));
        return _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(s), inv), lift));
    };
    const auto sixteen = [&](std::size_t at) {
        return _mm_packus_epi16(_mm_packs_epi32(mean(at), mean(at + 4)),
                                _mm_packs_epi32(mean(at + 8), mean(at + 12)));
    };
    std::size_t x = 0;
    for (; x + 16 <= pixels; x += 16)
        for (std::size_t part = 0; part < 3; ++part)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * x + 16 * part),
                             sixteen(3 * x + 16 * part));
    for (std::size_t i = 3 * x; i < 3 * pixels; ++i)
        out[i] = MeanOf(sums[i], inverse);
}
#else
void FastRowMeans::Divide(const std::uint32_t* sums, const float* inverses, std::size_t pixels,
                          std::uint8_t* out) {
    for (std::size_t x = 0; x < pixels; ++x)
        for (std::size_t c = 0; c < 3; ++c)
            out[3 * x + c] = MeanOf(sums[3 * x + c], inverses[x]);
}

void FastRowMeans::DivideBy(const std::uint32_t* sums, float inverse, std::size_t pixels,
                            std::uint8_t* out) {
    for (std::size_t i = 0; i < 3 * pixels; ++i)
        out[i] = MeanOf(sums[i], inverse);
}
#endif

}  // namespace daub
