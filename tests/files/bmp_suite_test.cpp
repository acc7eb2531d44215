// The public BMP Suite: good files must read exactly as their reference pictures, the
// questionable ones are read or refused as chosen below, and the bad ones are refused or read
// without a single access outside the file or the buffers (the tests run under ASan).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "document/layer_stack.h"
#include "document/slot_view.h"
#include "files/bmp_messages.h"
#include "files/bmp_reader.h"
#include "tests/files/bmp_test_support.h"
#include "tests/files/png_reference.h"
#include "tests/support/test_data.h"

namespace daub {
namespace {

using test::TestDataPath;

std::string SuitePath(const std::string& relative) {
    return TestDataPath("bmpsuite/" + relative);
}

// The reference picture that bmpsuite.html shows first beside each file.
std::map<std::string, std::string> ReferencesNamedByTheSuite() {
    std::ifstream in(SuitePath("reference/bmpsuite.html"));
    std::stringstream text;
    text << in.rdbuf();
    const std::string html = text.str();
    std::map<std::string, std::string> refs;
    for (std::size_t row = html.find("<tr"); row != std::string::npos;) {
        const std::size_t next = html.find("<tr", row + 3);
        const std::string cells = html.substr(row, next - row);
        const std::size_t name = cells.find("<td>");
        const std::size_t image = cells.find("<img src=\"");
        if (name != std::string::npos && image != std::string::npos) {
            const std::size_t nameEnd = cells.find("</td>", name);
            const std::size_t imageEnd = cells.find('"', image + 10);
            const std::string file = cells.substr(name + 4, nameEnd - name - 4);
            const std::string ref = cells.substr(image + 10, imageEnd - image - 10);
            if (ref.ends_with(".png")) refs[file] = ref;
        }
        row = next;
    }
    return refs;
}

// Counts pixels whose colour differs from the reference by more than the tolerance in any
// channel, and describes the first. With opaqueOnly, pixels the reference shows fully
// transparent are skipped: their colour there says nothing.
int CountMismatches(const ConstSlotView& view, const test::ReferenceImage& ref, int tolerance,
                    bool opaqueOnly, std::string& first) {
    int mismatches = 0;
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            const std::uint8_t* got = view.At(x, y);
            const std::uint8_t* want = ref.At(x, y);
            if (opaqueOnly && want[3] == 0) continue;
            const int got_rgb[3] = {got[2], got[1], got[0]};
            bool same = true;
            for (int c = 0; c < 3; ++c)
                same = same && std::abs(got_rgb[c] - want[c]) <= tolerance;
            if (same) continue;
            if (mismatches++ == 0) {
                std::ostringstream s;
                s << "(" << x << "," << y << ") got " << got_rgb[0] << "," << got_rgb[1] << ","
                  << got_rgb[2] << " want " << int{want[0]} << "," << int{want[1]} << ","
                  << int{want[2]};
                first = s.str();
            }
        }
    }
    return mismatches;
}

struct SuiteCase {
    const char* file;
    const char* refusal;    // the message, or null when the file is read
    const char* reference;  // the picture it must match, or null
    int tolerance = 0;
    bool opaqueOnly = false;
};

void ExpectMatchesReference(const LayerStack& stack, const SuiteCase& c) {
    const ConstSlotView view = ViewOf(stack, LayerStack::kRangeSlot, 4);
    ASSERT_TRUE(view);
    const test::ReferenceImage ref = test::LoadPng(SuitePath("reference/") + c.reference);
    ASSERT_TRUE(ref.loaded) << c.reference;
    ASSERT_EQ(view.width, ref.width);
    ASSERT_EQ(view.height, ref.height);
    std::string first;
    EXPECT_EQ(CountMismatches(view, ref, c.tolerance, c.opaqueOnly, first), 0)
        << "against " << c.reference << ", first at " << first;
}

