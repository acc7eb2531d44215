#include "imageops/spray_tool.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "imageops/spray_blend.h"
#include "imageops/spray_blur.h"
#include "imageops/spray_noise.h"
#include "tests/tools/stroke_document.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::PaintPixel;
using test::PixelOf;

constexpr int kDisplay = LayerStack::kDisplaySlot, kComposite = LayerStack::kCompositeSlot,
              kLayer = LayerStack::kFirstLayer;
constexpr int kBlur = 0, kBlend = 1, kNoise = 2;
constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = MakeColour(255, 0, 0);

DocumentState SprayDocument(int kind, int size, int strength, COLORREF paper) {
    DocumentState doc = test::StrokeDocument(16, 16, paper);
    doc.sprayKind = kind;
    doc.spraySize = size;
    doc.sprayStrength = strength;
    doc.drawColour = kRed;
    doc.secondColour = MakeColour(0, 0, 255);
    doc.leftDragging = 1;
    return doc;
}

std::vector<COLORREF> Row(const DocumentState& doc, int slot, int y) {
    std::vector<COLORREF> row;
    for (int x = 0; x < doc.layerStack->Width(0); ++x)
        row.push_back(PixelOf(doc, slot, x, y));
    return row;
}

TEST(SprayTool, BlendCoversTheSquareInLayerAndDisplay) {
    DocumentState doc = SprayDocument(kBlend, 4, 125, kBlack);
    NoiseGenerator noise;
    EXPECT_TRUE(SprayTool(doc, noise, 8, 8, ToolPhase::LeftPress));
    const test::PointSet square = test::Block(6, 6, 9, 9);
    for (int slot : {kLayer, kDisplay}) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                EXPECT_EQ(PixelOf(doc, slot, x, y),
                          square.count({x, y}) ? MakeColour(124, 0, 0) : kBlack)
                    << slot << " " << x << "," << y;
    }
}

TEST(SprayTool, BlurAndBlendDoNotCompoundWithinAStroke) {
    for (int kind : {kBlur, kBlend}) {
        DocumentState doc = SprayDocument(kind, 3, kind == kBlur ? 4 : 125, kWhite);
        for (int x = 0; x < 16; ++x)
            for (int slot : {kDisplay, kLayer})
                PaintPixel(doc, slot, x, 8, MakeColour(0, 0, 40));
        NoiseGenerator noise;
        SprayTool(doc, noise, 8, 8, ToolPhase::LeftPress);
        const auto once = Row(doc, kDisplay, 8);
        const auto onceAbove = Row(doc, kDisplay, 7);
        EXPECT_NE(once, std::vector<COLORREF>(16, MakeColour(0, 0, 40))) << kind;
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(SprayTool(doc, noise, 8, 8, ToolPhase::LeftDrag));
        EXPECT_EQ(Row(doc, kDisplay, 8), once) << kind;
        EXPECT_EQ(Row(doc, kDisplay, 7), onceAbove) << kind;
        EXPECT_EQ(Row(doc, kLayer, 8), once) << kind;
        EXPECT_EQ(noise.State(), 1u) << "blur and blend draw no random numbers";
    }
}

TEST(SprayTool, BlurLeavesTheSprayColourOut) {
    // A red line on white under the red blur: red counts in no average, so it turns white.
    DocumentState doc = SprayDocument(kBlur, 16, 2, kWhite);
    for (int x = 0; x < 16; ++x)
        for (int slot : {kDisplay, kLayer})
            PaintPixel(doc, slot, x, 5, kRed);
    NoiseGenerator noise;
    SprayTool(doc, noise, 8, 8, ToolPhase::LeftPress);
    EXPECT_EQ(Row(doc, kLayer, 5), std::vector<COLORREF>(16, kWhite));
    EXPECT_EQ(Row(doc, kDisplay, 5), std::vector<COLORREF>(16, kWhite));
}

