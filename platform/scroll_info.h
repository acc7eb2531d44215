#pragma once

namespace daub {

namespace sb {
inline constexpr int kHorz = 0;
inline constexpr int kVert = 1;
}  // namespace sb

namespace sif {
inline constexpr unsigned kRange = 0x0001;
inline constexpr unsigned kPage = 0x0002;
inline constexpr unsigned kPos = 0x0004;
inline constexpr unsigned kDisableNoScroll = 0x0008;
inline constexpr unsigned kTrackPos = 0x0010;
}  // namespace sif

// The fields of a SCROLLINFO that a program sets; cbSize is the backend's business.
struct ScrollInfo {
    unsigned mask = 0;
    int min = 0;
    int max = 0;
    unsigned page = 0;
    int pos = 0;
    int trackPos = 0;

    bool operator==(const ScrollInfo&) const = default;
};

}  // namespace daub
