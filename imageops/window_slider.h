#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "document/pixel_block.h"
#include "imageops/fast_row_means.h"

namespace daub {

#if defined(__SSE2__)
// A window's B, G, R and one more value, never used, as four lanes.
struct Lanes {
    __m128i v = _mm_setzero_si128();

    static __m128i At(const std::uint32_t* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    void Add(const std::uint32_t* p) { v = _mm_add_epi32(v, At(p)); }
    void Subtract(const std::uint32_t* p) { v = _mm_sub_epi32(v, At(p)); }
    void Step(const std::uint32_t* in, const std::uint32_t* out) {
        v = _mm_add_epi32(v, _mm_sub_epi32(At(in), At(out)));
    }
    // Four values: the fourth is overwritten by the next pixel's, or is the spare.
    void Store(std::uint32_t* p) const { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
};
#else
struct Lanes {
    std::uint32_t v[3] = {0, 0, 0};

    void Add(const std::uint32_t* p) {
        for (int c = 0; c < 3; ++c)
            v[c] += p[c];
    }
    void Subtract(const std::uint32_t* p) {
        for (int c = 0; c < 3; ++c)
            v[c] -= p[c];
    }
    void Step(const std::uint32_t* in, const std::uint32_t* out) {
        for (int c = 0; c < 3; ++c)
            v[c] += in[c] - out[c];
    }
    void Store(std::uint32_t* p) const { std::memcpy(p, v, sizeof v); }
};
#endif

// The window sums of a row, pixel after pixel: in the middle of the row the window gains
// and loses one column at every step, nearer the ends only what lies inside the image.
class WindowSlider {
  public:
    WindowSlider(const std::uint32_t* channels, const RowWindow& w)
        : channels_(channels),
          w_(w),
          steadyFirst_(std::min(std::max(w.x0 + 1, w.first + w.radius + 1), w.x1)),
          steadyLast_(std::max(steadyFirst_, std::min(w.x1, w.last - w.radius))) {
        for (int i = std::max(w.x0 - w.radius, w.first); i < std::min(w.x0 + w.radius + 1, w.last);
             ++i)
            sum_.Add(Column(i));
    }

    // The sums of pixels [from, to), which follow the ones filled last, three values to a
    // pixel and one spare value after.
    void Fill(std::uint32_t* out, int from, int to) {
        int x = from;
        for (; x < std::min(to, steadyFirst_); ++x)
            Edge(x, out + 3 * static_cast<std::size_t>(x - from));
        if (x < std::min(to, steadyLast_)) {
            const std::uint32_t* in = Column(x + w_.radius);
            const std::uint32_t* leaving = Column(x - w_.radius - 1);
            std::uint32_t* at = out + 3 * static_cast<std::size_t>(x - from);
            const int end = std::min(to, steadyLast_);
            for (; x + 4 <= end; x += 4, in += 12, leaving += 12, at += 12) {
                for (int k = 0; k < 12; k += 3) {
                    sum_.Step(in + k, leaving + k);
                    sum_.Store(at + k);
                }
            }
            for (; x < end; ++x, in += 3, leaving += 3, at += 3) {
                sum_.Step(in, leaving);
                sum_.Store(at);
            }
        }
        for (; x < to; ++x)
            Edge(x, out + 3 * static_cast<std::size_t>(x - from));
    }

  private:
    const std::uint32_t* Column(int x) const {
        return channels_ + 3 * static_cast<std::size_t>(x - w_.first);
    }
    void Edge(int x, std::uint32_t* at) {
        if (x > w_.x0) {
            if (x + w_.radius < w_.last) sum_.Add(Column(x + w_.radius));
            if (x - w_.radius - 1 >= w_.first) sum_.Subtract(Column(x - w_.radius - 1));
        }
        sum_.Store(at);
    }

    const std::uint32_t* channels_;
    const RowWindow& w_;
    const int steadyFirst_, steadyLast_;
    Lanes sum_;
};

}  // namespace daub
