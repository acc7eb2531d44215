#include "document/composite.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

constexpr COLORREF kKey = kTransparentColour;

// Random layers in runs of one colour: the key, a colour one byte away from it, or any.
void RandomLayer(TestCanvas& canvas, int slot, std::mt19937& rng, unsigned keyShare) {
    const SlotView v = canvas.View(slot);
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width;) {
            const unsigned pick = rng() % 8;
            const COLORREF c = pick < keyShare       ? kKey
                               : pick < keyShare + 2 ? kKey ^ (0xFFu << (8 * (rng() % 3)))
                                                     : static_cast<COLORREF>(rng() & 0xFFFFFF);
            for (int run = 1 + static_cast<int>(rng() % 10); run > 0 && x < v.width; --run, ++x)
                StorePixel(v.At(x, y), c);
        }
    }
}

TEST(Composite, MatchesThePlainCompositeOverRandomLayers) {
    const std::vector<std::vector<int>> visibilities = {
        {1, 1, 1}, {0, 1, 1}, {1, 0, 1}, {1, 2, 1}};  // flag 2 is not "visible"
    std::mt19937 rng(17);
    for (const auto& visible : visibilities) {
        for (unsigned keyShare : {1u, 5u}) {
            for (int width : {1, 7, 8, 9, 23, 40}) {
                TestCanvas canvas(width, 4, {0, 5, 6, 7});
                canvas.Randomise(0, rng);
                for (int i = 0; i < 3; ++i) {
                    RandomLayer(canvas, 5 + i, rng, keyShare);
                    canvas.stack.visible[5 + i] = visible[i];
                }
                // The plain way: pixel by pixel, the first visible layer whole.
                std::vector<std::uint8_t> want = canvas.Bytes(0);
                const SlotView d = canvas.View(0);
                bool first = true;
                for (int slot = 5; slot <= 7; ++slot) {
                    if (visible[slot - 5] != 1) continue;
                    for (int y = 0; y < d.height; ++y)
                        for (int x = 0; x < d.width; ++x)
                            if (first || canvas.Get(slot, x, y) != kKey)
                                StorePixel(want.data() + d.Offset(x, y), canvas.Get(slot, x, y));
                    first = false;
                }
                Composite(canvas.stack, kKey, 7, kFromFirstLayer, 0, 0);
                EXPECT_EQ(canvas.Bytes(0), want) << "width " << width << " keys " << keyShare;
            }
        }
    }
}

// A row given as letters: k the key, b, g or r the key with that byte changed, o another
// colour. Returns the source row with a guard pixel after it.
std::vector<std::uint8_t> KeyedRow(const std::string& letters, std::mt19937& rng,
                                   COLORREF key = kKey) {
    std::vector<std::uint8_t> row(3 * (letters.size() + 1), 0x5A);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        COLORREF c = key;
        if (letters[i] == 'o') c = key ^ (1 + rng() % 0xFFFFFF);  // never the key
        if (letters[i] == 'b') c ^= 0x010000;
        if (letters[i] == 'g') c ^= 0x000100;
        if (letters[i] == 'r') c ^= 0x000001;
        StorePixel(row.data() + 3 * i, c);
    }
    return row;
}

std::string Repeated(const std::string& part, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += part;
    return all;
}

