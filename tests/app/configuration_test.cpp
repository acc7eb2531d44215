#include "app/configuration.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "document/layer_stack.h"
#include "files/file_path.h"
#include "files/text_encoding.h"
#include "tests/files/bmp_test_support.h"
#include "tests/support/installation.h"

namespace daub {

// Shown by GoogleTest when two configurations differ.
static void PrintTo(const Configuration& c, std::ostream* os) {
    *os << "{" << c.workDirectory << ", undo " << c.undoDepth << ", slots " << c.slotCount
        << ", bitmaps";
    for (const std::string& s : c.recentBitmaps)
        *os << " [" << s << "]";
    *os << ", layer files";
    for (const std::string& s : c.recentLayerFiles)
        *os << " [" << s << "]";
    *os << "}";
}

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::TempDir;

const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));

// The comments of lines 2 and 3 as code page 932 bytes.
const std::string kUndoComment = "//Undo\x82\xCC\x89\xF1\x90\x94";
const std::string kLayerComment = "//\x83\x8C\x83\x43\x83\x84\x81\x5B\x82\xCC\x90\x94";

// The five lines a first start writes, with the executable in C:\tools\.
const std::string kDefaultFile =
    "C:\\tools\\Temp\\\r\n20" + kUndoComment + "\r\n13" + kLayerComment + "\r\n0\r\n0\r\n";

Configuration Make(std::string directory, int undoDepth, int slotCount,
                   std::vector<std::string> bitmaps = {}, std::vector<std::string> layers = {}) {
    Configuration c;
    c.workDirectory = std::move(directory);
    c.undoDepth = undoDepth;
    c.slotCount = slotCount;
    c.recentBitmaps = std::move(bitmaps);
    c.recentLayerFiles = std::move(layers);
    return c;
}

