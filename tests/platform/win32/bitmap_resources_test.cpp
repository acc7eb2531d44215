#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "tests/platform/win32/win32_test_support.h"
#include "tests/support/program_resources.h"

namespace daub::win32test {
namespace {

// The executable's bitmaps come out as the headless backend reads them from the files, so
// the pixels the tests check are those Windows shows.
TEST(Win32BitmapResources, MatchTheFilesTheHeadlessBackendReads) {
    HeadlessKernel kernel;
    HeadlessPlatform headless(kernel, &test::ProgramResources());
    for (const char* name : {"ToolBitmap", "PalBitmap"}) {
        const auto loaded = TestPlatform().LoadBitmapResource(name);
        const auto expected = headless.LoadBitmapResource(name);
        ASSERT_TRUE(loaded.has_value()) << name;
        ASSERT_TRUE(expected.has_value()) << name;
        EXPECT_EQ(loaded->width, expected->width) << name;
        EXPECT_EQ(loaded->height, expected->height) << name;
        EXPECT_TRUE(loaded->bits == expected->bits) << name;
    }
    EXPECT_FALSE(TestPlatform().LoadBitmapResource("NoSuchBitmap").has_value());
}

}  // namespace
}  // namespace daub::win32test
