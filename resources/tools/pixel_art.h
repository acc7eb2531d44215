// The text pixel-art format shared by the resource drawing tools, and the little-endian
// writers they need. One header, so that each tool stays a single small file.
//
// A file is read line by line; blank lines and lines starting with "#" are skipped.
//   colour C RRGGBB   character C stands for that colour (red, green, blue in hex)
//   image W [H]       starts a picture of H rows (W when omitted) of W characters
//   hotspot X Y       the hot spot of the current picture (cursors)
//   depth B           bits per pixel of the written file (bitmaps)
// Every other line is a row of the current picture; "." is a see-through pixel.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace daub::art {

constexpr char kSeeThrough = '.';
constexpr int kMaxSide = 1024;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
    std::optional<std::pair<int, int>> hotspot;
};

struct Art {
    std::map<char, std::uint32_t> colours;  // 0xRRGGBB
    std::vector<char> colourOrder;          // as declared: the palette order of a bitmap
    std::vector<Picture> pictures;
    int depth = 0;  // 0: not given
};

inline bool Fail(int line, const std::string& why) {
    std::cerr << "line " << line << ": " << why << "\n";
    return false;
}

namespace detail {

inline bool ParseColour(std::istringstream& in, Art& art, int line) {
    char key = 0;
    std::string hex;
    if (!(in >> key >> hex) || hex.size() != 6 || key == kSeeThrough || key == '#')
        return Fail(line, "expected: colour C RRGGBB");
    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return Fail(line, "bad hex colour " + hex);
    if (!art.colours.emplace(key, std::stoul(hex, nullptr, 16)).second)
        return Fail(line, std::string("colour defined twice: ") + key);
    art.colourOrder.push_back(key);
    return true;
}

inline bool ParseImage(std::istringstream& in, Art& art, int line) {
    int width = 0;
    if (!(in >> width)) return Fail(line, "expected: image W [H]");
    int height = width;
    if (!(in >> height)) height = width;
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return Fail(line, "image sides must be 1.." + std::to_string(kMaxSide));
    art.pictures.push_back({width, height, {}, std::nullopt});
    return true;
}

inline bool ParseHotspot(std::istringstream& in, Art& art, int line) {
    int x = 0, y = 0;
    if (art.pictures.empty()) return Fail(line, "hotspot before any image line");
    Picture& picture = art.pictures.back();
    if (!(in >> x >> y)) return Fail(line, "expected: hotspot X Y");
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
        return Fail(line, "hotspot outside the image");
    picture.hotspot = std::make_pair(x, y);
    return true;
}

inline bool ParseRow(const std::string& text, Art& art, int line) {
    if (art.pictures.empty()) return Fail(line, "pixels before any image line");
    Picture& picture = art.pictures.back();
    if (static_cast<int>(picture.rows.size()) == picture.height)
        return Fail(line, "more rows than the image height");
    if (static_cast<int>(text.size()) != picture.width) return Fail(line, "row of wrong length");
    for (char c : text) {
        if (c != kSeeThrough && !art.colours.count(c))
            return Fail(line, std::string("unknown colour character ") + c);
    }
    picture.rows.push_back(text);
    return true;
}

inline bool ParseLine(const std::string& text, Art& art, int line) {
    std::istringstream in(text);
    std::string word;
    if (!(in >> word) || word[0] == '#') return true;
    if (word == "colour") return ParseColour(in, art, line);
    if (word == "image") return ParseImage(in, art, line);
    if (word == "hotspot") return ParseHotspot(in, art, line);
    if (word == "depth") {
        if (!(in >> art.depth) || art.depth < 1) return Fail(line, "expected: depth B");
        return true;
    }
    return ParseRow(word, art, line);
}

}  // namespace detail

inline std::optional<Art> ReadArt(std::istream& in) {
    Art art;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (!detail::ParseLine(text, art, ++line)) return std::nullopt;
    }
    for (const Picture& picture : art.pictures) {
        if (static_cast<int>(picture.rows.size()) != picture.height) {
            Fail(line, "an image has fewer rows than its height");
            return std::nullopt;
        }
    }
    if (art.pictures.empty()) {
        Fail(line, "no image");
        return std::nullopt;
    }
    return art;
}

inline void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

inline void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A BITMAPINFOHEADER of an uncompressed image; height is as stored (doubled for icons).
inline void PutInfoHeader(std::string& out, int width, int height, int bits, std::uint32_t size,
                          std::uint32_t paletteSize) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    for (std::uint32_t v : {0u, size, 0u, 0u, paletteSize, 0u})
        Put32(out, v);
}

// The usage line, reading the art and writing the bytes, shared by every tool's main.
template <typename Make>
int Run(int argc, char** argv, const char* usage, Make make) {
    if (argc != 3) {
        std::cerr << "usage: " << usage << "\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    const std::optional<Art> art = ReadArt(in);
    const std::optional<std::string> bytes = art ? make(*art) : std::nullopt;
    if (!bytes) {
        std::cerr << argv[1] << ": not drawn\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    if (!out.write(bytes->data(), static_cast<std::streamsize>(bytes->size())) || !out.flush()) {
        std::cerr << argv[2] << ": cannot write\n";
        out.close();
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}

}  // namespace daub::art
