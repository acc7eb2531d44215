// Turns a text pixel-art file into a Windows .ico file of 32-bit images, so that the
// program's icon is kept as readable source. Usage: ico_from_text ART.txt OUT.ico
#include "pixel_art.h"

namespace daub::art {
namespace {

// A BITMAPINFOHEADER of twice the height, the BGRA rows and the AND mask, both bottom-up.
std::string ImageData(const Picture& picture, const std::map<char, std::uint32_t>& colours) {
    const int n = picture.width;
    const int maskStride = (n + 31) / 32 * 4;
    std::string out;
    PutInfoHeader(out, n, 2 * n, 32, static_cast<std::uint32_t>(n * n * 4 + maskStride * n), 0);
    for (int y = n - 1; y >= 0; --y) {
        for (char c : picture.rows[y]) {
            const bool clear = c == kSeeThrough;
            Put32(out, clear ? 0 : colours.at(c) | 0xFF000000u);  // 0xAARRGGBB is B,G,R,A
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < n; ++x) {
            if (picture.rows[y][x] == kSeeThrough) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
        }
        out += row;
    }
    return out;
}

std::optional<std::string> IconFile(const Art& art) {
    for (const Picture& picture : art.pictures) {
        if (picture.width != picture.height || picture.width > 256) {
            std::cerr << "icon images are square, at most 256 pixels\n";
            return std::nullopt;
        }
    }
    std::string header, images;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, static_cast<unsigned>(art.pictures.size()));
    const std::uint32_t first = 6 + 16 * static_cast<std::uint32_t>(art.pictures.size());
    for (const Picture& picture : art.pictures) {
        const std::string data = ImageData(picture, art.colours);
        header += static_cast<char>(picture.width & 0xFF);  // 256 is written as 0
        header += static_cast<char>(picture.height & 0xFF);
        Put16(header, 0);
        Put16(header, 1);
        Put16(header, 32);
        Put32(header, static_cast<std::uint32_t>(data.size()));
        Put32(header, first + static_cast<std::uint32_t>(images.size()));
        images += data;
    }
    return header + images;
}

}  // namespace
}  // namespace daub::art

int main(int argc, char** argv) {
    return daub::art::Run(argc, argv, "ico_from_text ART.txt OUT.ico", daub::art::IconFile);
}