// Reads one file into the range slot with entry 4, as a layer file is read.
void CheckSuiteCase(const SuiteCase& c) {
    SCOPED_TRACE(c.file);
    LayerStack stack(20);
    test::RecordingSink sink;
    const BitmapHandle bitmap =
        ReadBitmapFile(sink, stack, SuitePath(c.file), LayerStack::kRangeSlot, 4);
    if (c.refusal) {
        EXPECT_EQ(bitmap, nullptr);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, c.refusal);
        EXPECT_EQ(sink.messages[0].caption, "error");
        EXPECT_EQ(stack.Format(4), nullptr);
        EXPECT_EQ(stack.Bitmap(LayerStack::kRangeSlot), nullptr);
        return;
    }
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(ViewOf(stack, LayerStack::kRangeSlot, 4));
    if (c.reference && test::CanLoadPng()) ExpectMatchesReference(stack, c);
}

TEST(BmpSuite, GoodFilesMatchTheirReferencePictures) {
    if (!test::CanLoadPng()) GTEST_SKIP() << "built without libpng";
    auto refs = ReferencesNamedByTheSuite();
    ASSERT_FALSE(refs.empty());
    // An image editor keeps the pixels as stored rather than stretching them.
    refs["g/pal8nonsquare.bmp"] = "pal8nonsquare-e.png";
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SuitePath("g"))) {
        const std::string file = "g/" + entry.path().filename().string();
        const auto ref = refs.find(file);
        if (ref == refs.end()) continue;
        CheckSuiteCase({file.c_str(), nullptr, ref->second.c_str()});
        ++compared;
    }
    EXPECT_EQ(compared, 27);
}

TEST(BmpSuite, QuestionableFilesAreReadOrRefusedAsChosen) {
    const SuiteCase cases[] = {
        {"q/pal1huffmsb.bmp", kBmpUnsupportedText, nullptr},
        {"q/pal1p1.bmp", nullptr, "pal1p1.png"},
        {"q/pal2.bmp", nullptr, "pal2.png"},
        {"q/pal2color.bmp", nullptr, "pal2color.png"},
        // Pixels the run-length data leaves undefined are black.
        {"q/pal4rlecut.bmp", nullptr, "pal4rlecut-b.png"},
        {"q/pal4rletrns.bmp", nullptr, "pal4rletrns-b.png"},
        {"q/pal8rlecut.bmp", nullptr, "pal8rlecut-b.png"},
        {"q/pal8rletrns.bmp", nullptr, "pal8rletrns-b.png"},
        {"q/pal8offs.bmp", nullptr, "pal8.png"},  // pixels at bfOffBits, past a gap
        {"q/pal8os2-hs.bmp", nullptr, "pal8.png"},
        {"q/pal8os2-sz.bmp", nullptr, "pal8.png"},
        {"q/pal8os2sp.bmp", nullptr, "pal8.png"},
        {"q/pal8os2v2-16.bmp", nullptr, "pal8.png"},
        {"q/pal8os2v2-40sz.bmp", nullptr, "pal8.png"},
        {"q/pal8os2v2-sz.bmp", nullptr, "pal8.png"},
        {"q/pal8os2v2.bmp", nullptr, "pal8.png"},
        {"q/pal8oversizepal.bmp", nullptr, "pal8.png"},
        {"q/rgb16-231.bmp", nullptr, "rgb16-231.png"},
        {"q/rgb16-3103.bmp", nullptr, "rgb16-3103.png"},
        {"q/rgb16faketrns.bmp", nullptr, "rgb16.png"},  // the unused bit is ignored
        {"q/rgb24jpeg.bmp", kBmpUnsupportedText, nullptr},
        {"q/rgb24png.bmp", kBmpUnsupportedText, nullptr},
        {"q/rgb24largepal.bmp", nullptr, "rgb24.png"},
        {"q/rgb24lprof.bmp", nullptr, "rgb24.png"},
        {"q/rgb24prof.bmp", nullptr, "rgb24.png"},
        {"q/rgb24prof2.bmp", nullptr, nullptr},  // colour profiles are not applied
        {"q/rgb24rle24.bmp", nullptr, "pal8.png"},
        // Some 11-bit samples lie nearer the next 8-bit value than the reference shows.
        {"q/rgb32-111110.bmp", nullptr, "rgb24.png", 1},
        {"q/rgb32-7187.bmp", nullptr, "rgb32-7187.png", 1},  // reference holds 16-bit samples
        {"q/rgb32-xbgr.bmp", nullptr, "rgb24.png"},
        {"q/rgb32fakealpha.bmp", nullptr, "rgb24.png"},
        {"q/rgb32h52.bmp", nullptr, "rgb24.png"},
        // Alpha is dropped: the colour channels are the picture.
        {"q/rgba16-1924.bmp", nullptr, "rgba16-1924.png", 0, true},
        {"q/rgba16-4444.bmp", nullptr, "rgba16-4444.png", 0, true},
        {"q/rgba16-5551.bmp", nullptr, "rgba16-5551.png", 0, true},
        {"q/rgba32-1.bmp", nullptr, "rgba32.png", 0, true},
        {"q/rgba32-1010102.bmp", nullptr, "rgba32-1010102.png", 0, true},
        {"q/rgba32-2.bmp", nullptr, "rgba32.png", 0, true},
        {"q/rgba32-61754.bmp", nullptr, "rgba32-61754.png", 1, true},
        {"q/rgba32-81284.bmp", nullptr, "rgba32-81284.png", 1, true},
        {"q/rgba32abf.bmp", nullptr, "rgba32.png", 0, true},
        {"q/rgba32h56.bmp", nullptr, "rgba32.png", 0, true},
        {"q/rgba64.bmp", kBmpUnsupportedText, nullptr},
        {"x/ba-bm.bmp", kBmpNotBitmapText, nullptr},
    };
    std::set<std::string> listed;
    for (const SuiteCase& c : cases) {
        CheckSuiteCase(c);
        listed.insert(c.file);
    }
    for (const auto& entry : std::filesystem::directory_iterator(SuitePath("q")))
        EXPECT_TRUE(listed.count("q/" + entry.path().filename().string())) << entry.path();
}

