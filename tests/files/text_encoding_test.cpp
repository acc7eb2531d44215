#include "files/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/cp932_table.h"

namespace daub {
namespace {

struct Sample {
    const char* name;
    std::string cp932;
    std::string utf8;
};

// Byte strings as Windows writes them in code page 932, beside their UTF-8.
const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = {
        {"ascii path", "C:\\tools\\Temp\\", "C:\\tools\\Temp\\"},
        // 表 and ソ end in 0x5C: that byte is part of the character, not a separator.
        {"trail byte 0x5C", "C:\\\x8A\x47\\\x95\x5C\x8E\x86.bmp", "C:\\絵\\表紙.bmp"},
        {"katakana ending in 0x5C", "\x83\x5C\x83\x74\x83\x67", "ソフト"},
        {"layer file path", "D:\\\x8D\xEC\x95\x69\\\x94\x4C.dbq", "D:\\作品\\猫.dbq"},
        {"half-width katakana", "\xB7\xAC\xDD\xBE\xD9", "ｷｬﾝｾﾙ"},
        {"comment of line 2", "20//Undo\x82\xCC\x89\xF1\x90\x94", "20//Undoの回数"},
        {"full-width forms of Windows", "\x81\x60\x81\x5F\x81\x7C\x81\x91\x81\x92", "～＼－￠￡"},
        {"NEC row 13", "\x87\x40\x87\x54\x87\x82\x87\x8A", "①Ⅰ№㈱"},
        {"IBM extensions", "\xFA\x40\xFA\x5C\xFB\xFC", "ⅰ纊髙"},
        {"user-defined area", "\xF0\x40\xF9\xFC", "\xEE\x80\x80\xEE\x9D\x97"},
    };
    return samples;
}

TEST(TextEncoding, Cp932DecodesToTheCharactersWindowsShows) {
    for (const Sample& s : Samples()) {
        EXPECT_EQ(Cp932ToUtf8(s.cp932), s.utf8) << s.name;
        EXPECT_EQ(DecodeTextFile(s.cp932), s.utf8) << s.name;
    }
}

TEST(TextEncoding, EncodesToTheBytesWindowsWrites) {
    for (const Sample& s : Samples()) {
        EXPECT_EQ(Utf8ToCp932(s.utf8), s.cp932) << s.name;
        EXPECT_EQ(EncodeTextFile(s.utf8), s.cp932) << s.name;
    }
}

// Characters with two or three codes: Windows picks the JIS code, then NEC row 13, then the
// IBM extension over the NEC-selected copy in rows 0xED-0xEE.
TEST(TextEncoding, DuplicatesEncodeToTheCodeWindowsPicks) {
    const struct {
        const char* utf8;
        std::string expected;
        std::string alsoDecoded;  // the codes that are read as the same character
    } cases[] = {
        {"≒", "\x81\xE0", "\x87\x90"},          {"∵", "\x81\xE6", "\x87\x9A\xFA\x5B"},
        {"￢", "\x81\xCA", "\xEE\xF9\xFA\x54"}, {"Ⅰ", "\x87\x54", "\xFA\x4A"},
        {"№", "\x87\x82", "\xFA\x59"},          {"ⅰ", "\xFA\x40", "\xEE\xEF"},
        {"纊", "\xFA\x5C", "\xED\x40"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.expected) << c.utf8;
        for (std::size_t i = 0; i < c.alsoDecoded.size(); i += 2)
            EXPECT_EQ(Cp932ToUtf8(c.alsoDecoded.substr(i, 2)), c.utf8) << c.utf8;
    }
}

// Whatever character a code reads as is written back as a code that reads as it again.
TEST(TextEncoding, EveryCharacterOfTheCodePageSurvivesARoundTrip) {
    int characters = 0;
    for (int b = 0; b < 256; ++b) {
        std::vector<std::string> codes;
        if (!cp932::IsLeadByte(static_cast<unsigned char>(b))) {
            codes.push_back(std::string(1, static_cast<char>(b)));
        } else {
            for (int t = 0; t < 256; ++t)
                if (cp932::TrailIndex(static_cast<unsigned char>(t)) >= 0)
                    codes.push_back({static_cast<char>(b), static_cast<char>(t)});
        }
        for (const std::string& code : codes) {
            const std::string text = Cp932ToUtf8(code);
            if (text == "\xEF\xBF\xBD") continue;  // no character
            ++characters;
            const std::optional<std::string> back = Utf8ToCp932(text);
            ASSERT_TRUE(back.has_value()) << std::hex << b;
            EXPECT_EQ(Cp932ToUtf8(*back), text) << std::hex << b;
            if (b == 0x5C) {
                EXPECT_EQ(*back, "\\");
            }
        }
    }
    // JIS X 0208, the extensions, the user-defined area, ASCII and half-width katakana.
    EXPECT_GT(characters, 9000);
}

TEST(TextEncoding, BytesThatAreNoCharacterBecomeReplacementsWithoutEatingLineEnds) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        const char* name;
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"lead byte before CR LF", "a\x88\r\nb", "a" + r + "\r\nb"},
        {"lead byte at the end", "a\x88", "a" + r},
        {"lead byte before a tab", "\x95\tx", r + "\tx"},
        {"unused single bytes", "\x80\xA0\xFD\xFE\xFF", r + r + r + r + r},
        {"unassigned pair", "\x85\x40z", r + "z"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cp932ToUtf8(c.bytes), c.utf8) << c.name;
}

