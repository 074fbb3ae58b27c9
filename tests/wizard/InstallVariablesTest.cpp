#include "installer/wizard/InstallVariables.h"
#include "platform/SystemFolders.h"
#include "support/TempDir.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace wizard;
using platform::RegistryRoot;

TEST(PathHelpers, IncludeAndExcludeSlash) {
    struct Case {
        const char* path;
        const char* included;
        const char* excluded;
    };
    const Case cases[] = {
        {"", "", ""},
        {"/opt/Tevano", "/opt/Tevano/", "/opt/Tevano"},
        {"/opt/Tevano/", "/opt/Tevano/", "/opt/Tevano"},
        {"C:\\Program Files\\", "C:\\Program Files\\", "C:\\Program Files"},
        {"C:\\", "C:\\", "C:"}, // a drive root loses its backslash
        {"/", "/", ""},
        {"a//", "a//", "a/"}, // one character only
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IncludeSlash(c.path), c.included) << c.path;
        EXPECT_EQ(ExcludeSlash(c.path), c.excluded) << c.path;
    }
    EXPECT_EQ(IncludeSlash("Software\\Tevano", '\\'), "Software\\Tevano\\");
}

TEST(PathHelpers, ReplaceTextIgnoresCase) {
    EXPECT_EQ(ReplaceText("%dstroot%\\a %DSTROOT%", "%DSTROOT%", "/d", true), "/d\\a /d");
    EXPECT_EQ(ReplaceText("xAx", "a", "bb", false), "xbbx");
    EXPECT_EQ(ReplaceText("aaa", "a", "b", false), "baa");
    EXPECT_EQ(ReplaceText("aaa", "", "b", true), "aaa");
    // A replacement is not searched again.
    EXPECT_EQ(ReplaceText("%A%", "%a%", "%A%%A%", true), "%A%%A%");
}

TEST(PathHelpers, RootKeyOf) {
    EXPECT_EQ(RootKeyOf("machine"), RegistryRoot::LocalMachine);
    EXPECT_EQ(RootKeyOf("MACHINE"), RegistryRoot::LocalMachine);
    EXPECT_EQ(RootKeyOf("User"), RegistryRoot::CurrentUser);
    EXPECT_EQ(RootKeyOf("CLASSES"), RegistryRoot::ClassesRoot);
    EXPECT_EQ(RootKeyOf("HKLM"), RegistryRoot::None);
    EXPECT_EQ(RootKeyOf(" MACHINE"), RegistryRoot::None);
}

TEST(PathHelpers, WaitMsHandlesPendingEvents) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    WaitMs(20);
    EXPECT_TRUE(fired);
}

TEST(Expansion, VariablesAreReplacedIgnoringCase) {
    const Lines vars{"%DSTROOT%=/opt/Tevano", "%PROJECT_NAME%= Tevano Chemistry ",
                     "%WEIRD%=/media/a=b"};
    EXPECT_EQ(ExpandVariables(vars, "%DSTROOT%\\SYSTEM"), "/opt/Tevano\\SYSTEM");
    EXPECT_EQ(ExpandVariables(vars, "%dstroot%\\SYSTEM"), "/opt/Tevano\\SYSTEM");
    EXPECT_EQ(ExpandVariables(vars, "[%PROJECT_NAME%] %1"), "[Tevano Chemistry] %1");
    EXPECT_EQ(ExpandVariablesUnquoted(vars, "[%PROJECT_NAME%]"), "[ Tevano Chemistry ]");
    // A folder that contains '=' stays whole.
    EXPECT_EQ(ExpandVariables(vars, "%WEIRD%\\x"), "/media/a=b\\x");
}

