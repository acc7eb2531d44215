// A layer stack saved as a definition file and one BMP per layer, and opened again.
#include "files/layer_set_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "document/composite.h"
#include "document/slot_view.h"
#include "files/bmp_messages.h"
#include "files/bmp_writer.h"
#include "files/file_messages.h"
#include "files/file_path.h"
#include "files/layer_definition_file.h"
#include "tests/files/bmp_test_support.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::RecordingSink;
using test::TempDir;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

// A started width x height document of that many layers of random bytes, padding included.
DocumentState MakeDocument(int slotCount, int width, int height, int layers) {
    DocumentState doc;
    doc.slotCount = slotCount;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, width, height);
    doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot);
    EXPECT_TRUE(StartDocument(doc));
    std::mt19937 rng(layers);
    for (doc.lastLayer = 5; doc.lastLayer < 5 + layers; ++doc.lastLayer) {
        BitmapHandle b = doc.layerStack->CreateSlotBitmap(doc.lastLayer);
        for (std::size_t i = 0; i < b->ByteSize(); ++i)
            b->pixels[i] = static_cast<std::uint8_t>(rng());
    }
    --doc.lastLayer;
    return doc;
}

// Padding included for the layers; compositing leaves the padding alone, so not for slot 0.
Bytes SlotBytes(const DocumentState& doc, int slot) {
    const SlotView v = ViewOf(*doc.layerStack, slot, 0);
    Bytes bytes;
    for (int y = 0; y < v.height; ++y)
        bytes.insert(bytes.end(), v.At(0, y), v.At(0, y) + (slot < 5 ? 3 * v.width : v.stride));
    return bytes;
}

Texts TextsOf(const RecordingSink& sink) {
    Texts texts;
    for (const auto& m : sink.messages)
        texts.push_back(m.text);
    return texts;
}

TEST(LayerSetFiles, ASavedStackOpensAsTheSameLayers) {
    TempDir dir;
    DocumentState saved = MakeDocument(20, 5, 3, 3);
    saved.layerStack->visible[7] = 0;
    RecordingSink sink;
    ASSERT_TRUE(SaveLayerSet(sink, dir.File("絵.dbq"), *saved.layerStack, saved.lastLayer));
    EXPECT_EQ(ReadLayerDefinitionFile(dir.File("絵.dbq"))->paths,
              (Texts{dir.File("絵[0].bmp"), dir.File("絵[1].bmp"), dir.File("絵[2].bmp")}));
    EXPECT_EQ(LayerPictureName(LayerFileBase("C:\\my.dir\\pic"), 2), "C:\\my.dir\\pic[2].bmp");

    DocumentState opened = MakeDocument(20, 2, 2, 4);
    opened.currentLayer = 7;
    std::optional<LayerSet> set = ReadLayerSet(sink, dir.File("絵.dbq"), opened, "Daubix");
    ASSERT_TRUE(set.has_value());
    ASSERT_TRUE(AdoptLayerSet(opened, std::move(*set)));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(opened.lastLayer, 7);
    EXPECT_EQ(opened.currentLayer, 5);
    EXPECT_EQ(opened.fileName, dir.File("絵[0].bmp"));
    EXPECT_EQ(opened.layerStack->Bitmap(8), nullptr);
    for (int slot = 5; slot <= 7; ++slot) {
        EXPECT_EQ(SlotBytes(opened, slot), SlotBytes(saved, slot)) << slot;
        EXPECT_EQ(opened.layerStack->visible[slot], 1) << slot;
        EXPECT_NE(opened.layerIds[slot], opened.layerIds[slot == 5 ? 7 : slot - 1]) << slot;
    }
    saved.layerStack->visible[7] = 1;
    Composite(*saved.layerStack, saved.transparentColour, 7, kFromFirstLayer, 0, 0);
    EXPECT_EQ(SlotBytes(opened, 0), SlotBytes(saved, 0));
    EXPECT_EQ(SlotBytes(opened, 1), SlotBytes(saved, 0));

    // Opened again at its own size, the work slots are used again: what a tool left in them
    // is gone.
    LayerStack& stack = *opened.layerStack;
    for (int slot : {LayerStack::kScratchSlot, LayerStack::kMaskSlot, LayerStack::kRangeSlot})
        FillBitmap(stack.Bitmap(slot), 0x123456);
    set = ReadLayerSet(sink, dir.File("絵.dbq"), opened, "Daubix");
    ASSERT_TRUE(set && AdoptLayerSet(opened, std::move(*set)));
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kScratchSlot, 0).At(4, 2)),
              opened.transparentColour);
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kMaskSlot, 0).At(4, 2)), 0xFFFFFFu);
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kRangeSlot, 0).At(4, 2)),
              opened.transparentColour);
    EXPECT_EQ(SlotBytes(opened, 1), SlotBytes(saved, 0));
}