TEST(BmpSuite, BadFilesAreRefusedOrReadSafely) {
    const SuiteCase cases[] = {
        {"b/badbitcount.bmp", kBmpNotBitmapText, nullptr},
        {"b/badbitssize.bmp", nullptr, "pal1.png"},  // biSizeImage is never trusted
        {"b/baddens1.bmp", nullptr, "pal1.png"},     // resolution is never looked at
        {"b/baddens2.bmp", nullptr, "pal1.png"},
        {"b/badfilesize.bmp", nullptr, "pal1.png"},  // nor is bfSize
        {"b/badheadersize.bmp", kBmpNotBitmapText, nullptr},
        {"b/badpalettesize.bmp", kBmpDamagedText, nullptr},
        {"b/badplanes.bmp", nullptr, "pal1.png"},
        {"b/badrle.bmp", nullptr, nullptr},
        {"b/badrle4.bmp", nullptr, nullptr},
        {"b/badrle4bis.bmp", nullptr, nullptr},
        {"b/badrle4ter.bmp", nullptr, nullptr},
        {"b/badrlebis.bmp", nullptr, nullptr},
        {"b/badrleter.bmp", nullptr, nullptr},
        {"b/badwidth.bmp", kBmpNotBitmapText, nullptr},
        {"b/pal8badindex.bmp", nullptr, nullptr},
        {"b/reallybig.bmp", kBmpTooLargeText, nullptr},
        {"b/rgb16-880.bmp", nullptr, "rgb16-880.png"},
        {"b/rletopdown.bmp", kBmpNotBitmapText, nullptr},
        {"b/shortfile.bmp", kBmpDamagedText, nullptr},
    };
    std::set<std::string> listed;
    for (const SuiteCase& c : cases) {
        CheckSuiteCase(c);
        listed.insert(c.file);
    }
    for (const auto& entry : std::filesystem::directory_iterator(SuitePath("b")))
        EXPECT_TRUE(listed.count("b/" + entry.path().filename().string())) << entry.path();
}

}  // namespace
}  // namespace daub