TEST(SprayTool, NoiseIsFreshOnEveryEventAndAlikeInLayerAndDisplay) {
    DocumentState doc = SprayDocument(kNoise, 2, 80, kWhite);
    doc.drawColour = MakeColour(128, 128, 128);
    NoiseGenerator noise;
    SprayTool(doc, noise, 8, 8, ToolPhase::LeftPress);
    // The square (7..8, 7..8) in row order gets the generator's first four values.
    NoiseGenerator reference;
    for (auto [x, y] : {std::pair{7, 7}, {8, 7}, {7, 8}, {8, 8}}) {
        const int v = 128 + reference.Next() % 80 - 40;
        EXPECT_EQ(PixelOf(doc, kLayer, x, y), MakeColour(v, v, v)) << x << "," << y;
        EXPECT_EQ(PixelOf(doc, kDisplay, x, y), MakeColour(v, v, v)) << x << "," << y;
    }
    EXPECT_EQ(noise.State(), reference.State()) << "one value per pixel and event";
    const auto first = Row(doc, kDisplay, 7);
    SprayTool(doc, noise, 8, 8, ToolPhase::LeftDrag);
    EXPECT_NE(Row(doc, kDisplay, 7), first);
    EXPECT_EQ(Row(doc, kLayer, 7), Row(doc, kDisplay, 7));
    EXPECT_EQ(Row(doc, kLayer, 8), Row(doc, kDisplay, 8));
}

TEST(SprayTool, WhichPressesSaveTheDisplay) {
    struct Case {
        const char* name;
        int kind;
        ToolPhase phase;
        bool saved;
    };
    const Case cases[] = {
        {"blur, left press", kBlur, ToolPhase::LeftPress, true},
        {"blend, left press", kBlend, ToolPhase::LeftPress, true},
        {"noise, left press", kNoise, ToolPhase::LeftPress, false},
        {"noise, right press", kNoise, ToolPhase::RightPress, true},
        {"blend, right press", kBlend, ToolPhase::RightPress, true},
        {"blend, left drag", kBlend, ToolPhase::LeftDrag, false},
    };
    for (const Case& c : cases) {
        DocumentState doc = SprayDocument(c.kind, 2, 100, kWhite);
        doc.rightDragging = c.phase == ToolPhase::RightPress;
        doc.leftDragging = !doc.rightDragging;
        PaintPixel(doc, kDisplay, 0, 0, MakeColour(1, 2, 3));  // far from the spray
        NoiseGenerator noise;
        SprayTool(doc, noise, 12, 12, c.phase);
        EXPECT_EQ(PixelOf(doc, kComposite, 0, 0), c.saved ? MakeColour(1, 2, 3) : kWhite) << c.name;
    }
}

// A stroke as the spray ran it when the press saved the whole display at once.
void ReferenceStroke(DocumentState& doc, NoiseGenerator& noise, ToolPhase press,
                     const std::vector<Point>& path) {
    LayerStack& stack = *doc.layerStack;
    const bool readsSaved = doc.sprayKind != kNoise;
    const COLORREF colour = press == ToolPhase::LeftPress ? doc.drawColour : doc.secondColour;
    if (readsSaved || press == ToolPhase::RightPress)
        LayerStack::CopyBitmap(stack.Bitmap(kComposite), stack.Bitmap(kDisplay));
    const int source = readsSaved ? kComposite : kDisplay;
    const int size = doc.spraySize, strength = doc.sprayStrength;
    for (Point p : path) {
        for (int target : {doc.currentLayer, kDisplay}) {
            if (doc.sprayKind == kBlur)
                SprayBlur(stack, colour, source, p.x, p.y, size, size, strength, target, 0);
            if (doc.sprayKind == kBlend)
                SprayBlend(stack, colour, source, p.x, p.y, size, size, strength, target, 0);
            if (doc.sprayKind == kNoise) {
                const std::uint32_t before = noise.State();
                SprayNoise(stack, noise, colour, source, p.x, p.y, size, size, strength, target, 0);
                if (target == doc.currentLayer) noise.Restore(before);
            }
        }
    }
}

