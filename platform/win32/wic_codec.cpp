#include "platform/win32/wic_codec.h"

#include "platform/win32/win32_api.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <new>

namespace daub {
namespace {

using Microsoft::WRL::ComPtr;

// Rows are converted a band at a time, so the 32-bit copy never needs the whole picture.
constexpr UINT kBandRows = 64;

// COM for the length of one call, whatever the thread had before.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

ComPtr<IWICImagingFactory> MakeFactory() {
    ComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(&factory));
    return factory;
}

DecodedPicture Failed(PictureProblem problem) {
    DecodedPicture failed;
    failed.problem = problem;
    return failed;
}

// Straight alpha over white, rounded.
std::uint8_t OverWhite(std::uint8_t colour, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Copies the source's rows top-down into the picture's bottom-up 24-bit rows.
bool CopyRows(IWICBitmapSource* source, DecodedPicture& picture) {
    const UINT width = static_cast<UINT>(picture.width);
    const UINT height = static_cast<UINT>(picture.height);
    const std::size_t stride = (3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> band(4 * static_cast<std::size_t>(width) * kBandRows);
    for (UINT top = 0; top < height; top += kBandRows) {
        const UINT rows = std::min(kBandRows, height - top);
        const WICRect rect = {0, static_cast<INT>(top), static_cast<INT>(width),
                              static_cast<INT>(rows)};
        if (FAILED(source->CopyPixels(&rect, 4 * width, static_cast<UINT>(4 * width * rows),
                                      band.data())))
            return false;
        for (UINT r = 0; r < rows; ++r) {
            const std::uint8_t* in = band.data() + 4 * static_cast<std::size_t>(width) * r;
            std::uint8_t* out = picture.bits.data() + stride * (height - 1 - (top + r));
            for (UINT x = 0; x < width; ++x, in += 4, out += 3) {
                out[0] = OverWhite(in[0], in[3]);
                out[1] = OverWhite(in[1], in[3]);
                out[2] = OverWhite(in[2], in[3]);
            }
        }
    }
    return true;
}

DecodedPicture DecodeFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame,
                           const PictureLimits& limits) {
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height))) return Failed(PictureProblem::kDamaged);
    if (!limits.Fits(width, height)) return Failed(PictureProblem::kTooLarge);
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0, WICBitmapPaletteTypeCustom)))
        return Failed(PictureProblem::kDamaged);
    DecodedPicture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    try {
        picture.bits.assign(((3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3}) * height,
                            0);
        if (!CopyRows(converter.Get(), picture)) return Failed(PictureProblem::kDamaged);
    } catch (const std::bad_alloc&) {
        return Failed(PictureProblem::kNoMemory);
    }
    return picture;
}

// Every row, top first, through the frame; the pixels are the caller's bottom-up rows.
bool WriteFrame(IWICBitmapFrameEncode* frame, const PixelImage& picture) {
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->Initialize(nullptr)) ||
        FAILED(
            frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height))) ||
        FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
        return false;
    for (int y = 0; y < picture.height; ++y) {
        const BYTE* row =
            picture.bits + static_cast<std::size_t>(picture.stride) * (picture.height - 1 - y);
        if (FAILED(frame->WritePixels(1, static_cast<UINT>(picture.stride),
                                      static_cast<UINT>(picture.stride), const_cast<BYTE*>(row))))
            return false;
    }
    return SUCCEEDED(frame->Commit());
}

std::vector<std::uint8_t> StreamBytes(IStream* stream) {
    STATSTG stat = {};
    LARGE_INTEGER start = {};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) ||
        FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)))
        return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    ULONG read = 0;
    if (FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
        read != bytes.size())
        return {};
    return bytes;
}

}  // namespace

DecodedPicture WicCodec::Decode(std::span<const std::uint8_t> file, const PictureLimits& limits) {
    const ComScope com;
    ComPtr<IWICImagingFactory> factory = MakeFactory();
    ComPtr<IWICStream> stream;
    if (!factory || file.size() > MAXDWORD || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()),
                                            static_cast<DWORD>(file.size()))))
        return Failed(PictureProblem::kNoMemory);
    ComPtr<IWICBitmapDecoder> decoder;
    const HRESULT opened = factory->CreateDecoderFromStream(
        stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
    if (opened == WINCODEC_ERR_COMPONENTNOTFOUND) return Failed(PictureProblem::kNotPicture);
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(opened) || FAILED(decoder->GetFrame(0, &frame)))
        return Failed(PictureProblem::kDamaged);
    return DecodeFrame(factory.Get(), frame.Get(), limits);
}

std::vector<std::uint8_t> WicCodec::EncodePng(const PixelImage& picture) {
    if (!picture.bits || picture.width <= 0 || picture.height <= 0) return {};
    const ComScope com;
    ComPtr<IWICImagingFactory> factory = MakeFactory();
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    if (!factory || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, nullptr)) || !WriteFrame(frame.Get(), picture) ||
        FAILED(encoder->Commit()))
        return {};
    return StreamBytes(stream.Get());
}

}  // namespace daub
