// GBK conversion, program paths and the line reader of topic scripts.
#include "platform/file.h"
#include "platform/text_codec.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A scratch directory that is the current directory while the test runs.
class TempDirTest : public ::testing::Test {
protected:
    static void Write(const fs::path& p, const std::string& bytes) {
        test_support::WriteFile(p, bytes);
    }
    test_support::ScratchDir scratch{"file"};
};

} // namespace

TEST(TextCodec, RoundTripsChineseAndAscii) {
    // "数据" in GBK is CA FD BE DD (checked with python3: '数据'.encode('gbk')).
    EXPECT_EQ(Gbk(u8"数据"), std::string("\xCA\xFD\xBE\xDD"));
    EXPECT_EQ(GbkToUtf8(std::string("\xCA\xFD\xBE\xDD")), std::string(u8"数据"));
    EXPECT_EQ(Gbk("Font(2)"), "Font(2)");
    EXPECT_EQ(GbkToUtf8(Gbk(u8"渲染图像失败！")), std::string(u8"渲染图像失败！"));
}

TEST(TextCodec, BadInputNeverThrowsOrLoops) {
    // A lone lead byte at the end is dropped, an invalid pair is replaced.
    EXPECT_EQ(GbkToUtf8(std::string("ab\xCA")), "ab");
    EXPECT_EQ(GbkToUtf8(std::string("\xFF\x30z")).back(), 'z');
    EXPECT_EQ(GbkToUtf8(nullptr, 3), "");
    // A character GBK lacks becomes '?', the rest survives.
    EXPECT_EQ(Gbk(u8"a😀b"), "a?b");
    EXPECT_TRUE(IsGbkLeadByte(0xCA));
    EXPECT_FALSE(IsGbkLeadByte('a'));
}

TEST_F(TempDirTest, ResolvesBackslashesAndCase) {
    Write("data/232.txt", "x");
    Write("BMP/MyFig1.JPG", "y");
    EXPECT_EQ(ResolveProgramPath("data\\232.txt"), "data/232.txt");
    EXPECT_EQ(ResolveProgramPath("bmp\\MYfig1.jpg"), "BMP/MyFig1.JPG");
    EXPECT_TRUE(ProgramFileExists("DATA\\232.TXT"));
    EXPECT_FALSE(ProgramFileExists("data\\233.txt"));
    EXPECT_FALSE(ProgramFileExists("data")); // a directory is not a script
}

TEST_F(TempDirTest, ResolvesGbkFileNames) {
    Write(u8"data/图1.jpg", "z");
    std::string bytes;
    EXPECT_TRUE(ReadProgramFile(Gbk(u8"data\\图1.jpg"), &bytes));
    EXPECT_EQ(bytes, "z");
}

TEST_F(TempDirTest, ReadStringBehavesLikeTextModeFgets) {
    Write("s.txt", std::string("016Title\r\n7\r\nFont(2)\nlast"));
    CStdioFile f;
    ASSERT_TRUE(f.Open("s.txt"));
    char buf[255];
    // A header read with room 4 takes at most three bytes.
    ASSERT_NE(f.ReadString(buf, 4), nullptr);
    EXPECT_STREQ(buf, "016");
    ASSERT_NE(f.ReadString(buf, 251), nullptr);
    EXPECT_STREQ(buf, "Title\n"); // CR LF reads as LF
    ASSERT_NE(f.ReadString(buf, 4), nullptr);
    EXPECT_STREQ(buf, "7\n"); // a short line is a whole header
    ASSERT_NE(f.ReadString(buf, 251), nullptr);
    EXPECT_STREQ(buf, "Font(2)\n");
    ASSERT_NE(f.ReadString(buf, 251), nullptr);
    EXPECT_STREQ(buf, "last"); // no line end at the end of the file
    EXPECT_EQ(f.ReadString(buf, 251), nullptr);
}

TEST_F(TempDirTest, LongLinesAreReadInPieces) {
    Write("long.txt", std::string(300, 'a') + "\n");
    CStdioFile f;
    ASSERT_TRUE(f.Open("long.txt"));
    char buf[255];
    ASSERT_NE(f.ReadString(buf, 251), nullptr);
    EXPECT_EQ(std::string(buf).size(), 250u);
    ASSERT_NE(f.ReadString(buf, 251), nullptr);
    EXPECT_EQ(std::string(buf), std::string(50, 'a') + "\n");
}

TEST_F(TempDirTest, MissingAndEmptyFiles) {
    CStdioFile f;
    EXPECT_FALSE(f.Open("nothing\\here.txt"));
    char buf[8];
    EXPECT_EQ(f.ReadString(buf, 8), nullptr);
    Write("empty.txt", "");
    ASSERT_TRUE(f.Open("empty.txt"));
    EXPECT_EQ(f.ReadString(buf, 8), nullptr);
}