TEST(Configuration, ReadsEveryValueInItsPlace) {
    const std::string longName = "C:\\" + std::string(600, 'x') + ".bmp";
    const struct {
        const char* name;
        std::string bytes;
        Configuration expected;
    } cases[] = {
        {"default file", kDefaultFile, Make("C:\\tools\\Temp\\", 20, 20)},
        {"three layers make ten slots", "C:\\w\\\r\n20//\r\n3//レイヤーの数\r\n0\r\n0\r\n",
         Make("C:\\w\\", 20, 10)},
        {"both lists in code page 932",
         "C:\\w\\\r\n5" + kUndoComment + "\r\n2" + kLayerComment +
             "\r\n2\r\nC:\\\x8A\x47\\\x95\x5C\x8E\x86.bmp\r\n\xB7\xAC\xDD\xBE\xD9.bmp\r\n1\r\n"
             "D:\\\x8D\xEC\x95\x69\\\x94\x4C.dbq\r\n",
         Make("C:\\w\\", 5, 9, {"C:\\絵\\表紙.bmp", "ｷｬﾝｾﾙ.bmp"}, {"D:\\作品\\猫.dbq"})},
        {"both lists in UTF-8 with a byte order mark",
         "\xEF\xBB\xBF"
         "C:\\w\\\r\n5//Undoの回数\r\n2//"
         "レイヤーの数\r\n2\r\nC:\\絵\\表紙.bmp\r\nｷｬﾝｾﾙ.bmp\r\n1\r\n"
         "D:\\作品\\猫.dbq\r\n",
         Make("C:\\w\\", 5, 9, {"C:\\絵\\表紙.bmp", "ｷｬﾝｾﾙ.bmp"}, {"D:\\作品\\猫.dbq"})},
        {"LF line ends", "C:\\w\\\n5\n2\n1\nC:\\絵\\表紙.bmp\n1\nD:\\作品\\猫.dbq\n",
         Make("C:\\w\\", 5, 9, {"C:\\絵\\表紙.bmp"}, {"D:\\作品\\猫.dbq"})},
        {"a count of 5 loads nothing and the next line is the other count",
         "C:\\w\\\n20\n13\n5\n2\na.dbq\nb.dbq\n", Make("C:\\w\\", 20, 20, {}, {"a.dbq", "b.dbq"})},
        {"counts 0 and -1", "C:\\w\\\n20\n13\n0\n-1\n", Make("C:\\w\\", 20, 20)},
        {"last entry without a final newline", "C:\\w\\\n20\n13\n0\n1\nD:\\猫.dbq",
         Make("C:\\w\\", 20, 20, {}, {"D:\\猫.dbq"})},
        {"last entry without a final newline, code page 932",
         "C:\\w\\\n20\n13\n0\n1\nD:\\\x94\x4C.dbq", Make("C:\\w\\", 20, 20, {}, {"D:\\猫.dbq"})},
        {"entries keep their blanks", "C:\\w\\\n20\n13\n1\nC:\\My Pictures\\a b.bmp \n0\n",
         Make("C:\\w\\", 20, 20, {"C:\\My Pictures\\a b.bmp "})},
        {"work directory with blanks", "  C:\\Program Files\\Daubix\\Temp\\ \t\r\n20\n13\n0\n0\n",
         Make("C:\\Program Files\\Daubix\\Temp\\", 20, 20)},
        {"work directory without its separator", "D:\\undo\r\n20\n13\n0\n0\n",
         Make("D:\\undo" + kSep, 20, 20)},
        {"long lines stay whole and stay in their place",
         longName + "\n7\n2\n2\n" + longName + "\nb.bmp\n1\n" + longName + "\n",
         Make(longName + kSep, 7, 9, {longName, "b.bmp"}, {longName})},
        {"ends after the first line: the rest are defaults", "C:\\w\\\r\n",
         Make("C:\\w\\", 20, 20)},
        {"ends inside a list", "C:\\w\\\n20\n13\n3\na.bmp\n", Make("C:\\w\\", 20, 20, {"a.bmp"})},
        {"empty file", "", Make("", 20, 20)},
        {"blank first line", " \r\n20\n13\n0\n0\n", Make("", 20, 20)},
        // A NUL would end the name the system sees: another directory or file than recorded.
        {"NUL in the work directory", "C:\\w\0x\\\r\n7\n13\n0\n0\n"s, Make("", 7, 20)},
        {"NUL in a recent entry", "C:\\w\\\n20\n13\n2\nC:\\a\0.bmp\nb.bmp\n0\n"s,
         Make("C:\\w\\", 20, 20, {"b.bmp"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseConfiguration(c.bytes), c.expected) << c.name;
}

// Only the leading integer counts, as atoi reads it; what would make the undo ring or the
// layer stack impossible falls back to the default.
TEST(Configuration, BadNumbersNeverGiveAnUnusableUndoRingOrLayerStack) {
    const struct {
        const char* undoLine;
        const char* layerLine;
        int undoDepth;
        int slotCount;
    } cases[] = {
        {"0//Undoの回数", "0//レイヤーの数", 20, 7},
        {"-5", "-1", 20, 20},
        {"abc", "abc", 20, 7},
        {"", "", 20, 7},
        {"  7 //comment", " +3//", 7, 10},
        {"1", "1", 1, 8},
        {"99999999999", "2147483647", INT_MAX, 1007},
        {"-2147483648", "-2147483648", 20, 20},
        {"12abc", "99999", 12, 1007},
    };
    for (const auto& c : cases) {
        const std::string file =
            std::string("C:\\w\\\r\n") + c.undoLine + "\r\n" + c.layerLine + "\r\n0\r\n0\r\n";
        const Configuration config = ParseConfiguration(file);
        EXPECT_EQ(config.undoDepth, c.undoDepth) << c.undoLine;
        EXPECT_EQ(config.slotCount, c.slotCount) << c.layerLine;
        const LayerStack stack(config.slotCount);
        EXPECT_TRUE(stack.IsSlot(LayerStack::kFirstLayer)) << c.layerLine;
        EXPECT_GT(stack.SlotCount() - 1, LayerStack::kFirstLayer) << c.layerLine;
    }
}

TEST(Configuration, WritesTheLinesOtherInstallationsRead) {
    const struct {
        const char* name;
        Configuration config;
        std::string bytes;
    } cases[] = {
        {"first start", Make("C:\\tools\\Temp\\", 20, 20), kDefaultFile},
        {"layer count on its line", Make("C:\\w\\", 3, 10),
         "C:\\w\\\r\n3" + kUndoComment + "\r\n3" + kLayerComment + "\r\n0\r\n0\r\n"},
        {"Japanese names in code page 932",
         Make("C:\\作業\\", 20, 20, {"C:\\絵\\表紙.bmp", "ｷｬﾝｾﾙ.bmp"}, {"D:\\作品\\猫.dbq"}),
         "C:\\\x8D\xEC\x8B\xC6\\\r\n20" + kUndoComment + "\r\n13" + kLayerComment +
             "\r\n2\r\nC:\\\x8A\x47\\\x95\x5C\x8E\x86.bmp\r\n\xB7\xAC\xDD\xBE\xD9.bmp\r\n1\r\n"
             "D:\\\x8D\xEC\x95\x69\\\x94\x4C.dbq\r\n"},
        {"one name outside code page 932 makes the file UTF-8",
         Make("C:\\w\\", 20, 20, {"C:\\한글.bmp"}, {"D:\\猫.dbq"}),
         "C:\\w\\\r\n20//Undoの回数\r\n13//"
         "レイヤーの数\r\n1\r\nC:\\한글.bmp\r\n1\r\nD:\\猫.dbq\r\n"},
        {"at most four entries, none with a line break or a NUL",
         Make("C:\\w\\", 20, 20, {"1.bmp", "2\r\n.bmp", "3.bmp", "4.bmp", "5.bmp", "6.bmp"},
              {"a\n.dbq", "b\0.dbq"s}),
         "C:\\w\\\r\n20" + kUndoComment + "\r\n13" + kLayerComment +
             "\r\n4\r\n1.bmp\r\n3.bmp\r\n4.bmp\r\n5.bmp\r\n0\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatConfiguration(c.config), c.bytes) << c.name;
}

TEST(Configuration, WhatIsWrittenReadsBackTheSame) {
    const Configuration configs[] = {
        Make("C:\\tools\\Temp\\", 20, 20),
        Make("C:\\Program Files\\Daubix\\Temp\\", 1, 7, {"a.bmp"}, {"b.dbq"}),
        Make("D:\\作業\\", 99, 1007,
             {"C:\\絵\\表紙.bmp", "ｷｬﾝｾﾙ.bmp", "C:\\ソフト\\能.bmp", "x.bmp"},
             {"D:\\作品\\猫.dbq", "①.dbq", "ⅰ.dbq", "纊.dbq"}),
        Make("E:\\\xF0\xA0\xAE\xB7\\", 5, 12, {"E:\\한글 그림.bmp"}, {}),
        Make("/home/user/Temp/", 20, 20, {}, {"/home/user/猫.dbq"}),
        Make("\xEF\xBB\xBF"
             "C:\\w\\",
             20, 20,
             {"\xEF\xBB\xBF"
              "a.bmp"},
             {"C:\\ﾂｱ.dbq"}),
    };
    for (const Configuration& c : configs)
        EXPECT_EQ(ParseConfiguration(FormatConfiguration(c)), c) << c.workDirectory;
}

TEST(Configuration, PlacesBesideTheExecutable) {
    const struct {
        const char* executable;
        std::string workDirectory;
        std::string file;
    } cases[] = {
        {"C:\\tools\\Daubix.exe", "C:\\tools\\Temp" + kSep, "C:\\tools\\Daubix.ini"},
        {"D:\\絵\\Paint.EXE", "D:\\絵\\Temp" + kSep, "D:\\絵\\Paint.ini"},
        {"C:\\my.tools\\Daubix", "C:\\my.tools\\Temp" + kSep, "C:\\my.tools\\Daubix.ini"},
        {"/opt/daubix/daubix", "/opt/daubix/Temp" + kSep, "/opt/daubix/daubix.ini"},
        {"Daubix.exe", "Temp" + kSep, "Daubix.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultWorkDirectory(c.executable), c.workDirectory) << c.executable;
        EXPECT_EQ(ConfigurationPathBeside(c.executable), c.file) << c.executable;
    }
}

using test::FakeSystem;
using test::Installation;

std::string Bytes(const std::string& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathFromUtf8(path), ec);
}

void Put(const std::string& path, const std::string& bytes) {
    test::WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

TEST(Configuration, FirstStartWritesTheDefaultFileAndMakesTheTempDirectory) {
    Installation in;
    const std::string temp = in.programDir + "/Temp" + kSep;

    const Configuration config = ReadConfiguration(in.system);

    EXPECT_EQ(config, Make(temp, 20, 20));
    EXPECT_EQ(Bytes(in.StartFile()), *Utf8ToCp932(temp) + "\r\n20" + kUndoComment + "\r\n13" +
                                         kLayerComment + "\r\n0\r\n0\r\n");
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(temp)));
    EXPECT_TRUE(in.system.changes.empty());
    EXPECT_EQ(in.system.WorkingDirectory(), in.startDir);
    EXPECT_FALSE(Exists(in.ProgramFile()));
}

TEST(Configuration, StartReadsTheFileAndMovesIntoTheWorkDirectory) {
    const struct {
        const char* name;
        bool workDirectoryExists;
        bool blankFirstLine;
    } cases[] = {
        {"work directory there", true, false},
        {"work directory missing", false, false},
        {"no work directory named", false, true},
    };
    for (const auto& c : cases) {
        Installation in;
        const std::string work =
            c.blankFirstLine ? in.programDir + "/Temp" + kSep : in.root.File("作業 用") + "/";
        if (c.workDirectoryExists) fs::create_directories(PathFromUtf8(work));
        const std::string file = (c.blankFirstLine ? std::string() : *Utf8ToCp932(work)) + "\r\n7" +
                                 kUndoComment + "\r\n3" + kLayerComment +
                                 "\r\n1\r\n\xB7\xAC\xDD\xBE\xD9.bmp\r\n0\r\n";
        Put(in.StartFile(), file);

        const Configuration config = ReadConfiguration(in.system);

        EXPECT_EQ(config, Make(work, 7, 10, {"ｷｬﾝｾﾙ.bmp"})) << c.name;
        EXPECT_EQ(in.system.changes, std::vector<std::string>{work}) << c.name;
        EXPECT_EQ(in.system.WorkingDirectory(), c.workDirectoryExists ? work : in.startDir)
            << c.name;
        EXPECT_EQ(in.system.made.size(), c.workDirectoryExists ? 0u : 1u) << c.name;
        EXPECT_TRUE(fs::is_directory(PathFromUtf8(work))) << c.name;
        EXPECT_EQ(Bytes(in.StartFile()), file) << c.name;
    }
}

TEST(Configuration, AFileThatCannotBeReadIsNotReplaced) {
    Installation in;
    fs::create_directory(PathFromUtf8(in.StartFile()));

    const Configuration config = ReadConfiguration(in.system);

    EXPECT_EQ(config, Make(in.programDir + "/Temp" + kSep, 20, 20));
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(in.StartFile())));
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(config.workDirectory)));
}

