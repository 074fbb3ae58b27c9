#include "WizardFixture.h"
#include "installer/wizard/JobList.h"

#include <unistd.h>

using namespace wizard;

class WildcardCopiesTest : public WizardTest {
protected:
    void SetUp() override {
        // On disk in lower case, while the script writes DATA.
        dir.Write("media/data/top.txt", "1234");
        dir.Write("media/data/a/mid.chem", "12");
        dir.Write("media/data/a/b/Deep (1).mol", "123");
        dir.Write("media/data/c/last.pdb", "1");
        dir.Write("media/other/sub/x.txt", "x");
    }
};

TEST_F(WildcardCopiesTest, SubfoldersFollowTheWildcardLineParentsFirst) {
    Lines script{"MAKEDIR(%DSTROOT%\\DATA)->MOLEC",
                 "COPY(\"%SRCROOT%\\DATA\\*.*\"|\"%DSTROOT%\\DATA\\\")->MOLEC",
                 "MAKEDIR(%DSTROOT%\\END)"};
    ExpandWildcardCopies(script, MediaFolder());
    const Lines expected{"MAKEDIR(%DSTROOT%\\DATA)->MOLEC",
                         "COPY(\"%SRCROOT%\\DATA\\*.*\"|\"%DSTROOT%\\DATA\\\")->MOLEC",
                         "MAKEDIR(%DSTROOT%\\DATA\\a)->MOLEC",
                         "COPY(\"%SRCROOT%\\DATA\\a\\*.*\"|\"%DSTROOT%\\DATA\\a\\\")->MOLEC",
                         "MAKEDIR(%DSTROOT%\\DATA\\a\\b)->MOLEC",
                         "COPY(\"%SRCROOT%\\DATA\\a\\b\\*.*\"|\"%DSTROOT%\\DATA\\a\\b\\\")->MOLEC",
                         "MAKEDIR(%DSTROOT%\\DATA\\c)->MOLEC",
                         "COPY(\"%SRCROOT%\\DATA\\c\\*.*\"|\"%DSTROOT%\\DATA\\c\\\")->MOLEC",
                         "MAKEDIR(%DSTROOT%\\END)"};
    EXPECT_EQ(script, expected);

    // Expanded, every file of the tree is copied from where it lies.
    const Lines variables{"%DSTROOT%=/opt/T", "%SRCROOT%=" + ExcludeSlash(MediaFolder())};
    const Lines associations;
    const JobContext context{variables, MediaFolder(), associations, {}, "MOLEC,"};
    JobList jobs;
    for (const std::string& line : script)
        jobs.ExpandJobLine(line, context);
    const std::string data = MediaFolder() + "data/";
    const Lines records{"MAKEDIR|/opt/T\\DATA|1->MOLEC",
                        "COPY|\"" + data + "top.txt\"|\"/opt/T\\DATA\\top.txt\"|4->MOLEC",
                        "MAKEDIR|/opt/T\\DATA\\a|1->MOLEC",
                        "COPY|\"" + data + "a/mid.chem\"|\"/opt/T\\DATA\\a\\mid.chem\"|2->MOLEC",
                        "MAKEDIR|/opt/T\\DATA\\a\\b|1->MOLEC",
                        "COPY|\"" + data +
                            "a/b/Deep (1).mol\"|\"/opt/T\\DATA\\a\\b\\Deep (1).mol\"|3->MOLEC",
                        "MAKEDIR|/opt/T\\DATA\\c|1->MOLEC",
                        "COPY|\"" + data + "c/last.pdb\"|\"/opt/T\\DATA\\c\\last.pdb\"|1->MOLEC",
                        "MAKEDIR|/opt/T\\END|1"};
    EXPECT_EQ(jobs.Records, records);
    EXPECT_EQ(jobs.TotalWeight, 5 + 4 + 2 + 3 + 1);
}

TEST_F(WildcardCopiesTest, DestinationOutsideTheMirroredFolderAndOtherSources) {
    Lines script{"COPY(\"%SRCROOT%\\data\\a\\*.*\"|\"%DSTROOT%\\Samples\\\")",
                 // Not below the installer's folder: left as it is.
                 "COPY(\"/elsewhere/*.*\"|\"%DSTROOT%\\\")",
                 "COPY(\"%SRCROOT%\\data\\..\\..\\*.*\"|\"%DSTROOT%\\\")",
                 // Relative sources are below the installer's folder too.
                 "COPY(\"OTHER\\*.*\"|\"%DSTROOT%\\OTHER\\\")",
                 "COPY(\"%SRCROOT%\\nothing\\*.*\"|\"%DSTROOT%\\nothing\\\")",
                 "COPY(\"%SRCROOT%\\data\\a\\*.*\"|\"%dstroot%\")"};
    ExpandWildcardCopies(script, MediaFolder());
    // The subfolders go below the folder that receives the files of data\a.
    const Lines expected{"COPY(\"%SRCROOT%\\data\\a\\*.*\"|\"%DSTROOT%\\Samples\\\")",
                         "MAKEDIR(%DSTROOT%\\SAMPLES\\b)",
                         "COPY(\"%SRCROOT%\\DATA\\A\\b\\*.*\"|\"%DSTROOT%\\SAMPLES\\b\\\")",
                         "COPY(\"/elsewhere/*.*\"|\"%DSTROOT%\\\")",
                         "COPY(\"%SRCROOT%\\data\\..\\..\\*.*\"|\"%DSTROOT%\\\")",
                         "COPY(\"OTHER\\*.*\"|\"%DSTROOT%\\OTHER\\\")",
                         "MAKEDIR(%DSTROOT%\\OTHER\\sub)",
                         "COPY(\"%SRCROOT%\\OTHER\\sub\\*.*\"|\"%DSTROOT%\\OTHER\\sub\\\")",
                         "COPY(\"%SRCROOT%\\nothing\\*.*\"|\"%DSTROOT%\\nothing\\\")",
                         "COPY(\"%SRCROOT%\\data\\a\\*.*\"|\"%dstroot%\")",
                         "MAKEDIR(%DSTROOT%\\b)",
                         "COPY(\"%SRCROOT%\\DATA\\A\\b\\*.*\"|\"%DSTROOT%\\b\\\")"};
    EXPECT_EQ(script, expected);
}

TEST_F(WildcardCopiesTest, AFolderLinkedBackIntoTheTreeEnds) {
    ASSERT_EQ(::symlink("..", dir.Path("media/data/a/up").c_str()), 0);
    Lines script{"COPY(\"%SRCROOT%\\DATA\\*.*\"|\"%DSTROOT%\\DATA\\\")"};
    ExpandWildcardCopies(script, MediaFolder());
    // Each real folder is listed once, whichever way it was reached.
    EXPECT_LT(script.size(), 20u);
    EXPECT_EQ(script.size() % 2, 1u);
}
