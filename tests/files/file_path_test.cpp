#include "files/file_path.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "files/bmp_messages.h"
#include "files/bmp_reader.h"
#include "files/file_replace.h"
#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using namespace std::string_literals;

// The system would see only the part before the NUL and read or replace that other file.
TEST(FilePath, APathHoldingANulNamesNoFile) {
    test::TempDir dir;
    const std::string real = dir.File("a.bmp");
    test::BmpSpec spec;
    spec.pixels = {1, 2, 3, 0};
    const std::vector<std::uint8_t> picture = test::BuildBmp(spec);
    test::WriteBytes(real, picture);
    const std::string withNul = real + "\0.txt"s;

    test::RecordingSink sink;
    LayerStack stack(6);
    EXPECT_EQ(ReadBitmapFile(sink, stack, withNul, 0, 0), nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, kBmpNotFoundText);

    const std::uint8_t other[] = {9};
    EXPECT_FALSE(WriteFileReplacing(withNul, {other}));
    EXPECT_EQ(test::ReadBytes(real), picture);
}

}  // namespace
}  // namespace daub
