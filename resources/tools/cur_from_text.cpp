// Turns a text pixel-art file into a monochrome Windows .cur file: one picture drawn in
// black and white on see-through, with its hot spot. Usage: cur_from_text ART.txt OUT.cur
#include "pixel_art.h"

namespace daub::art {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

bool Check(const Art& art) {
    if (art.pictures.size() != 1) return Fail(0, "a cursor holds exactly one image");
    const Picture& picture = art.pictures[0];
    if (picture.width != 32 || picture.height != 32) return Fail(0, "a cursor is 32 x 32");
    if (!picture.hotspot) return Fail(0, "a cursor needs a hotspot line");
    for (const auto& [key, colour] : art.colours) {
        if (colour != kBlack && colour != kWhite)
            return Fail(0, std::string("a cursor is black and white only: ") + key);
    }
    return true;
}

// The XOR rows carry white, the AND rows see-through; both bottom-up, one bit a pixel.
std::string ImageData(const Picture& picture, const std::map<char, std::uint32_t>& colours) {
    constexpr int kStride = 4;
    std::string xorBits, andBits;
    for (int y = picture.height - 1; y >= 0; --y) {
        std::string xorRow(kStride, '\0'), andRow(kStride, '\0');
        for (int x = 0; x < picture.width; ++x) {
            const char c = picture.rows[y][x];
            const char bit = static_cast<char>(0x80 >> (x % 8));
            if (c == kSeeThrough) {
                andRow[x / 8] |= bit;
            } else if (colours.at(c) == kWhite) {
                xorRow[x / 8] |= bit;
            }
        }
        xorBits += xorRow;
        andBits += andRow;
    }
    std::string out;
    PutInfoHeader(out, picture.width, 2 * picture.height, 1,
                  static_cast<std::uint32_t>(xorBits.size() + andBits.size()), 2);
    Put32(out, kBlack);
    Put32(out, kWhite);
    return out + xorBits + andBits;
}

std::optional<std::string> CursorFile(const Art& art) {
    if (!Check(art)) return std::nullopt;
    const Picture& picture = art.pictures[0];
    const std::string data = ImageData(picture, art.colours);
    std::string out;
    Put16(out, 0);
    Put16(out, 2);  // a cursor file
    Put16(out, 1);
    out += static_cast<char>(picture.width);
    out += static_cast<char>(picture.height);
    out += static_cast<char>(2);  // colours
    out += '\0';
    Put16(out, static_cast<unsigned>(picture.hotspot->first));
    Put16(out, static_cast<unsigned>(picture.hotspot->second));
    Put32(out, static_cast<std::uint32_t>(data.size()));
    Put32(out, 6 + 16);
    return out + data;
}

}  // namespace
}  // namespace daub::art

int main(int argc, char** argv) {
    return daub::art::Run(argc, argv, "cur_from_text ART.txt OUT.cur", daub::art::CursorFile);
}
