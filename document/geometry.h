#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

namespace daub {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The part of r inside the width x height area at (0, 0); zero-sized when there is none.
inline Rect ClipRect(const Rect& r, int width, int height) {
    const auto clip = [](std::int64_t start, std::int64_t length, int size) {
        const std::int64_t limit = std::max(size, 0);
        const std::int64_t lo = std::clamp<std::int64_t>(start, 0, limit);
        const std::int64_t hi =
            std::clamp<std::int64_t>(start + std::max<std::int64_t>(length, 0), lo, limit);
        return std::pair<int, int>(static_cast<int>(lo), static_cast<int>(hi - lo));
    };
    const auto [x, w] = clip(r.x, r.width, width);
    const auto [y, h] = clip(r.y, r.height, height);
    return {x, y, w, h};
}

}  // namespace daub
