#include "platform/Paths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Paths, BothSeparatorsSplit) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
        const char* ext;
    } cases[] = {
        {"/home/me/caffeine.mol", "/home/me/", "caffeine.mol", ".mol"},
        {"SYSTEM\\tevanoChem_HUN.lng", "SYSTEM\\", "tevanoChem_HUN.lng", ".lng"},
        {"a.b/c", "a.b/", "c", ""},
        {"name", "", "name", ""},
        {"dir/", "dir/", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    }
    EXPECT_EQ(ChangeFileExt("/x.y/caffeine.mol", ".chem"), "/x.y/caffeine.chem");
    EXPECT_EQ(ChangeFileExt("/x.y/caffeine", ".chem"), "/x.y/caffeine.chem");
}

TEST(Paths, AbsoluteOnThisHostAndAsWrittenOnWindows) {
    for (const char* p : {"/tmp", "C:\\Program Files", "c:/x", "\\\\server\\share"})
        EXPECT_TRUE(IsAbsolutePath(p)) << p;
    for (const char* p : {"", "tmp/x", "SYSTEM\\a", "C:", "%DSTROOT%"})
        EXPECT_FALSE(IsAbsolutePath(p)) << p;
}

TEST(FindPathIgnoringCase, MatchesEachPartAsOnDiskOrFindsNothing) {
    TestDir dir;
    dir.Write("Media/Data/Deep (1).mol", "x");
    const std::string base = dir.Path();
    EXPECT_EQ(FindPathIgnoringCase(base, "MEDIA\\data/deep (1).MOL"),
              base + "/Media/Data/Deep (1).mol");
    EXPECT_EQ(FindPathIgnoringCase(base, "media/DATA"), base + "/Media/Data");
    EXPECT_EQ(FindPathIgnoringCase("", base + "/MEDIA"), base + "/Media"); // absolute
    EXPECT_EQ(FindPathIgnoringCase(base, "media/none.mol"), "");
    EXPECT_EQ(FindPathIgnoringCase(base, "\\/"), "");
}
