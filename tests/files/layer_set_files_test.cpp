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

namespace fs = std::filesystem;
using test::RecordingSink;
using test::TempDir;
using Bytes = std::vector<std::uint8_t>;

// A started document of width x height with the given number of layers, each filled with
// random bytes, padding included.
DocumentState MakeDocument(int slotCount, int width, int height, int layers) {
    DocumentState doc;
    doc.slotCount = slotCount;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, width, height);
    doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot);
    EXPECT_TRUE(StartDocument(doc));
    std::mt19937 rng(layers);
    for (int slot = LayerStack::kFirstLayer; slot < LayerStack::kFirstLayer + layers; ++slot) {
        doc.lastLayer = slot;
        BitmapHandle b = doc.layerStack->CreateSlotBitmap(slot);
        for (std::size_t i = 0; i < b->ByteSize(); ++i)
            b->pixels[i] = static_cast<std::uint8_t>(rng());
    }
    return doc;
}

Bytes SlotBytes(const DocumentState& doc, int slot) {
    const SlotView v = ViewOf(*doc.layerStack, slot, 0);
    return {v.bits, v.bits + v.ByteSize()};
}

// The colours only: compositing leaves the row padding alone.
std::vector<COLORREF> Pixels(const DocumentState& doc, int slot) {
    const SlotView v = ViewOf(*doc.layerStack, slot, 0);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x)
            pixels.push_back(LoadPixel(v.At(x, y)));
    return pixels;
}

std::vector<std::string> Texts(const RecordingSink& sink) {
    std::vector<std::string> texts;
    for (const auto& m : sink.messages)
        texts.push_back(m.text);
    return texts;
}

