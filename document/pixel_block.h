#pragma once

// Sixteen 24-bit pixels as three SSE2 registers: 48 bytes, where every pixel starts at a
// multiple of three. Every x86-64 processor has SSE2; other targets take the plain loops.
#if defined(__SSE2__)

#include <emmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace daub::simd {

inline constexpr int kBlockPixels = 16;
inline constexpr int kBlockBytes = 48;

struct Block {
    __m128i r0, r1, r2;
};

inline Block Load(const std::uint8_t* p) {
    return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32))};
}

inline void Store(std::uint8_t* p, const Block& b) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), b.r0);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), b.r1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 32), b.r2);
}

inline Block And(const Block& a, const Block& b) {
    return {_mm_and_si128(a.r0, b.r0), _mm_and_si128(a.r1, b.r1), _mm_and_si128(a.r2, b.r2)};
}

inline Block Or(const Block& a, const Block& b) {
    return {_mm_or_si128(a.r0, b.r0), _mm_or_si128(a.r1, b.r1), _mm_or_si128(a.r2, b.r2)};
}

// Bytes of `ones` where the mask byte is set, of `zeros` elsewhere.
inline Block Select(const Block& mask, const Block& ones, const Block& zeros) {
    return {_mm_or_si128(_mm_and_si128(mask.r0, ones.r0), _mm_andnot_si128(mask.r0, zeros.r0)),
            _mm_or_si128(_mm_and_si128(mask.r1, ones.r1), _mm_andnot_si128(mask.r1, zeros.r1)),
            _mm_or_si128(_mm_and_si128(mask.r2, ones.r2), _mm_andnot_si128(mask.r2, zeros.r2))};
}

inline Block BytesEqual(const Block& a, const Block& b) {
    return {_mm_cmpeq_epi8(a.r0, b.r0), _mm_cmpeq_epi8(a.r1, b.r1), _mm_cmpeq_epi8(a.r2, b.r2)};
}

// One bit per byte, set where the byte is non-zero in any of the three registers.
inline int AnyByteSet(const Block& b) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i any = _mm_or_si128(_mm_or_si128(b.r0, b.r1), b.r2);
    return _mm_movemask_epi8(_mm_cmpeq_epi8(any, zero)) ^ 0xFFFF;
}

// True when every byte of a equals the byte of b.
inline bool Same(const Block& a, const Block& b) {
    const Block e = BytesEqual(a, b);
    return _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(e.r0, e.r1), e.r2)) == 0xFFFF;
}

// Byte i takes byte i + K of the block; zeros come in at the end.
template <int K>
Block ShiftDown(const Block& b) {
    return {_mm_or_si128(_mm_srli_si128(b.r0, K), _mm_slli_si128(b.r1, 16 - K)),
            _mm_or_si128(_mm_srli_si128(b.r1, K), _mm_slli_si128(b.r2, 16 - K)),
            _mm_srli_si128(b.r2, K)};
}

// Byte i takes byte i - K of the block; zeros come in at the start.
template <int K>
Block ShiftUp(const Block& b) {
    return {_mm_slli_si128(b.r0, K),
            _mm_or_si128(_mm_slli_si128(b.r1, K), _mm_srli_si128(b.r0, 16 - K)),
            _mm_or_si128(_mm_slli_si128(b.r2, K), _mm_srli_si128(b.r1, 16 - K))};
}

struct PhaseTable {
    alignas(16) std::uint8_t bytes[3][kBlockBytes];
};

constexpr PhaseTable MakePhaseTable() {
    PhaseTable table{};
    for (int phase = 0; phase < 3; ++phase)
        for (int i = 0; i < kBlockBytes; ++i)
            table.bytes[phase][i] = i % 3 == phase ? 0xFF : 0;
    return table;
}

inline constexpr PhaseTable kPhases = MakePhaseTable();

// 0xFF at byte 3j + phase of the block, 0 elsewhere.
inline Block Phase(int phase) {
    return Load(kPhases.bytes[phase]);
}

// The pixel flags (0xFF or 0 at the first byte of each pixel, other bytes 0) spread over
// all three bytes of their pixel.
inline Block SpreadPixelFlags(const Block& flags) {
    return Or(Or(flags, ShiftUp<1>(flags)), ShiftUp<2>(flags));
}

// 0xFF at the first byte of every pixel whose three bytes are all set in `bytes`, 0 at
// every other byte; `starts` is Phase(0).
inline Block WholePixelStarts(const Block& bytes, const Block& starts) {
    return And(And(And(bytes, ShiftDown<1>(bytes)), ShiftDown<2>(bytes)), starts);
}

// 0xFF over every pixel whose three bytes are all set in `bytes`, 0 elsewhere.
inline Block WholePixels(const Block& bytes, const Block& starts) {
    return SpreadPixelFlags(WholePixelStarts(bytes, starts));
}

// One bit per byte of the block, byte i at bit i.
inline std::uint64_t ByteBits(const Block& b) {
    return static_cast<std::uint64_t>(_mm_movemask_epi8(b.r0)) |
           static_cast<std::uint64_t>(_mm_movemask_epi8(b.r1)) << 16 |
           static_cast<std::uint64_t>(_mm_movemask_epi8(b.r2)) << 32;
}

// Whether some pixel may equal the key, from the source XOR the repeated key: a pixel equal
// to it leaves three zero bytes, which always hold a whole zero 16-bit lane, since the
// lanes start at even bytes. False means certainly none.
inline bool MayHoldKey(const Block& difference) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lanes = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi16(difference.r0, zero), _mm_cmpeq_epi16(difference.r1, zero)),
        _mm_cmpeq_epi16(difference.r2, zero));
    return _mm_movemask_epi8(lanes) != 0;
}

inline Block Xor(const Block& a, const Block& b) {
    return {_mm_xor_si128(a.r0, b.r0), _mm_xor_si128(a.r1, b.r1), _mm_xor_si128(a.r2, b.r2)};
}

inline Block Zero() {
    return {_mm_setzero_si128(), _mm_setzero_si128(), _mm_setzero_si128()};
}

// The sixteen pixels' bytes repeated from one colour's three bytes.
inline Block Repeat(const std::uint8_t* pixel) {
    alignas(16) std::uint8_t bytes[kBlockBytes];
    for (int i = 0; i < kBlockBytes; ++i)
        bytes[i] = pixel[i % 3];
    return Load(bytes);
}

// Copies with stores that pass the caches by: for results far larger than the caches,
// whose old contents then need not be read first. Fence() before the memory is handed on.
inline void StreamCopy(std::uint8_t* dst, const std::uint8_t* src, std::size_t bytes) {
    std::size_t i =
        std::min<std::size_t>(bytes, (16 - reinterpret_cast<std::uintptr_t>(dst) % 16) % 16);
    std::memcpy(dst, src, i);
    for (; i + 16 <= bytes; i += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)));
    std::memcpy(dst + i, src + i, bytes - i);
}

inline void Fence() {
    _mm_sfence();
}

}  // namespace daub::simd

#endif
