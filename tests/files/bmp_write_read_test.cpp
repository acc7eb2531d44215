// Writing slots as BMP files, reading them back, the pixel-only read of undo snapshots, and
// what the user sees when a read or a save fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "document/layer_stack.h"
#include "files/bmp_pixels.h"
#include "files/bmp_reader.h"
#include "files/bmp_writer.h"
#include "files/file_path.h"
#include "files/little_endian.h"
#include "tests/files/bmp_test_support.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RecordingSink;
using test::TempDir;
using test::TestCanvas;
using test::WriteBytes;

constexpr int kRange = LayerStack::kRangeSlot;

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Sorted names in a directory: a save must leave no temporary file behind.
std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectOneMessage(const RecordingSink& sink, const std::string& text, bool owned) {
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, text);
    EXPECT_EQ(sink.messages[0].caption, "error");
    EXPECT_EQ(sink.messages[0].ownedByWindow, owned);
}

TEST(BmpWrite, FileIsTheFixed24BitLayoutAndReadsBackByteForByte) {
    struct Case {
        int width, height, stride;
        std::uint32_t fileSize;
    };
    // Width 1 pads three pixel bytes to four; 47 is odd and needs three padding bytes.
    const Case cases[] = {{1, 3, 4, 66}, {5, 2, 16, 86}, {47, 33, 144, 4806}};
    std::mt19937 rng(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        TempDir dir;
        const std::string path = dir.File("out.bmp");
        TestCanvas canvas(c.width, c.height, {0});
        canvas.Randomise(0, rng);  // the padding too: it is written as it stands in memory
        RecordingSink sink;
        ASSERT_TRUE(WriteBitmapFile(sink, path, canvas.stack, 0, 0));

        std::vector<std::uint8_t> header{'B', 'M'};
        PutLE(header, c.fileSize, 4);
        PutLE(header, 0, 4);   // reserved
        PutLE(header, 54, 4);  // pixels right after the headers
        PutLE(header, 40, 4);
        PutLE(header, c.width, 4);
        PutLE(header, c.height, 4);  // positive: bottom-up
        PutLE(header, 1, 2);
        PutLE(header, 24, 2);
        PutLE(header, 0, 4);
        PutLE(header, c.stride * c.height, 4);
        PutLE(header, 4740, 4);
        PutLE(header, 4740, 4);
        PutLE(header, 0, 4);
        PutLE(header, 0, 4);
        const std::vector<std::uint8_t> file = ReadBytes(path);
        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(std::vector(file.begin(), file.begin() + 54), header);
        const std::vector<std::uint8_t> memory = canvas.Bytes(0);
        EXPECT_EQ(std::vector(file.begin() + 54, file.end()), memory);

        // Read back the way a layer file is: into the range slot, with its own format entry.
        const BitmapHandle read = ReadBitmapFile(sink, canvas.stack, path, kRange, 4);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(canvas.stack.Width(4), c.width);
        EXPECT_EQ(canvas.stack.Height(4), c.height);
        EXPECT_EQ(canvas.Bytes(kRange), memory);
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(BmpWrite, ReadFileIsWrittenBackAt4740PixelsPerMetre) {
    TempDir dir;
    test::BmpSpec file;
    file.width = 2;
    file.height = 2;
    file.pixelsPerMetre = 11811;
    file.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const std::vector<std::uint8_t> foreign = test::BuildBmp(file);
    WriteBytes(dir.File("in.bmp"), foreign);
    LayerStack stack(20);
    RecordingSink sink;
    ASSERT_NE(ReadBitmapFile(sink, stack, dir.File("in.bmp"), 0, 0), nullptr);
    ASSERT_TRUE(WriteBitmapFile(sink, dir.File("out.bmp"), stack, 0, 0));
    std::vector<std::uint8_t> expected = foreign;
    StoreU32(expected.data() + 38, 4740);
    StoreU32(expected.data() + 42, 4740);
    EXPECT_EQ(ReadBytes(dir.File("out.bmp")), expected);
}

// A failed read tells why in a box owned by the main window, and leaves the slot and its
// format entry exactly as they were.
TEST(BmpRead, RefusalShowsItsMessageAndChangesNothing) {
    TempDir dir;
    test::BmpSpec file;
    file.pixels = {0, 0, 0, 0};
    std::vector<std::uint8_t> lower = test::BuildBmp(file), swapped = lower;
    lower[0] = 'b';
    lower[1] = 'm';
    swapped[0] = 'M';
    swapped[1] = 'B';
    WriteBytes(dir.File("lower.bmp"), lower);
    WriteBytes(dir.File("swapped.bmp"), swapped);
    WriteBytes(dir.File("gif.bmp"), {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0, 0});
    WriteBytes(dir.File("empty.bmp"), {});
    fs::create_directory(dir.Path() / "folder.bmp");
    const std::string notFound = "ビットマップファイルが見つかりません。";
    const std::string notBitmap = "ビットマップファイルではありません。";
    const std::pair<std::string, std::string> cases[] = {
        {"", "No File!!"},
        {dir.File("missing.bmp"), notFound},
        {dir.File("folder.bmp"), notFound},
        {dir.File("lower.bmp"), notBitmap},
        {dir.File("swapped.bmp"), notBitmap},
        {dir.File("gif.bmp"), notBitmap},
        {dir.File("empty.bmp"), notBitmap},
        // The system would see the name only up to the NUL, and read lower.bmp.
        {dir.File("lower.bmp") + '\0' + ".x", notFound},
    };
    for (const auto& [path, text] : cases) {
        SCOPED_TRACE(path);
        TestCanvas canvas(3, 2, {0});
        canvas.Fill(0, 0x123456);
        const BitmapHandle before = canvas.stack.Bitmap(0);
        const SlotFormat* format = canvas.stack.Format(0);
        const std::vector<std::uint8_t> bytes = canvas.Bytes(0);
        RecordingSink sink;
        EXPECT_EQ(ReadBitmapFile(sink, canvas.stack, path, 0, 0), nullptr);
        ExpectOneMessage(sink, text, true);
        EXPECT_EQ(canvas.stack.Bitmap(0), before);
        EXPECT_EQ(canvas.stack.Format(0), format);
        EXPECT_EQ(canvas.stack.Width(0), 3);
        EXPECT_EQ(canvas.stack.Height(0), 2);
        EXPECT_EQ(canvas.Bytes(0), bytes);
    }
}

// Reading file after file into a slot of one size reuses memory; each read must still give
// exactly its own file, row padding included, and a refused one must leave the last picture.
TEST(BmpRead, ReadAfterReadIntoOneSizeGivesEachFileExactly) {
    TempDir dir;
    std::mt19937 rng(21);
    std::vector<std::vector<std::uint8_t>> pictures;
    for (const char* name : {"a.bmp", "b.bmp"}) {
        TestCanvas canvas(3, 2, {0});
        canvas.Randomise(0, rng);  // the padding too
        RecordingSink sink;
        ASSERT_TRUE(WriteBitmapFile(sink, dir.File(name), canvas.stack, 0, 0));
        pictures.push_back(canvas.Bytes(0));
    }
    // An 8-bit file: decoded row by row, which leaves the padding of the slot's rows alone.
    test::BmpSpec indexed;
    indexed.width = 3;
    indexed.height = 2;
    indexed.bitCount = 8;
    indexed.clrUsed = 2;
    indexed.palette = {0x0000FF, 0x00FF00};
    indexed.pixels = {1, 0, 1, 0, 0, 1, 0, 0};
    WriteBytes(dir.File("indexed.bmp"), test::BuildBmp(indexed));
    const std::vector<std::uint8_t> decoded = {0, 255, 0,   0, 0,   255, 0, 255, 0,   0, 0, 0,
                                               0, 0,   255, 0, 255, 0,   0, 0,   255, 0, 0, 0};
    WriteBytes(dir.File("bad.bmp"), {'B', 'M', 0, 0});
    const std::pair<const char*, const std::vector<std::uint8_t>*> steps[] = {
        {"a.bmp", &pictures[0]},  {"b.bmp", &pictures[1]}, {"indexed.bmp", &decoded},
        {"bad.bmp", nullptr},     {"a.bmp", &pictures[0]}, {"b.bmp", &pictures[1]},
        {"indexed.bmp", &decoded}};
    TestCanvas canvas(3, 2, {0});
    std::vector<std::uint8_t> shown = canvas.Bytes(0);
    for (const auto& [name, picture] : steps) {
        RecordingSink sink;
        const BitmapHandle read = ReadBitmapFile(sink, canvas.stack, dir.File(name), 0, 0);
        EXPECT_EQ(read != nullptr, picture != nullptr) << name;
        if (picture) shown = *picture;
        EXPECT_EQ(canvas.Bytes(0), shown) << name;
        EXPECT_EQ(std::pair(canvas.stack.Width(0), canvas.stack.Height(0)), std::pair(3, 2));
    }
}

TEST(BmpWrite, NothingToWriteIsRefusedWithoutAMessage) {
    TempDir dir;
    TestCanvas canvas(3, 2, {0});
    struct Case {
        const char* what;
        std::string path;
        int slot, entry;
    };
    const Case cases[] = {
        {"no path", "", 0, 0},
        {"no format record", dir.File("a.bmp"), 0, 7},
        {"no pixel memory", dir.File("b.bmp"), 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSink sink;
        EXPECT_FALSE(WriteBitmapFile(sink, c.path, canvas.stack, c.slot, c.entry));
        EXPECT_TRUE(sink.messages.empty());
    }
    EXPECT_TRUE(Listing(dir.Path()).empty());
}

// A failed save says so in a free-standing box, keeps whatever was at the path, and leaves no
// temporary file beside it.
TEST(BmpWrite, FailedSaveReportsAndKeepsTheOldFile) {
    TempDir dir;
    const std::vector<std::uint8_t> old(100, 0x42);
    WriteBytes(dir.File("old.bmp"), old);
    fs::create_directory(dir.Path() / "folder.bmp");
    TestCanvas canvas(3, 2, {0});
    // A slot whose bitmap no longer has the size of its format entry.
    TestCanvas stale(3, 2, {0});
    stale.stack.DefineFormat(0, 4, 4);
    struct Case {
        const char* what;
        const LayerStack& stack;
        std::string path;
    };
    const Case cases[] = {
        {"missing directory", canvas.stack, dir.File("nowhere/x.bmp")},
        {"path is a directory", canvas.stack, dir.File("folder.bmp")},
        {"slot and format disagree", stale.stack, dir.File("old.bmp")},
        {"NUL in the name", canvas.stack, dir.File("old.bmp") + '\0' + ".x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSink sink;
        EXPECT_FALSE(WriteBitmapFile(sink, c.path, c.stack, 0, 0));
        ExpectOneMessage(sink, "保存に失敗しました。", false);
    }
    EXPECT_EQ(ReadBytes(dir.File("old.bmp")), old);
    EXPECT_TRUE(fs::is_empty(dir.Path() / "folder.bmp"));
    EXPECT_EQ(Listing(dir.Path()), (std::vector<std::string>{"folder.bmp", "old.bmp"}));
}

TEST(BmpWrite, UnwritableFolderKeepsTheOldFile) {
    TempDir dir;
    const std::vector<std::uint8_t> old(100, 0x42);
    WriteBytes(dir.File("old.bmp"), old);
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(dir.Path(), writable, fs::perm_options::remove);
    // Where permissions do not stop the owner (root, Windows) there is nothing to check.
    const bool locked = !std::ofstream(dir.Path() / "probe");
    if (locked) {
        TestCanvas canvas(3, 2, {0});
        RecordingSink sink;
        EXPECT_FALSE(WriteBitmapFile(sink, dir.File("old.bmp"), canvas.stack, 0, 0));
        ExpectOneMessage(sink, "保存に失敗しました。", false);
    }
    fs::permissions(dir.Path(), writable, fs::perm_options::add);
    if (!locked) GTEST_SKIP() << "permissions do not stop this user from writing";
    EXPECT_EQ(ReadBytes(dir.File("old.bmp")), old);
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"old.bmp"});
}

TEST(BmpWrite, SaveReplacesAnOlderFileUnderAJapaneseName) {
    TempDir dir;
    const std::string name = "新しい画像 (1).bmp";
    const std::string path = dir.File(name);
    WriteBytes(path, std::vector<std::uint8_t>(500, 0x11));  // older and longer
    std::mt19937 rng(3);
    TestCanvas canvas(5, 4, {0});
    canvas.Randomise(0, rng);
    RecordingSink sink;
    ASSERT_TRUE(WriteBitmapFile(sink, path, canvas.stack, 0, 0));
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{name});
    EXPECT_EQ(ReadBytes(path).size(), 54u + 16 * 4);
    ASSERT_NE(ReadBitmapFile(sink, canvas.stack, path, kRange, 4), nullptr);
    EXPECT_EQ(canvas.Bytes(kRange), canvas.Bytes(0));
    EXPECT_TRUE(sink.messages.empty());
}

// Undo snapshots: the bytes after the 54-byte header go into the slot, as many as the file
// holds; the rest of the slot keeps its content.
TEST(BmpPixels, ReadsTheBytesTheFileHasAndKeepsTheRest) {
    TempDir dir;
    std::mt19937 rng(11);
    TestCanvas canvas(5, 3, {0, 1});  // stride 16: 48 bytes
    canvas.Randomise(0, rng);
    RecordingSink sink;
    const std::string full = dir.File("full.bmp");
    ASSERT_TRUE(WriteBitmapFile(sink, full, canvas.stack, 0, 0));
    const std::vector<std::uint8_t> file = ReadBytes(full);
    ASSERT_EQ(file.size(), 54u + 48);
    auto cut = [&](const char* name, std::size_t size) {
        WriteBytes(dir.File(name), {file.begin(), file.begin() + size});
        return dir.File(name);
    };
    struct Case {
        const char* what;
        std::string path;
        bool complete;
        std::size_t present;
    };
    const Case cases[] = {
        {"whole file", full, true, 48},
        {"cut inside the pixels", cut("short.bmp", 54 + 20), false, 20},
        {"cut inside the header", cut("header.bmp", 30), false, 0},
        {"missing file", dir.File("missing.bmp"), false, 0},
        {"no path", "", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::fill_n(canvas.stack.Bits(1), 48, 0xA5);
        EXPECT_EQ(ReadBitmapPixels(c.path, canvas.stack, 1, 0), c.complete);
        std::vector<std::uint8_t> expected(48, 0xA5);
        std::copy_n(file.begin() + 54, c.present, expected.begin());
        EXPECT_EQ(canvas.Bytes(1), expected);
    }
}

}  // namespace
}  // namespace daub
