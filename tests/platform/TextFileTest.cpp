#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

TEST(SplitLines, AnyLineEndReadsAndCrLfIsWritten) {
    const Lines expected = {"a", "", "b", "c"};
    for (const char* bytes : {"a\r\n\r\nb\r\nc\r\n", "a\n\nb\nc", "a\r\rb\rc\r", "a\r\n\nb\rc"})
        EXPECT_EQ(SplitLines(bytes), expected) << bytes;
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLines(expected), "a\r\n\r\nb\r\nc\r\n");
}

TEST(WriteFileLines, ReplacesTheFileAndKeepsBytes) {
    TestDir dir;
    const std::string path = dir.Write("x.chem", "old");
    ASSERT_TRUE(WriteFileLines(path, {"\xE1rv\xEDzt\xFBr\xF5", "2"}));
    EXPECT_EQ(dir.Read("x.chem"), "\xE1rv\xEDzt\xFBr\xF5\r\n2\r\n");
    Lines back;
    ASSERT_TRUE(ReadFileLines(path, back));
    EXPECT_EQ(back, (Lines{"\xE1rv\xEDzt\xFBr\xF5", "2"}));
}

TEST(WriteFileLines, AReadOnlyFileIsRefusedAndKept) {
    TestDir dir;
    const std::string path = dir.Write("keep.chem", "precious");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0); // read-only for everyone, the superuser too
    std::string error;
    EXPECT_FALSE(WriteFileLines(path, {"new"}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.Read("keep.chem"), "precious");
}

TEST(ReadFileLines, MissingFileIsAFailureWithAReason) {
    TestDir dir;
    Lines lines;
    std::string error;
    EXPECT_FALSE(ReadFileLines(dir.Path("none.chem"), lines, &error));
    EXPECT_FALSE(error.empty());
}

TEST(WriteFileBytes, KeepsTheModeAndLeavesNoTemporaryFile) {
    TestDir dir;
    const std::string path = dir.Write("mode.chem", "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileBytes(path, "new"));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Read("mode.chem"), "new");
    EXPECT_EQ(QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files | QDir::Hidden),
              QStringList{"mode.chem"});
}

TEST(WriteFileBytes, AFolderOrAMissingFolderIsRefused) {
    TestDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileBytes(dir.Path(), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteFileBytes(dir.Path("no/such/x.chem"), "x", &error));
}
