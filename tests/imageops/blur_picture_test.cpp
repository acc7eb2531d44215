#include "imageops/blur_picture.h"

#include <gtest/gtest.h>

#include <random>

#include "imageops/spray_blur.h"
#include "tests/tools/stroke_document.h"

namespace daub {
namespace {

using test::PaintPixel;
using test::PixelOf;

constexpr int kDisplay = LayerStack::kDisplaySlot, kComposite = LayerStack::kCompositeSlot,
              kLayer = LayerStack::kFirstLayer;
constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(BlurPicture, BlackLineOnWhiteTurnsWhite) {
    DocumentState doc = test::StrokeDocument(9, 6, kWhite);
    doc.drawColour = kBlack;
    doc.sprayStrength = 1;
    for (int y = 0; y < 6; ++y)
        for (int slot : {kDisplay, kLayer})
            PaintPixel(doc, slot, 4, y, kBlack);
    BlurPicture(doc);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(PixelOf(doc, kLayer, x, y), kWhite) << x << "," << y;
            EXPECT_EQ(PixelOf(doc, kDisplay, x, y), kWhite) << x << "," << y;
        }
}

TEST(BlurPicture, ReadsTheShownPictureAndWritesLayerAndDisplay) {
    // The display shows a picture the current layer does not hold (layers above it): the
    // blur of what is shown goes into both, the composite keeps the picture before the blur.
    DocumentState doc = test::StrokeDocument(5, 5, kWhite);
    doc.drawColour = 0x123456;
    doc.sprayStrength = 2;
    PaintPixel(doc, kDisplay, 2, 2, kBlack);
    FillBitmap(doc.layerStack->Bitmap(kLayer), MakeColour(0, 0, 255));
    LayerStack& stack = *doc.layerStack;
    FillBitmap(stack.Bitmap(LayerStack::kMaskSlot), 0xFFFFFF);
    StorePixel(ViewOf(stack, LayerStack::kMaskSlot, 0).At(0, 4), 0x000000);
    stack.maskEnabled = 1;
    BlurPicture(doc);
    const COLORREF mean9 = MakeColour(226, 226, 226);  // 8 x 255 / 9
    for (int slot : {kLayer, kDisplay}) {
        EXPECT_EQ(PixelOf(doc, slot, 2, 2), mean9) << slot;
        EXPECT_EQ(PixelOf(doc, slot, 1, 3), mean9) << slot;
        EXPECT_EQ(PixelOf(doc, slot, 0, 0), kWhite) << slot;
    }
    EXPECT_EQ(PixelOf(doc, kLayer, 0, 4), MakeColour(0, 0, 255));  // under the mask
    EXPECT_EQ(PixelOf(doc, kDisplay, 0, 4), kWhite);
    EXPECT_EQ(PixelOf(doc, kComposite, 2, 2), kBlack);
}

TEST(BlurPicture, EqualsTheSprayBlurOfTheWholeCanvas) {
    std::mt19937 rng(5);
    for (int i = 0; i < 20; ++i) {
        const int width = 1 + static_cast<int>(rng() % 25),
                  height = 1 + static_cast<int>(rng() % 25);
        DocumentState doc = test::StrokeDocument(width, height, kWhite);
        LayerStack& stack = *doc.layerStack;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int v = static_cast<int>(rng() % 3);
                PaintPixel(doc, kDisplay, x, y, MakeColour(v, v, 200));
                PaintPixel(doc, kLayer, x, y, rng() & 0xFFFFFF);
            }
        doc.drawColour = MakeColour(static_cast<int>(rng() % 3), 0, 200);
        doc.sprayStrength = static_cast<int>(rng() % 41);
        // The same blur, one target at a time, on a copy of the slots.
        DocumentState copy = test::StrokeDocument(width, height, kWhite);
        for (int slot : {kDisplay, kLayer})
            LayerStack::CopyBitmap(copy.layerStack->Bitmap(slot), stack.Bitmap(slot));
        BlurPicture(doc);
        LayerStack::CopyBitmap(copy.layerStack->Bitmap(kComposite),
                               copy.layerStack->Bitmap(kDisplay));
        for (int target : {kLayer, kDisplay})
            SprayBlur(*copy.layerStack, doc.drawColour, kComposite, width / 2, height / 2, width,
                      height, doc.sprayStrength, target, 0);
        for (int slot : {kDisplay, kLayer, kComposite})
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(PixelOf(doc, slot, x, y), PixelOf(copy, slot, x, y))
                        << width << "x" << height << " slot " << slot << " at " << x << "," << y;
    }
}

TEST(BlurPicture, WithoutADocumentNothingHappens) {
    DocumentState none;
    BlurPicture(none);  // no layer stack
    DocumentState empty;
    BuildLayerStack(empty);
    BlurPicture(empty);  // a stack without pixels
    EXPECT_EQ(empty.layerStack->Bitmap(kDisplay), nullptr);
    EXPECT_EQ(empty.layerStack->Bitmap(kComposite), nullptr);
}

}  // namespace
}  // namespace daub