// On a canvas of many bands a stroke copies only the bands it reaches, yet paints exactly
// what a stroke from a whole saved display paints: later dabs overlap the earlier ones and
// must still read the picture as it was at the press.
TEST(SprayTool, StrokesPaintAsFromTheWholeDisplaySavedAtThePress) {
    struct Case {
        const char* name;
        int kind, size, strength;
        ToolPhase press;
        bool mask;
    };
    const Case cases[] = {
        {"blur, widest radius", kBlur, 40, 40, ToolPhase::LeftPress, false},
        {"blur, radius 1", kBlur, 7, 1, ToolPhase::LeftPress, false},
        {"blend", kBlend, 33, 125, ToolPhase::LeftPress, false},
        {"noise, right button", kNoise, 20, 80, ToolPhase::RightPress, false},
        {"blur under a mask", kBlur, 30, 24, ToolPhase::RightPress, true},
    };
    // Down across several bands, back up over the same rows, and off both edges.
    const std::vector<Point> path = {{500, 60},  {500, 75},  {502, 100}, {500, 128},
                                     {501, 90},  {499, 62},  {20, 2},    {990, 297},
                                     {500, 150}, {-30, 100}, {1010, 110}};
    for (const Case& c : cases) {
        DocumentState docs[2] = {SprayDocument(c.kind, c.size, c.strength, kWhite),
                                 SprayDocument(c.kind, c.size, c.strength, kWhite)};
        // Rows of 2997 bytes and one of padding: 21 to a band.
        test::TestCanvas picture(999, 300);
        std::mt19937 rng(8);
        picture.Randomise(kDisplay, rng, 6);
        picture.Randomise(kLayer, rng, 6);
        picture.MaskWhere([&](int, int) { return rng() % 3 != 0; });
        for (DocumentState& doc : docs) {
            LayerStack& stack = *doc.layerStack;
            stack.DefineFormat(0, 999, 300);
            for (int slot : {kDisplay, kComposite, kLayer, LayerStack::kMaskSlot})
                LayerStack::CopyBitmap(stack.CreateSlotBitmap(slot), picture.stack.Bitmap(slot));
            stack.maskEnabled = c.mask;
            doc.zoomedWidth = 999;
            doc.zoomedHeight = 300;
            doc.rightDragging = c.press == ToolPhase::RightPress;
            doc.leftDragging = !doc.rightDragging;
        }
        NoiseGenerator noise, referenceNoise;
        const ToolPhase drag =
            c.press == ToolPhase::LeftPress ? ToolPhase::LeftDrag : ToolPhase::RightDrag;
        for (std::size_t i = 0; i < path.size(); ++i)
            SprayTool(docs[0], noise, path[i].x, path[i].y, i == 0 ? c.press : drag);
        ReferenceStroke(docs[1], referenceNoise, c.press, path);
        for (int slot : {kDisplay, kLayer})
            EXPECT_EQ(test::TestBytes(docs[0], slot), test::TestBytes(docs[1], slot))
                << c.name << ", slot " << slot;
    }
}

TEST(SprayTool, RefusalsAreTheBrushs) {
    struct Case {
        const char* name;
        ToolPhase phase;
        int leftDragging, rightDragging;
        ToolKind rightTool;
        int x;
        bool repaint, sprayed;
    };
    const ToolKind pick = ToolKind::ColourPicker, none = ToolKind::NoTool2500;
    const Case cases[] = {
        {"left press", ToolPhase::LeftPress, 1, 0, pick, 8, true, true},
        {"left drag", ToolPhase::LeftDrag, 1, 0, pick, 8, false, true},
        {"right drag", ToolPhase::RightDrag, 0, 1, pick, 8, false, true},
        {"release", ToolPhase::LeftRelease, 1, 0, pick, 8, false, false},
        {"left press while the right drags", ToolPhase::LeftPress, 1, 1, pick, 8, false, false},
        {"press beyond the picture", ToolPhase::LeftPress, 1, 0, pick, 17, false, false},
        {"left press, NoTool2500 on the right", ToolPhase::LeftPress, 1, 0, none, 8, true, false},
        {"left drag, NoTool2500 on the right", ToolPhase::LeftDrag, 1, 0, none, 8, false, false},
        {"right drag, NoTool2500 on the right", ToolPhase::RightDrag, 0, 1, none, 8, false, true},
    };
    for (const Case& c : cases) {
        DocumentState doc = SprayDocument(kBlend, 2, 255, kBlack);
        doc.leftDragging = c.leftDragging;
        doc.rightDragging = c.rightDragging;
        doc.rightTool = c.rightTool;
        NoiseGenerator noise;
        EXPECT_EQ(SprayTool(doc, noise, c.x, 8, c.phase), c.repaint) << c.name;
        EXPECT_EQ(PixelOf(doc, kLayer, 8, 8) != kBlack, c.sprayed) << c.name;
        EXPECT_EQ(PixelOf(doc, kDisplay, 8, 8) != kBlack, c.sprayed) << c.name;
    }
}

}  // namespace
}  // namespace daub