TEST(Composite, RowCopyPassesExactlyTheKeyPixelsOver) {
    const std::string o16(16, 'o');
    const std::pair<const char*, std::string> cases[] = {
        {"sixteen other colours go whole", o16},
        {"sixteen keys leave the target", std::string(16, 'k')},
        {"a lone key among others", "ooooooookoooooooo"},
        {"keys across the register seams", "oooookooookooooo"},
        {"one byte off the key is copied", "bgrbgrbgrbgrbgrbkrgb"},
        {"keys at both ends and in the tail", "koooooooooooooookoook"},
        {"every other pixel", Repeated("ko", 20)},
        {"one pixel", "k"},
        {"one other pixel", "o"},
    };
    std::mt19937 rng(3);
    for (const auto& [name, letters] : cases) {
        const std::vector<std::uint8_t> source = KeyedRow(letters, rng);
        std::vector<std::uint8_t> target(source.size(), 0x11), want = target;
        for (std::size_t i = 0; i < letters.size(); ++i)
            if (letters[i] != 'k') std::copy_n(&source[3 * i], 3, &want[3 * i]);
        CopyRowKeyed(target.data(), source.data(), static_cast<int>(letters.size()), kKey);
        EXPECT_EQ(target, want) << name;
    }
    // And random mixtures at every length up to a hundred, each with a key of its own.
    for (std::size_t length = 1; length <= 100; ++length) {
        std::string letters;
        for (std::size_t i = 0; i < length; ++i)
            letters += "kkobgr"[rng() % 6];
        const COLORREF key = rng() & 0xFFFFFF;
        const std::vector<std::uint8_t> source = KeyedRow(letters, rng, key);
        std::vector<std::uint8_t> target(source.size(), 0x22), want = target;
        for (std::size_t i = 0; i < length; ++i)
            if (letters[i] != 'k') std::copy_n(&source[3 * i], 3, &want[3 * i]);
        CopyRowKeyed(target.data(), source.data(), static_cast<int>(length), key);
        EXPECT_EQ(target, want) << letters << " key " << key;
    }
}

TEST(Composite, WhatShowsThroughAndWhatIsLeftAlone) {
    constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kOld = 0x123456;
    enum Setup { kPlain, kNoBitmap5, kLayer6OtherSize };
    struct Case {
        const char* name;
        int visible5, visible6, top, destination;
        Setup setup;
        COLORREF at0, at1;  // where layer 6 has the key, and where it is blue
    };
    const Case cases[] = {
        {"upper key shows the lower layer", 1, 1, 6, 0, kPlain, kRed, kBlue},
        {"lower hidden: the upper one whole, key too", 0, 1, 6, 0, kPlain, kKey, kBlue},
        {"no visible layer leaves the destination", 0, 0, 6, 0, kPlain, kOld, kOld},
        {"top below the bottom does nothing", 1, 1, 4, 0, kPlain, kOld, kOld},
        {"top beyond the slots stops at the last", 1, 1, 1000, 0, kPlain, kRed, kBlue},
        {"into the composite slot", 1, 1, 6, 1, kPlain, kRed, kBlue},
        {"merged into the lower layer itself", 1, 1, 6, 5, kPlain, kRed, kBlue},
        {"a layer without bitmap is passed over", 1, 1, 6, 0, kNoBitmap5, kKey, kBlue},
        {"a layer of another size is passed over", 1, 1, 6, 0, kLayer6OtherSize, kRed, kRed},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(3, 2, {0, 1, 3, 5, 6});
        canvas.Fill(0, kOld);
        canvas.Fill(1, kOld);
        canvas.Fill(5, kRed);
        canvas.Fill(6, kBlue);
        canvas.Set(6, 0, 0, kKey);
        canvas.stack.visible[5] = c.visible5;
        canvas.stack.visible[6] = c.visible6;
        if (c.setup == kNoBitmap5) canvas.stack.DeleteSlotBitmap(5);
        if (c.setup == kLayer6OtherSize) {
            canvas.stack.DefineFormat(4, 9, 9);
            canvas.stack.CreateSlotBitmap(6, canvas.stack.Format(4));
        }
        // A mask that allows nothing: compositing ignores it and leaves it on.
        canvas.MaskWhere([](int, int) { return false; });
        Composite(canvas.stack, kKey, c.top, kFromFirstLayer, c.destination, 0);
        EXPECT_EQ(canvas.Get(c.destination, 0, 0), c.at0) << c.name;
        EXPECT_EQ(canvas.Get(c.destination, 1, 0), c.at1) << c.name;
        EXPECT_EQ(canvas.stack.maskEnabled, 1) << c.name;
    }
    // No destination bitmap, or one of another size: nothing is written anywhere.
    TestCanvas canvas(3, 2, {5});
    canvas.stack.visible[5] = 1;
    Composite(canvas.stack, kKey, 5, kFromFirstLayer, 0, 0);
    canvas.stack.DefineFormat(4, 1, 1);
    canvas.stack.CreateSlotBitmap(0, canvas.stack.Format(4));
    Composite(canvas.stack, kKey, 5, kFromFirstLayer, 0, 0);
    EXPECT_EQ(canvas.Get(0, 0, 0, 4), 0u);
}

}  // namespace
}  // namespace daub
