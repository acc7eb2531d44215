// Turns a text pixel-art file into a Windows .ico file of 32-bit images, so that the
// program's icon is kept as readable source. Usage: ico_from_text ART.txt OUT.ico
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace daub {
namespace {

struct Picture {
    int size = 0;
    std::vector<std::string> rows;
};

struct Art {
    std::map<char, std::uint32_t> colours;  // 0xRRGGBB
    std::vector<Picture> pictures;
};

constexpr char kSeeThrough = '.';

bool Fail(int line, const std::string& why) {
    std::cerr << "line " << line << ": " << why << "\n";
    return false;
}

bool ParseColour(std::istringstream& in, Art& art, int line) {
    char key = 0;
    std::string hex;
    if (!(in >> key >> hex) || hex.size() != 6 || key == kSeeThrough)
        return Fail(line, "expected: colour C RRGGBB");
    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return Fail(line, "bad hex colour " + hex);
    if (!art.colours.emplace(key, std::stoul(hex, nullptr, 16)).second)
        return Fail(line, std::string("colour defined twice: ") + key);
    return true;
}

bool ParseRow(const std::string& text, Art& art, int line) {
    if (art.pictures.empty()) return Fail(line, "pixels before any image line");
    Picture& picture = art.pictures.back();
    if (static_cast<int>(picture.rows.size()) == picture.size)
        return Fail(line, "more rows than the image size");
    if (static_cast<int>(text.size()) != picture.size) return Fail(line, "row of wrong length");
    for (char c : text) {
        if (c != kSeeThrough && !art.colours.count(c))
            return Fail(line, std::string("unknown colour character ") + c);
    }
    picture.rows.push_back(text);
    return true;
}

bool ParseLine(const std::string& text, Art& art, int line) {
    std::istringstream in(text);
    std::string word;
    if (!(in >> word) || word[0] == '#') return true;
    if (word == "colour") return ParseColour(in, art, line);
    if (word == "image") {
        int size = 0;
        if (!(in >> size) || size < 1 || size > 256) return Fail(line, "image size 1..256");
        art.pictures.push_back({size, {}});
        return true;
    }
    return ParseRow(word, art, line);
}

std::optional<Art> ReadArt(std::istream& in) {
    Art art;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (!ParseLine(text, art, ++line)) return std::nullopt;
    }
    for (const Picture& picture : art.pictures) {
        if (static_cast<int>(picture.rows.size()) != picture.size) {
            Fail(line, "an image has fewer rows than its size");
            return std::nullopt;
        }
    }
    if (art.pictures.empty()) Fail(line, "no image");
    return art.pictures.empty() ? std::nullopt : std::optional<Art>(art);
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A BITMAPINFOHEADER of twice the height, the BGRA rows and the AND mask, both bottom-up.
std::string ImageData(const Picture& picture, const std::map<char, std::uint32_t>& colours) {
    const int n = picture.size;
    const int maskStride = (n + 31) / 32 * 4;
    std::string out;
    for (std::uint32_t v : {40u, static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(2 * n)})
        Put32(out, v);
    Put16(out, 1);
    Put16(out, 32);
    for (std::uint32_t v :
         {0u, static_cast<std::uint32_t>(n * n * 4 + maskStride * n), 0u, 0u, 0u, 0u})
        Put32(out, v);
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

std::string IconFile(const Art& art) {
    std::string header, images;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, static_cast<unsigned>(art.pictures.size()));
    const std::uint32_t first = 6 + 16 * static_cast<std::uint32_t>(art.pictures.size());
    for (const Picture& picture : art.pictures) {
        const std::string data = ImageData(picture, art.colours);
        header += static_cast<char>(picture.size & 0xFF);  // 256 is written as 0
        header += static_cast<char>(picture.size & 0xFF);
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
}  // namespace daub

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ico_from_text ART.txt OUT.ico\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    const std::optional<daub::Art> art = daub::ReadArt(in);
    if (!art) {
        std::cerr << argv[1] << ": not made into an icon\n";
        return 1;
    }
    const std::string bytes = daub::IconFile(*art);
    std::ofstream out(argv[2], std::ios::binary);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        std::cerr << argv[2] << ": cannot write\n";
        out.close();
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