TEST(TextEncoding, FilesThatAreUtf8AreTakenAsTheyAre) {
    const struct {
        const char* name;
        std::string bytes;
        bool utf8;
        std::string text;
    } cases[] = {
        {"Japanese path", "C:\\絵\\表紙.bmp", true, "C:\\絵\\表紙.bmp"},
        {"byte order mark dropped", "\xEF\xBB\xBFＤ:\\猫.bmp", true, "Ｄ:\\猫.bmp"},
        {"only a byte order mark", "\xEF\xBB\xBF", true, ""},
        {"empty", "", true, ""},
        {"beyond the BMP", "\xF0\xA0\xAE\xB7野家", true, "\xF0\xA0\xAE\xB7野家"},
        {"half-width katakana in code page 932", "\xB7\xAC\xDD\xBE\xD9", false, "ｷｬﾝｾﾙ"},
        // Not UTF-8, so code page 932: half-width katakana, a kanji, the user-defined area.
        {"overlong slash", "a\xC0\xAF", false, "aﾀｯ"},
        {"surrogate", "\xED\xA0\x80", false, "恝\xEF\xBF\xBD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false, "\xEE\x8C\xBF\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"cut short", "\xE7\xB5", false, "邨"},
        // A byte order mark says UTF-8 even when a sequence after it is broken.
        {"byte order mark before broken UTF-8",
         "\xEF\xBB\xBF"
         "a\x8AG",
         false, "a\xEF\xBF\xBDG"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.name;
        EXPECT_EQ(DecodeTextFile(c.bytes), c.text) << c.name;
    }
}

TEST(TextEncoding, TextWithACharacterOutsideTheCodePageIsWrittenAsUtf8) {
    const struct {
        const char* text;
        const char* readBack;
    } cases[] = {
        {"\xF0\xA0\xAE\xB7野家.bmp", "\xF0\xA0\xAE\xB7野家.bmp"},  // 𠮷, beyond the BMP
        {"C:\\한글\\a.bmp", "C:\\한글\\a.bmp"},
        {"café.bmp", "café.bmp"},
        // The yen sign has no code of its own: 0x5C would read back as a backslash.
        {"C:\\¥100.bmp", "C:\\¥100.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Utf8ToCp932(c.text).has_value()) << c.text;
        EXPECT_EQ(EncodeTextFile(c.text), c.text) << c.text;
        EXPECT_EQ(DecodeTextFile(EncodeTextFile(c.text)), c.readBack) << c.text;
    }
    EXPECT_FALSE(Utf8ToCp932("a\xFF").has_value());
    EXPECT_EQ(EncodeTextFile("a\xFF"), "a\xFF");
    // Text starting with U+FEFF keeps it: a byte order mark goes in front for the reader.
    const std::string bomLed =
        "\xEF\xBB\xBF"
        "a.bmp";
    EXPECT_EQ(EncodeTextFile(bomLed), "\xEF\xBB\xBF" + bomLed);
    EXPECT_EQ(DecodeTextFile(EncodeTextFile(bomLed)), bomLed);
}

}  // namespace
}  // namespace daub