TEST(LayerSetFiles, PicturesAreNamedAfterTheDefinitionFile) {
    const struct {
        const char* definition;
        int k;
        const char* picture;
    } cases[] = {
        {"C:\\work\\pic.dbq", 0, "C:\\work\\pic[0].bmp"},
        {"C:\\my.dir\\pic", 2, "C:\\my.dir\\pic[2].bmp"},
        {"/home/u/絵.layers", 11, "/home/u/絵[11].bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayerPictureName(LayerFileBase(c.definition), c.k), c.picture) << c.definition;
}

TEST(LayerSetFiles, ASavedStackOpensAsTheSameLayers) {
    TempDir dir;
    DocumentState saved = MakeDocument(20, 5, 3, 3);
    saved.layerStack->visible[7] = 0;
    RecordingSink sink;
    const std::string definition = dir.File("絵.dbq");
    ASSERT_TRUE(SaveLayerSet(sink, definition, *saved.layerStack, saved.lastLayer));
    EXPECT_EQ(ReadLayerDefinitionFile(definition)->paths,
              (std::vector<std::string>{dir.File("絵[0].bmp"), dir.File("絵[1].bmp"),
                                        dir.File("絵[2].bmp")}));

    DocumentState opened = MakeDocument(20, 2, 2, 4);
    opened.currentLayer = 7;
    opened.modified = 1;
    std::optional<LayerSet> set = ReadLayerSet(sink, definition, opened, "Daubix");
    ASSERT_TRUE(set.has_value());
    ASSERT_TRUE(AdoptLayerSet(opened, std::move(*set)));

    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(opened.lastLayer, 7);
    EXPECT_EQ(opened.currentLayer, 5);
    EXPECT_EQ(opened.modified, 0);
    EXPECT_EQ(opened.fileName, dir.File("絵[0].bmp"));
    EXPECT_EQ(opened.layerStack->Bitmap(8), nullptr);
    for (int slot = 5; slot <= 7; ++slot) {
        EXPECT_EQ(SlotBytes(opened, slot), SlotBytes(saved, slot)) << slot;
        EXPECT_EQ(opened.layerStack->visible[slot], 1) << slot;
        for (int other = 5; other < slot; ++other)
            EXPECT_NE(opened.layerIds[slot], opened.layerIds[other]) << "undo ring shared";
    }
    saved.layerStack->visible[7] = 1;
    Composite(*saved.layerStack, saved.transparentColour, 7, kFromFirstLayer, 0, 0);
    EXPECT_EQ(Pixels(opened, 0), Pixels(saved, 0));
    EXPECT_EQ(Pixels(opened, 1), Pixels(saved, 0));
}

// Pictures of one colour each: a and b of the 5 x 3 canvas, a smaller and a larger one.
struct Pictures {
    TempDir dir;
    Pictures() {
        Put("a.bmp", 5, 3, 0x0000FF);
        Put("b.bmp", 5, 3, 0x00FF00);
        Put("small.bmp", 2, 2, 0xFF0000);
        Put("big.bmp", 7, 4, 0xFFFFFF);
    }
    void Put(const char* name, int width, int height, COLORREF colour) {
        test::TestCanvas canvas(width, height, {0});
        canvas.Fill(0, colour);
        RecordingSink sink;
        WriteBitmapFile(sink, dir.File(name), canvas.stack, 0, 0);
    }
    // A name with a backslash is left as it is; the others are files of the folder.
    std::string Listed(const std::string& name) const {
        return name.find('\\') != std::string::npos ? name : dir.File(name);
    }
};

TEST(LayerSetFiles, OpeningTakesTheListedPicturesThatCanBeRead) {
    const COLORREF t = kTransparentColour;
    const struct {
        const char* name;
        int slotCount;
        std::string firstLine;
        std::vector<std::string> lines;
        // Colours at the canvas's top-left and bottom-right corner, per layer; none: refused.
        std::vector<std::pair<COLORREF, COLORREF>> layers;
        std::string fileName;
        std::vector<std::string> messages;
    } cases[] = {
        {"a missing first picture",
         20,
         "2",
         {"gone.bmp", "a.bmp", "b.bmp"},
         {{0x0000FF, 0x0000FF}, {0x00FF00, 0x00FF00}},
         "a.bmp",
         {kBmpNotFoundText}},
        {"the count is reached", 20, "1", {"b.bmp", "a.bmp"}, {{0x00FF00, 0x00FF00}}, "b.bmp", {}},
        {"smaller and larger pictures",
         20,
         "3",
         {"a.bmp", "small.bmp", "big.bmp"},
         {{0x0000FF, 0x0000FF}, {0xFF0000, t}, {0xFFFFFF, 0xFFFFFF}},
         "a.bmp",
         {}},
        {"more than the stack holds",
         8,
         "3",
         {"a.bmp", "b.bmp", "small.bmp"},
         {{0x0000FF, 0x0000FF}, {0x00FF00, 0x00FF00}},
         "a.bmp",
         {kLayerLimitText}},
        {"folder moved", 20, "1", {"C:\\elsewhere\\b.bmp"}, {{0x00FF00, 0x00FF00}}, "b.bmp", {}},
        {"no picture can be read",
         20,
         "2",
         {"gone.bmp", "C:\\x\\gone.bmp"},
         {},
         "",
         {kBmpNotFoundText, kBmpNotFoundText}},
        {"no number on the first line", 20, "layers", {"a.bmp"}, {}, "", {kFileReadFailedText}},
        {"no definition file", 20, "", {}, {}, "", {kFileReadFailedText}},
    };
    for (const auto& c : cases) {
        Pictures pictures;
        const std::string definition = pictures.dir.File("set.dbq");
        if (!c.firstLine.empty()) {
            std::string text = c.firstLine + "\r\n";
            for (const std::string& line : c.lines)
                text += pictures.Listed(line) + "\r\n";
            test::WriteBytes(definition, Bytes(text.begin(), text.end()));
        }
        RecordingSink sink;
        DocumentState doc = MakeDocument(c.slotCount, 3, 3, 1);
        const Bytes before = SlotBytes(doc, 5);
        std::optional<LayerSet> set = ReadLayerSet(sink, definition, doc, "Daubix");
        EXPECT_EQ(Texts(sink), c.messages) << c.name;
        ASSERT_EQ(set.has_value(), !c.layers.empty()) << c.name;
        if (!set) {
            EXPECT_EQ(SlotBytes(doc, 5), before) << c.name;
            continue;
        }
        ASSERT_TRUE(AdoptLayerSet(doc, std::move(*set))) << c.name;
        EXPECT_EQ(doc.fileName, pictures.dir.File(c.fileName)) << c.name;
        ASSERT_EQ(doc.lastLayer - 4, static_cast<int>(c.layers.size())) << c.name;
        for (std::size_t k = 0; k < c.layers.size(); ++k) {
            const SlotView v = ViewOf(*doc.layerStack, 5 + static_cast<int>(k), 0);
            EXPECT_EQ(LoadPixel(v.At(0, 0)), c.layers[k].first) << c.name << k;
            EXPECT_EQ(LoadPixel(v.At(4, 2)), c.layers[k].second) << c.name << k;
        }
    }
}

// Pictures first, the definition file last: a failure never leaves one naming pictures that
// were not written, and an earlier definition file stays as it was.
TEST(LayerSetFiles, AFailedSaveSaysSoAndWritesNoDefinitionFile) {
    const struct {
        const char* name;
        const char* directoryInTheWay;
    } cases[] = {
        {"a picture cannot be written", "pic[1].bmp"},
        {"the definition file cannot be written", "new.dbq"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string old = "1\r\nold[0].bmp\r\n";
        test::WriteBytes(dir.File("pic.dbq"), Bytes(old.begin(), old.end()));
        fs::create_directory(PathFromUtf8(dir.File(c.directoryInTheWay)));
        const DocumentState doc = MakeDocument(20, 4, 4, 2);
        const std::string target =
            dir.File(std::string(c.directoryInTheWay) == "new.dbq" ? "new.dbq" : "pic.dbq");

        RecordingSink sink;
        EXPECT_FALSE(SaveLayerSet(sink, target, *doc.layerStack, doc.lastLayer)) << c.name;
        EXPECT_EQ(Texts(sink), std::vector<std::string>{kBmpSaveFailedText}) << c.name;
        EXPECT_EQ(test::ReadBytes(dir.File("pic.dbq")), Bytes(old.begin(), old.end())) << c.name;
        EXPECT_TRUE(fs::is_directory(PathFromUtf8(dir.File(c.directoryInTheWay)))) << c.name;
    }
}

}  // namespace
}  // namespace daub
