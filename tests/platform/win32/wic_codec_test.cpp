// The Windows Imaging Component behind the picture files: files made by its own encoders (or
// written byte by byte) decode to the expected 24-bit pixels.
#include <gtest/gtest.h>

#include "platform/win32/win32_api.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <vector>

#include "platform/win32/wic_codec.h"

namespace daub {
namespace {

using Microsoft::WRL::ComPtr;

constexpr PictureLimits kRoomy{32767, std::size_t{1} << 29};

// The picture's rows (top first) encoded by WIC in the container, from the pixel format.
std::vector<std::uint8_t> Encode(const GUID& container, WICPixelFormatGUID format, int width,
                                 int height, int bytesPerPixel,
                                 const std::vector<std::uint8_t>& rows) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    const UINT stride = static_cast<UINT>(width * bytesPerPixel);
    EXPECT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_PPV_ARGS(&factory))) &&
                SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
                SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
                SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
                SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
                SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
                SUCCEEDED(frame->SetPixelFormat(&format)) &&
                SUCCEEDED(frame->WritePixels(height, stride, stride * height,
                                             const_cast<BYTE*>(rows.data()))) &&
                SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()));
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER start = {};
    ULONG read = 0;
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    return bytes;
}

// A 2 x 2 GIF: red, green on top, blue, white below; codes stay 3 bits by clearing often.
const std::vector<std::uint8_t> kGif = {'G',  'I',  'F',  '8',  '9',  'a',  2,    0, 2,   0, 0x81,
                                        0,    0,    0xFF, 0,    0,    0,    0xFF, 0, 0,   0, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0x2C, 0,    0,    0,    0, 2,   0, 2,
                                        0,    0,    2,    3,    0x44, 0xA8, 0x15, 0, 0x3B};

// A 2 x 1 icon of 32-bit pixels: opaque red, then fully transparent blue.
// clang-format off
const std::vector<std::uint8_t> kIcon = {
    0, 0, 1, 0, 1, 0,                                   // icon directory, one image
    2, 1, 0, 0, 1, 0, 32, 0, 52, 0, 0, 0, 22, 0, 0, 0,  // 2 x 1, 32 bits, 52 bytes at 22
    40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0,   // header: height doubled for the mask
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 255, 255, 255, 0, 0, 0,                       // the pixels
    0, 0, 0, 0};                                        // the mask row
// clang-format on

// Blue, green, red of the pixel at (x, y), y counted from the top.
std::vector<int> At(const DecodedPicture& picture, int x, int y) {
    const std::size_t stride = (3 * static_cast<std::size_t>(picture.width) + 3) & ~std::size_t{3};
    const std::uint8_t* p = &picture.bits[stride * (picture.height - 1 - y) + 3 * x];
    return {p[0], p[1], p[2]};
}

// Within what a JPEG at its default quality keeps of a flat colour.
bool Near(const std::vector<int>& got, const std::vector<int>& want) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(got[i] - want[i]) > 24) return false;
    return true;
}

TEST(WicCodec, FilesOfEachFormatDecodeToTheirPixelsOverWhite) {
    std::vector<std::uint8_t> blocks(16 * 8 * 3), grey(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            blocks[3 * (16 * y + x) + (x < 8 ? 2 : 0)] = 255;  // red left, blue right
            grey[16 * y + x] = x < 8 ? 40 : 200;
        }
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        int width, height;
        std::vector<std::vector<int>> samples;  // (x, y) then blue, green, red
    } cases[] = {
        {"jpeg",
         Encode(GUID_ContainerFormatJpeg, GUID_WICPixelFormat24bppBGR, 16, 8, 3, blocks),
         16,
         8,
         {{3, 4, 0, 0, 255}, {12, 4, 255, 0, 0}}},
        {"png with alpha",
         Encode(GUID_ContainerFormatPng, GUID_WICPixelFormat32bppBGRA, 2, 1, 4,
                {0, 0, 255, 128, 10, 20, 30, 0}),
         2,
         1,
         {{0, 0, 127, 127, 255}, {1, 0, 255, 255, 255}}},
        {"grey jpeg",
         Encode(GUID_ContainerFormatJpeg, GUID_WICPixelFormat8bppGray, 16, 8, 1, grey),
         16,
         8,
         {{3, 4, 40, 40, 40}, {12, 4, 200, 200, 200}}},
        {"tiff",
         Encode(GUID_ContainerFormatTiff, GUID_WICPixelFormat24bppBGR, 16, 8, 3, blocks),
         16,
         8,
         {{3, 4, 0, 0, 255}, {12, 4, 255, 0, 0}}},
        {"icon", kIcon, 2, 1, {{0, 0, 0, 0, 255}, {1, 0, 255, 255, 255}}},
        {"gif", kGif, 2, 2, {{0, 0, 0, 0, 255}, {1, 0, 0, 255, 0}, {0, 1, 255, 0, 0}}},
    };
    WicCodec codec;
    for (const Case& c : cases) {
        const DecodedPicture picture = codec.Decode(c.file, kRoomy);
        ASSERT_EQ(picture.problem, PictureProblem::kNone) << c.name;
        ASSERT_EQ(picture.width, c.width) << c.name;
        ASSERT_EQ(picture.height, c.height) << c.name;
        for (const auto& s : c.samples)
            EXPECT_TRUE(Near(At(picture, s[0], s[1]), {s[2], s[3], s[4]}))
                << c.name << " at " << s[0] << ", " << s[1] << ": "
                << testing::PrintToString(At(picture, s[0], s[1]));
    }
}

// What the program saves as PNG opens as exactly the same pixels, padding aside.
TEST(WicCodec, PngSavedThenOpenedGivesTheSamePixels) {
    const int width = 5, height = 3, stride = 16;
    std::vector<std::uint8_t> bits(stride * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            bits[stride * y + x] = static_cast<std::uint8_t>(37 * x + 101 * y);
    WicCodec codec;
    const std::vector<std::uint8_t> file = codec.EncodePng({bits.data(), width, height, stride});
    ASSERT_GT(file.size(), 8u);
    const DecodedPicture picture = codec.Decode(file, kRoomy);
    ASSERT_EQ(picture.problem, PictureProblem::kNone);
    EXPECT_EQ(picture.bits, bits);
}

TEST(WicCodec, BadFilesAreRefusedWithTheirReason) {
    WicCodec codec;
    const std::vector<std::uint8_t> png =
        Encode(GUID_ContainerFormatPng, GUID_WICPixelFormat24bppBGR, 16, 8, 3,
               std::vector<std::uint8_t>(16 * 8 * 3, 50));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        PictureLimits limits;
        PictureProblem problem;
    } cases[] = {
        {"text",
         {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'},
         kRoomy,
         PictureProblem::kNotPicture},
        {"png cut short", {png.begin(), png.begin() + 45}, kRoomy, PictureProblem::kDamaged},
        {"beyond the limits", png, {10, std::size_t{1} << 29}, PictureProblem::kTooLarge},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codec.Decode(c.file, c.limits).problem, c.problem) << c.name;
}

}  // namespace
}  // namespace daub