TEST(Configuration, CloseWritesBesideTheExecutableWhereverItWasRead) {
    Installation in;
    Put(in.StartFile(), kDefaultFile);
    const Configuration config = Make(in.root.File("作業") + kSep, 20, 10, {"C:\\絵\\表紙.bmp"},
                                      {"D:\\作品\\猫.dbq", "C:\\a.dbq"});

    EXPECT_TRUE(WriteConfiguration(config, in.system));

    EXPECT_EQ(Bytes(in.ProgramFile()), FormatConfiguration(config));
    EXPECT_EQ(Bytes(in.StartFile()), kDefaultFile);
    // Started from the program's directory next time, the values come back.
    FakeSystem next(in.programDir + "/Daubix.exe", in.programDir);
    EXPECT_EQ(ReadConfiguration(next), config);
}

TEST(Configuration, AFailedWriteSaysSoAndLeavesNothing) {
    Installation in;
    FakeSystem gone(in.root.File("消えた") + "/Daubix.exe", in.startDir);
    EXPECT_FALSE(WriteConfiguration(Make("C:\\w\\", 20, 20), gone));
    EXPECT_FALSE(Exists(in.root.File("消えた")));
}

TEST(Configuration, StandardSystemMakesNestedDirectories) {
    TempDir root;
    StandardConfigurationSystem system(root.File("Daubix.exe"));
    const std::string nested = root.File("一 段") + "/二段" + kSep;
    EXPECT_TRUE(system.MakeDirectory(nested));
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(nested)));
    EXPECT_TRUE(system.MakeDirectory(nested));  // already there
    EXPECT_FALSE(system.MakeDirectory(""));
    EXPECT_FALSE(system.ChangeWorkingDirectory(root.File("ない")));
    EXPECT_FALSE(system.WorkingDirectory().empty());
}

}  // namespace
}  // namespace daub
