#include "files/bmp_rle.h"

#include <algorithm>
#include <cstring>

namespace daub {
namespace {

// The write position in the slot, clipped to the picture: pixels past the right edge are
// dropped, and once the position is above the top row the picture is done.
class RleCanvas {
  public:
    RleCanvas(std::uint8_t* dst, int stride, int width, int height)
        : dst_(dst), stride_(stride), width_(width), height_(height) {}

    bool Done() const { return y_ >= height_; }

    void Put(const std::uint8_t* bgr) {
        if (x_ >= width_ || Done()) return;
        std::memcpy(dst_ + static_cast<std::size_t>(y_) * stride_ + 3 * x_, bgr, 3);
        ++x_;
    }

    void EndLine() {
        x_ = 0;
        ++y_;
    }

    void Move(int dx, int dy) {
        x_ = std::min(x_ + dx, width_);
        y_ = std::min(y_ + dy, height_);
    }

  private:
    std::uint8_t* dst_;
    int stride_, width_, height_;
    int x_ = 0, y_ = 0;
};

class RleDecoder {
  public:
    RleDecoder(const BmpLayout& layout, std::span<const std::uint8_t> data, RleCanvas& canvas)
        : layout_(layout), data_(data), canvas_(canvas) {}

    void Run() {
        while (!canvas_.Done() && Has(2)) {
            const std::uint8_t count = data_[pos_];
            const std::uint8_t code = data_[pos_ + 1];
            if (count > 0) {
                if (!EncodedRun(count)) return;
                continue;
            }
            pos_ += 2;
            if (code == 1) return;  // end of bitmap
            if (code == 0) {
                canvas_.EndLine();
            } else if (code == 2) {
                if (!Has(2)) return;
                canvas_.Move(data_[pos_], data_[pos_ + 1]);
                pos_ += 2;
            } else {
                AbsoluteRun(code);
            }
        }
    }

  private:
    bool Has(std::size_t n) const { return data_.size() - pos_ >= n; }

    const std::uint8_t* Colour(unsigned index) const { return layout_.palette.data() + 3 * index; }

    // count pixels of one colour (RLE4: of two colours taking turns).
    bool EncodedRun(int count) {
        const std::uint8_t value = data_[pos_ + 1];
        if (layout_.encoding == BmpEncoding::Rle24) {
            if (!Has(4)) return false;
            const std::uint8_t* bgr = data_.data() + pos_ + 1;
            for (int i = 0; i < count; ++i)
                canvas_.Put(bgr);
            pos_ += 4;
            return true;
        }
        for (int i = 0; i < count; ++i) {
            if (layout_.encoding == BmpEncoding::Rle4)
                canvas_.Put(Colour(i % 2 == 0 ? value >> 4 : value & 0x0F));
            else
                canvas_.Put(Colour(value));
        }
        pos_ += 2;
        return true;
    }

    // count literal pixels, padded to a whole number of 16-bit words. Only the pixels whose
    // bytes are in the data are drawn.
    void AbsoluteRun(int count) {
        const std::size_t bytes = LiteralBytes(count);
        const std::size_t present = std::min(bytes, data_.size() - pos_);
        const std::size_t drawn = std::min(static_cast<std::size_t>(count), PixelsIn(present));
        const std::uint8_t* p = data_.data() + pos_;
        for (std::size_t i = 0; i < drawn; ++i)
            canvas_.Put(LiteralPixel(p, i));
        pos_ += std::min(bytes + (bytes & 1), data_.size() - pos_);
    }

    std::size_t LiteralBytes(int count) const {
        const std::size_t n = static_cast<std::size_t>(count);
        if (layout_.encoding == BmpEncoding::Rle4) return (n + 1) / 2;
        return layout_.encoding == BmpEncoding::Rle24 ? 3 * n : n;
    }

    std::size_t PixelsIn(std::size_t bytes) const {
        if (layout_.encoding == BmpEncoding::Rle4) return 2 * bytes;
        return layout_.encoding == BmpEncoding::Rle24 ? bytes / 3 : bytes;
    }

    const std::uint8_t* LiteralPixel(const std::uint8_t* p, std::size_t i) const {
        if (layout_.encoding == BmpEncoding::Rle24) return p + 3 * i;
        if (layout_.encoding == BmpEncoding::Rle4)
            return Colour(i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 0x0F);
        return Colour(p[i]);
    }

    const BmpLayout& layout_;
    std::span<const std::uint8_t> data_;
    RleCanvas& canvas_;
    std::size_t pos_ = 0;
};

}  // namespace

void DecodeRle(const BmpLayout& layout, std::span<const std::uint8_t> data, std::uint8_t* dst,
               int dstStride) {
    std::memset(dst, 0, static_cast<std::size_t>(dstStride) * layout.height);
    RleCanvas canvas(dst, dstStride, layout.width, layout.height);
    RleDecoder(layout, data, canvas).Run();
}

}  // namespace daub