TEST(Expansion, UnquotedDropsTheOuterCharacters) {
    const Lines vars{"%DSTROOT%=/opt/Tevano"};
    EXPECT_EQ(ExpandVariablesUnquoted(vars, "\"%DSTROOT%\\a b\""), "/opt/Tevano\\a b");
    EXPECT_EQ(ExpandVariablesUnquoted(vars, "\"%DSTROOT%\\ab"), "/opt/Tevano\\a");
    EXPECT_EQ(ExpandVariablesUnquoted(vars, "\""), "");
    EXPECT_EQ(ExpandVariablesUnquoted(vars, "a\"b\""), "a\"b\"");
}

class BuildVariablesTest : public ::testing::Test {
protected:
    VariableSources Sources() const {
        VariableSources s;
        s.Destination = "/opt/Tevano/";
        s.TempFolder = "/tmp/";
        s.SourceFolder = "/media/cd/";
        s.ProjectGroup = "Tevano";
        s.ProjectName = "Tevano Chemistry";
        s.ProjectId = "TevanoChem";
        s.ProjectVer = "1.0";
        s.ProjectKey = "Software\\Tevano\\TevanoChem\\1.0\\";
        s.StartMenuFolder = "/menu/";
        s.DesktopFolder = "/desk/";
        s.LanguageCode = "HUN";
        s.OpenVerb = "Megnyit\xe1s";
        s.DocChoiceEnabled = true;
        return s;
    }
    std::string Value(const Lines& vars, const std::string& name) {
        for (const std::string& line : vars)
            if (line.rfind(name + "=", 0) == 0)
                return line.substr(name.size() + 1);
        return "<none>";
    }
    TestDir dir;
    platform::Registry registry;
};

TEST_F(BuildVariablesTest, ValuesAreSortedWithoutTrailingSeparators) {
    std::string docFolder;
    const Lines vars = BuildVariables(Sources(), registry, docFolder);
    const Lines expected{
        "%DESKTOP%=/desk",         "%DOCPATH%=/opt/Tevano",
        "%DSTROOT%=/opt/Tevano",   "%LANGUAGE%=HUN",
        "%OPEN%=Megnyit\xe1s",     "%PROJECT_GROUP%=Tevano",
        "%PROJECT_ID%=TevanoChem", "%PROJECT_NAME%=Tevano Chemistry",
        "%PROJECT_VER%=1.0",       "%PROJECTKEY%=Software\\Tevano\\TevanoChem\\1.0\\",
        "%SRCROOT%=/media/cd",     "%STARTMENU%=/menu",
        "%TEMPPATH%=/tmp"};
    EXPECT_EQ(vars, expected);
    EXPECT_EQ(docFolder, "/opt/Tevano/");
}

TEST_F(BuildVariablesTest, DocumentsFolderFollowsTheChoice) {
    ASSERT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, platform::ShellFoldersKey,
                                     "Personal", "/home/u/Docs"));
    struct Case {
        bool enabled;
        DocChoice choice;
        const char* docPath;
    };
    const Case cases[] = {
        {true, DocChoice::Program, "/opt/Tevano"},
        {true, DocChoice::Documents, "/home/u/Docs"},
        // No shared documents folder on this system: the destination.
        {true, DocChoice::Shared, "/opt/Tevano"},
        // The choice counts only when the setup enables the documents page.
        {false, DocChoice::Documents, "/opt/Tevano"},
    };
    for (const Case& c : cases) {
        VariableSources s = Sources();
        s.DocChoiceEnabled = c.enabled;
        s.Doc = c.choice;
        std::string docFolder;
        EXPECT_EQ(Value(BuildVariables(s, registry, docFolder), "%DOCPATH%"), c.docPath);
        EXPECT_EQ(docFolder, std::string(c.docPath) + "/");
    }
    ASSERT_TRUE(registry.WriteString(RegistryRoot::LocalMachine, platform::ShellFoldersKey,
                                     "Common Documents", "/srv/shared/"));
    VariableSources s = Sources();
    s.Doc = DocChoice::Shared;
    std::string docFolder;
    EXPECT_EQ(Value(BuildVariables(s, registry, docFolder), "%DOCPATH%"), "/srv/shared");
}