// Pictures of one colour: a (red) and b (green) of the 5 x 3 canvas, s smaller, L larger.
TEST(LayerSetFiles, OpeningTakesTheListedPicturesThatCanBeRead) {
    const COLORREF r = 0x0000FF, g = 0x00FF00, s = 0xFF0000, l = 0xFFFFFF, t = kTransparentColour;
    using Corners = std::vector<std::pair<COLORREF, COLORREF>>;  // per layer; none: refused
    const struct {
        int slotCount;
        // "|" a line end (none after the last line), "@" the folder; empty: no file.
        std::string definition;
        Texts messages;
        Corners layers;  // the colours at the canvas's top-left and bottom-right corner
    } cases[] = {
        {20, "2|@gone.bmp|@a.bmp|@b.bmp", {kBmpNotFoundText}, {{r, r}, {g, g}}},
        {20, "1|@b.bmp|@a.bmp", {}, {{g, g}}},
        {20, "3|@a.bmp|@s.bmp|@L.bmp", {}, {{r, r}, {s, t}, {l, l}}},
        {8, "3|@a.bmp|@b.bmp|@s.bmp", {kLayerLimitText}, {{r, r}, {g, g}}},
        {20, "1|C:\\elsewhere\\b.bmp", {}, {{g, g}}},  // the folder was moved
        {20, "1|@gone.bmp", {kBmpNotFoundText}, {}},
        {20, "layers|@a.bmp", {kFileReadFailedText}, {}},  // no number of layers
        {20, "0|@a.bmp", {kFileReadFailedText}, {}},
        {20, "", {kFileReadFailedText}, {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        for (auto [name, w, h, colour] : {std::tuple{"a.bmp", 5, 3, r},
                                          {"b.bmp", 5, 3, g},
                                          {"s.bmp", 2, 2, s},
                                          {"L.bmp", 7, 4, l}}) {
            test::TestCanvas canvas(w, h, {0});
            canvas.Fill(0, colour);
            RecordingSink quiet;
            WriteBitmapFile(quiet, dir.File(name), canvas.stack, 0, 0);
        }
        std::string text;
        for (char ch : c.definition)
            text += ch == '|' ? std::string("\r\n") : ch == '@' ? dir.File("") : std::string(1, ch);
        if (!text.empty()) test::WriteBytes(dir.File("set.dbq"), Bytes(text.begin(), text.end()));

        RecordingSink sink;
        DocumentState doc = MakeDocument(c.slotCount, 3, 3, 1);
        std::optional<LayerSet> set = ReadLayerSet(sink, dir.File("set.dbq"), doc, "Daubix");
        EXPECT_EQ(TextsOf(sink), c.messages) << c.definition;
        ASSERT_EQ(set.has_value(), !c.layers.empty()) << c.definition;
        if (!set) continue;
        ASSERT_TRUE(AdoptLayerSet(doc, std::move(*set))) << c.definition;
        ASSERT_EQ(doc.lastLayer - 4, static_cast<int>(c.layers.size())) << c.definition;
        EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(doc.fileName))) << c.definition;
        for (std::size_t k = 0; k < c.layers.size(); ++k) {
            const SlotView v = ViewOf(*doc.layerStack, 5 + static_cast<int>(k), 0);
            EXPECT_EQ(LoadPixel(v.At(0, 0)), c.layers[k].first) << c.definition << k;
            EXPECT_EQ(LoadPixel(v.At(4, 2)), c.layers[k].second) << c.definition << k;
        }
    }
}

// Pictures first, the definition file last: a failure never leaves one naming pictures that
// were not written, and the earlier definition file stays as it was.
TEST(LayerSetFiles, AFailedSaveSaysSoAndWritesNoDefinitionFile) {
    TempDir dir;
    const Bytes old = {'1', '\r', '\n', 'x', '\r', '\n'};
    test::WriteBytes(dir.File("pic.dbq"), old);
    std::filesystem::create_directory(PathFromUtf8(dir.File("pic[1].bmp")));
    const DocumentState doc = MakeDocument(20, 4, 4, 2);
    RecordingSink sink;
    EXPECT_FALSE(SaveLayerSet(sink, dir.File("pic.dbq"), *doc.layerStack, doc.lastLayer));
    EXPECT_EQ(TextsOf(sink), Texts{kBmpSaveFailedText});
    EXPECT_EQ(test::ReadBytes(dir.File("pic.dbq")), old);
}

}  // namespace
}  // namespace daub
