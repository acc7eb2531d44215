// Turns a text pixel-art file into a palette BMP file: the palette is the colours in the
// order they are declared, at the bit depth the file asks for (1, 4 or 8).
// Usage: bmp_from_text ART.txt OUT.bmp
#include "pixel_art.h"

namespace daub::art {
namespace {

bool Check(const Art& art) {
    if (art.pictures.size() != 1) return Fail(0, "a bitmap holds exactly one image");
    if (art.depth != 1 && art.depth != 4 && art.depth != 8)
        return Fail(0, "a bitmap needs a depth line of 1, 4 or 8");
    if (art.colourOrder.size() > (std::size_t{1} << art.depth))
        return Fail(0, "more colours than the depth holds");
    for (const std::string& row : art.pictures[0].rows) {
        if (row.find(kSeeThrough) != std::string::npos)
            return Fail(0, "a bitmap has no see-through pixels");
    }
    return true;
}

std::optional<std::string> BitmapFile(const Art& art) {
    if (!Check(art)) return std::nullopt;
    const Picture& picture = art.pictures[0];
    std::map<char, unsigned> index;
    std::string palette;
    for (char key : art.colourOrder) {
        index.emplace(key, static_cast<unsigned>(index.size()));
        Put32(palette, art.colours.at(key));  // 0x00RRGGBB is B, G, R, 0
    }
    const int perByte = 8 / art.depth;
    const std::size_t stride = static_cast<std::size_t>((picture.width * art.depth + 31) / 32 * 4);
    std::string bits;
    for (int y = picture.height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < picture.width; ++x) {
            const int shift = 8 - art.depth * (x % perByte + 1);
            row[x / perByte] |= static_cast<char>(index.at(picture.rows[y][x]) << shift);
        }
        bits += row;
    }
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    std::string out = "BM";
    Put32(out, offset + static_cast<std::uint32_t>(bits.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, picture.width, picture.height, art.depth,
                  static_cast<std::uint32_t>(bits.size()),
                  static_cast<std::uint32_t>(art.colourOrder.size()));
    return out + palette + bits;
}

}  // namespace
}  // namespace daub::art

int main(int argc, char** argv) {
    return daub::art::Run(argc, argv, "bmp_from_text ART.txt OUT.bmp", daub::art::BitmapFile);
}
