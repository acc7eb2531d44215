// Rules every primitive shares: which ones the mask restricts, and that a missing slot or a
// slot whose geometry differs from its format writes nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/tools/test_canvas.h"
#include "tools/pixel_primitives.h"

namespace daub {
namespace {

using test::TestCanvas;

constexpr COLORREF kInk = 0x0000FF;
constexpr COLORREF kPaper = 0xFFFFFF;

// Every primitive that writes, run on target slot t with the other slot o as source or
// reference and format entry f.
struct Writer {
    std::string name;
    std::function<void(LayerStack&, int t, int o, int f)> run;
};

std::vector<Writer> Writers() {
    return {
        {"StampBlock",
         [](LayerStack& s, int t, int, int f) { StampBlock(s, kInk, t, 1, 1, 3, 3, -1, f); }},
        {"StampBlock from source",
         [](LayerStack& s, int t, int o, int f) { StampBlock(s, kInk, t, 1, 1, 3, 3, o, f); }},
        {"DrawLine",
         [](LayerStack& s, int t, int o, int) { DrawLine(s, kInk, 0, 1, 3, 1, 1, 1, t, o); }},
        {"DrawEllipse",
         [](LayerStack& s, int t, int o, int) { DrawEllipse(s, kInk, 2, 1, 1, 1, 1, 1, t, o); }},
        {"ApplyBrushDab",
         [](LayerStack& s, int t, int o, int f) { ApplyBrushDab(s, kInk, o, 1, 1, 4, 4, t, f); }},
        {"ReplaceColour", [](LayerStack& s, int t, int o,
                             int f) { ReplaceColour(s, kPaper, kInk, o, t, 1, 1, 1, f); }},
        {"CopySlotMasked", [](LayerStack& s, int t, int o, int f) { CopySlotMasked(s, t, o, f); }},
        {"CopyRectKeyed with mask",
         [](LayerStack& s, int t, int o, int f) {
             CopyRectKeyed(s, kNoKeyColour, t, 0, 0, -1, -1, o, 0, 0, f, f, 1);
         }},
        {"CopyRectKeyed",
         [](LayerStack& s, int t, int o, int f) {
             CopyRectKeyed(s, kNoKeyColour, t, 0, 0, -1, -1, o, 0, 0, f, f, 0);
         }},
        {"FloodFill", [](LayerStack& s, int t, int o, int) { FloodFill(s, kInk, 1, 1, t, o); }},
        {"FillSlot", [](LayerStack& s, int t, int, int f) { FillSlot(s, kInk, t, f); }},
        {"FillSlotRect",
         [](LayerStack& s, int t, int, int f) { FillSlotRect(s, kInk, t, 0, 0, 3, 3, f); }},
        {"MirrorSlot",
         [](LayerStack& s, int t, int, int f) { MirrorSlot(s, t, kMirrorHorizontal, f); }},
        {"BuildMask", [](LayerStack& s, int, int o, int f) { BuildMask(s, kInk, o, f); }},
    };
}

TEST(PrimitiveRules, MaskRestrictsExactlyTheMaskedPrimitives) {
    const std::vector<std::string> honouring = {
        "StampBlock",    "StampBlock from source", "DrawLine",       "DrawEllipse",
        "ApplyBrushDab", "ReplaceColour",          "CopySlotMasked", "CopyRectKeyed with mask"};
    for (const Writer& w : Writers()) {
        if (w.name == "BuildMask") continue;
        TestCanvas canvas(6, 6);
        canvas.Fill(0, kPaper);  // display: reference and source of white
        canvas.Fill(1, kInk);    // source of ink
        canvas.Fill(5, kPaper);
        canvas.Set(5, 4, 1, kInk);  // what the mirror brings to (1, 1)
        canvas.stack.brushKernel.weights.fill(255.0f);
        canvas.MaskWhere([](int x, int) { return x != 1; });
        // Sources copy ink from slot 1; references are white and the primitive brings ink.
        const bool readsReference =
            w.name == "ApplyBrushDab" || w.name == "ReplaceColour" || w.name == "FloodFill";
        w.run(canvas.stack, 5, readsReference ? 0 : 1, 0);
        const bool honours =
            std::find(honouring.begin(), honouring.end(), w.name) != honouring.end();
        EXPECT_EQ(canvas.Get(5, 1, 1), honours ? kPaper : kInk) << w.name;
        EXPECT_EQ(canvas.stack.maskEnabled, 1) << w.name;
    }
}

TEST(PrimitiveRules, PickColourIgnoresTheMask) {
    TestCanvas canvas(3, 3);
    canvas.Fill(0, 0x334455);
    canvas.MaskWhere([](int, int) { return false; });
    EXPECT_EQ(PickColour(canvas.stack, 1, 1, 0, 0), 0x334455u);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
}

// Slot 5 holds a bitmap of the range's 3 x 2 geometry, slot 7 none, entry 6 is undefined:
// whichever of these a primitive is handed, every slot stays byte for byte as it was.
TEST(PrimitiveRules, MismatchedOrMissingSlotsWriteNothing) {
    struct Setup {
        const char* name;
        int target, other, format;
    };
    const Setup setups[] = {
        {"target of another size", 5, 0, 0}, {"source of another size", 1, 5, 0},
        {"target without bitmap", 7, 0, 0},  {"source without bitmap", 1, 7, 0},
        {"undefined format", 1, 0, 6},       {"format out of range", 1, 0, 99},
    };
    for (const Setup& setup : setups) {
        for (const Writer& w : Writers()) {
            TestCanvas canvas(8, 8);
            canvas.stack.DefineFormat(4, 3, 2);
            canvas.stack.CreateSlotBitmap(5, canvas.stack.Format(4));
            std::mt19937 rng(2);
            for (int slot : {0, 1, 2, 3, 4, 5})
                canvas.Randomise(slot, rng, 2);
            canvas.stack.brushKernel.weights.fill(255.0f);
            std::vector<std::vector<std::uint8_t>> before;
            for (int slot : {0, 1, 2, 3, 4, 5})
                before.push_back(canvas.Bytes(slot));
            w.run(canvas.stack, setup.target, setup.other, setup.format);
            // Primitives that use entry 0 by design (lines, ellipses, fills) only take part
            // where the slots themselves are wrong.
            const bool fixedFormat =
                w.name == "DrawLine" || w.name == "DrawEllipse" || w.name == "FloodFill";
            if (fixedFormat && setup.format != 0) continue;
            const bool usesOther = w.name != "StampBlock" && w.name != "FillSlot" &&
                                   w.name != "FillSlotRect" && w.name != "MirrorSlot";
            const bool usesTarget = w.name != "BuildMask";
            const bool otherBroken = setup.other != 0;
            const bool targetBroken = setup.target != 1 || setup.format != 0;
            if (!(targetBroken && usesTarget) && !(otherBroken && usesOther) && setup.format == 0)
                continue;  // this primitive never sees the broken slot
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(canvas.Bytes(i), before[i])
                    << w.name << ", " << setup.name << ": slot " << i;
            EXPECT_EQ(canvas.stack.maskEnabled, 0) << w.name << ", " << setup.name;
        }
    }
}

}  // namespace
}  // namespace daub
