// Pictures other than BMP through the file commands, on the headless backend's PNG codec.
#include <gtest/gtest.h>

#if DAUBIX_HAVE_PNG

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "files/bmp_messages.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

// A PNG made by libpng from top-down pixels of the given format.
std::vector<std::uint8_t> MakePng(int width, int height, png_uint_32 format,
                                  const std::vector<std::uint8_t>& pixels,
                                  const std::vector<std::uint8_t>& colourMap = {}) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    image.colormap_entries = static_cast<png_uint_32>(colourMap.size() / 4);
    const void* map = colourMap.empty() ? nullptr : colourMap.data();
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, map));
    std::vector<std::uint8_t> file(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, file.data(), &size, 0, pixels.data(), 0, map));
    return file;
}

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Open(RunningApp& run, const std::string& path) {
    run.platform.fileNameAnswers.push_back(path);
    run.platform.SendCommand(run.MainHandle(), cmd::kOpenBitmap);
}

std::vector<COLORREF> ShownRows(RunningApp& run) {
    const ConstSlotView view = ViewOf(*run.Doc().layerStack, LayerStack::kDisplaySlot, 0);
    std::vector<COLORREF> colours;
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x)
            colours.push_back(LoadPixel(view.At(x, y)));
    return colours;
}

std::string LastMessage(RunningApp& run) {
    const auto& boxes = run.platform.MessageBoxes();
    return boxes.empty() ? std::string() : boxes.back().text;
}

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF,
                   kBlack = 0x000000;

// Each layout a PNG file may hold opens as its colours, transparency over white.
TEST(PictureFiles, PngFilesOfEveryLayoutOpenAsTheirColours) {
    const std::uint16_t full = 0xFFFF;
    std::vector<std::uint8_t> wide(2 * 4 * 2);
    const std::uint16_t deep[] = {full, 0, 0, full, 0, 0, full, 0};  // red, then transparent
    std::memcpy(wide.data(), deep, sizeof deep);
    struct Case {
        const char* name;
        png_uint_32 format;
        std::vector<std::uint8_t> pixels;
        std::vector<std::uint8_t> colourMap;
        std::vector<COLORREF> shown;  // top row first
    } cases[] = {
        {"rgb",
         PNG_FORMAT_RGB,
         {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9},
         {},
         {kRed, kGreen, kBlue, 0x090909}},
        {"16-bit with alpha", PNG_FORMAT_LINEAR_RGB_ALPHA, wide, {}, {kRed, kWhite}},
        {"palette with a transparent entry",
         PNG_FORMAT_RGBA_COLORMAP,
         {0, 1, 1, 0},
         {0, 0, 255, 255, 0, 0, 0, 0},
         {kBlue, kWhite, kWhite, kBlue}},
        {"grey with alpha", PNG_FORMAT_GA, {0, 255, 200, 0}, {}, {kBlack, kWhite}},
    };
    for (const Case& c : cases) {  // every picture two pixels wide
        RunningApp run;
        const std::string path = run.installation.root.File("p.png");
        const int height = static_cast<int>(c.shown.size()) / 2;
        test::WriteBytes(path, MakePng(2, height, c.format, c.pixels, c.colourMap));
        Open(run, path);
        ASSERT_TRUE(run.Doc().HasDocument()) << c.name << ": " << LastMessage(run);
        EXPECT_EQ(ShownRows(run), c.shown) << c.name;
        EXPECT_EQ(run.Doc().fileName, path) << c.name;
    }
}

// A file that is not a picture, or a picture that cannot be had, changes nothing and says why.
TEST(PictureFiles, BadPicturesAreRefusedWithTheReadingMessages) {
    const std::vector<std::uint8_t> good = MakePng(2, 1, PNG_FORMAT_RGB, {1, 2, 3, 4, 5, 6});
    std::vector<std::uint8_t> corrupt = good;
    corrupt[corrupt.size() - 20] ^= 0xFF;  // inside the pixel data: its checksum fails
    const std::vector<std::uint8_t> huge(3 * 40000, 0);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"text", {'h', 'e', 'l', 'l', 'o'}, kBmpNotBitmapText},
        {"png cut short", {good.begin(), good.begin() + 40}, kBmpDamagedText},
        {"png damaged", corrupt, kBmpDamagedText},
        {"wider than a slot", MakePng(40000, 1, PNG_FORMAT_RGB, huge), kBmpTooLargeText},
    };
    for (const Case& c : cases) {
        RunningApp run;
        run.New("3", "2");
        const std::string path = run.installation.root.File("bad.png");
        test::WriteBytes(path, c.bytes);
        Open(run, path);
        EXPECT_EQ(LastMessage(run), c.message) << c.name;
        EXPECT_EQ(run.Doc().layerStack->Width(0), 3) << c.name;
    }
}

// A name ending ".png" saves a PNG that opens as the same pixels and is a recent picture;
// any other name still saves BMP.
TEST(PictureFiles, SavingUnderAPngNameWritesAPngThatOpensTheSame) {
    RunningApp run;
    const std::string source = run.installation.root.File("source.png");
    test::WriteBytes(source,
                     MakePng(3, 2, PNG_FORMAT_RGB,
                             {255, 0, 0, 0, 255, 0, 0, 0, 255, 7, 8, 9, 1, 2, 3, 250, 0, 5}));
    Open(run, source);
    const std::vector<COLORREF> opened = ShownRows(run);
    const std::string copy = run.installation.root.File("copy.png");
    const std::string bitmap = run.installation.root.File("copy.bmp");
    run.platform.fileNameAnswers.push_back(bitmap);
    run.platform.SendCommand(run.MainHandle(), cmd::kSaveBitmapAs);
    run.platform.fileNameAnswers.push_back(copy);
    run.platform.SendCommand(run.MainHandle(), cmd::kSaveBitmapAs);
    EXPECT_EQ(Bytes(bitmap).at(0), 'B');
    EXPECT_EQ(Bytes(copy).at(1), 'P');
    EXPECT_EQ(run.platform.FileDialogs().back().request.filter,
              "ビットマップファイル |*.bmp|PNG ファイル |*.png|");
    Open(run, copy);
    EXPECT_EQ(run.Doc().fileName, copy);
    EXPECT_EQ(ShownRows(run), opened);
    const auto recent = run.platform.MenuItem(run.MainHandle(), 40037);
    ASSERT_TRUE(recent.has_value());
    EXPECT_EQ(recent->text, "1 " + copy);
}

// Dropped PNG files open and stack as layers like BMP files.
TEST(PictureFiles, DroppedPngFilesOpenAndStack) {
    RunningApp run;
    std::vector<std::string> paths;
    for (const char* name : {"a.png", "b.png"}) {
        paths.push_back(run.installation.root.File(name));
        const std::uint8_t level = name[0] == 'a' ? 0 : 255;
        test::WriteBytes(paths.back(), MakePng(1, 1, PNG_FORMAT_RGB, {level, level, 255}));
    }
    EXPECT_TRUE(run.platform.DropFiles(run.MainHandle(), paths));
    ASSERT_TRUE(run.Doc().HasDocument()) << LastMessage(run);
    EXPECT_EQ(run.Doc().lastLayer, LayerStack::kFirstLayer + 1);
    EXPECT_EQ(ShownRows(run), std::vector<COLORREF>{kWhite});
}

}  // namespace
}  // namespace daub

#endif
