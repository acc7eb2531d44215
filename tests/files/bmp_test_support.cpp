#include "tests/files/bmp_test_support.h"

#include <atomic>
#include <fstream>
#include <random>

#include "files/file_path.h"
#include "files/little_endian.h"

namespace daub::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("daubix-files-" + std::to_string(seed()) + "-" + std::to_string(++counter));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const {
    return Utf8FromPath(path_) + "/" + name;
}

std::vector<std::uint8_t> ReadBytes(const std::string& utf8Path) {
    std::ifstream in(PathFromUtf8(utf8Path), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& utf8Path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(PathFromUtf8(utf8Path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    const std::size_t at = out.size();
    out.resize(at + 2);
    StoreU16(out.data() + at, static_cast<std::uint16_t>(v));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    const std::size_t at = out.size();
    out.resize(at + 4);
    StoreU32(out.data() + at, v);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, const BmpSpec& s) {
    const std::size_t start = out.size();
    Put32(out, s.headerSize);
    if (s.headerSize == 12) {
        Put16(out, static_cast<std::uint32_t>(s.width));
        Put16(out, static_cast<std::uint32_t>(s.height));
        Put16(out, 1);
        Put16(out, s.bitCount);
        return;
    }
    Put32(out, static_cast<std::uint32_t>(s.width));
    Put32(out, static_cast<std::uint32_t>(s.height));
    Put16(out, 1);
    Put16(out, s.bitCount);
    Put32(out, s.compression);
    Put32(out, static_cast<std::uint32_t>(s.pixels.size()));
    Put32(out, static_cast<std::uint32_t>(s.pixelsPerMetre));
    Put32(out, static_cast<std::uint32_t>(s.pixelsPerMetre));
    Put32(out, s.clrUsed);
    Put32(out, 0);
    // Masks that fit go into the header; the rest of it is zero.
    for (std::uint32_t m : s.masks)
        if (out.size() - start + 4 <= s.headerSize) Put32(out, m);
    out.resize(start + s.headerSize, 0);
}

void PutMasksAfterHeader(std::vector<std::uint8_t>& out, const BmpSpec& s) {
    if (s.headerSize != 40) return;
    for (std::uint32_t m : s.masks)
        Put32(out, m);
}

void PutPalette(std::vector<std::uint8_t>& out, const BmpSpec& s) {
    for (COLORREF c : s.palette) {
        out.push_back(BlueOf(c));
        out.push_back(GreenOf(c));
        out.push_back(RedOf(c));
        if (s.headerSize != 12) out.push_back(0);
    }
}

}  // namespace

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec) {
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, 0);  // file size, patched below
    Put32(out, 0);
    Put32(out, 0);  // pixel offset, patched below
    PutInfoHeader(out, spec);
    PutMasksAfterHeader(out, spec);
    PutPalette(out, spec);
    out.resize(out.size() + spec.gapBeforePixels, 0xEE);
    StoreU32(out.data() + 10, spec.offBits.value_or(static_cast<std::uint32_t>(out.size())));
    out.insert(out.end(), spec.pixels.begin(), spec.pixels.end());
    StoreU32(out.data() + 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

}  // namespace daub::test
