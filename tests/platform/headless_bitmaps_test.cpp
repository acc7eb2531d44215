#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "tests/support/program_resources.h"

namespace daub {
namespace {

TEST(HeadlessBitmaps, LoadsTheBitmapsTheScriptNames) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel, &test::ProgramResources());
    const struct {
        const char* name;
        int width, height;
    } cases[] = {{"ToolBitmap", 50, 237}, {"palbitmap", 255, 34}};
    for (const auto& c : cases) {
        const auto bitmap = platform.LoadBitmapResource(c.name);
        ASSERT_TRUE(bitmap.has_value()) << c.name;
        EXPECT_EQ(bitmap->width, c.width);
        EXPECT_EQ(bitmap->height, c.height);
        EXPECT_EQ(bitmap->bits.size(), static_cast<std::size_t>(bitmap->Stride()) * c.height);
    }
    // The toolbox's top-left pixel is the white edge of a raised button.
    const auto toolbox = platform.LoadBitmapResource("ToolBitmap");
    const std::uint8_t* top = toolbox->bits.data() + toolbox->Stride() * (toolbox->height - 1);
    EXPECT_EQ(top[0], 0xFF);
    EXPECT_EQ(top[1], 0xFF);
    EXPECT_EQ(top[2], 0xFF);
}

TEST(HeadlessBitmaps, MissingBitmapsGiveNothing) {
    HeadlessKernel kernel;
    HeadlessPlatform withScript(kernel, &test::ProgramResources());
    EXPECT_FALSE(withScript.LoadBitmapResource("NoSuchBitmap").has_value());
    withScript.resourceFolder = "/nonexistent-folder";
    EXPECT_FALSE(withScript.LoadBitmapResource("ToolBitmap").has_value());
    HeadlessPlatform withoutScript(kernel);
    EXPECT_FALSE(withoutScript.LoadBitmapResource("ToolBitmap").has_value());
}

}  // namespace
}  // namespace daub
