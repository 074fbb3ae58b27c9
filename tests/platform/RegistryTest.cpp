#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::string_literals;
using platform::Registry;
using platform::RegistryRoot;

namespace {

constexpr RegistryRoot HKLM = RegistryRoot::LocalMachine;
constexpr RegistryRoot HKCU = RegistryRoot::CurrentUser;
constexpr RegistryRoot HKCR = RegistryRoot::ClassesRoot;

std::string Read(const Registry& reg, RegistryRoot root, const char* key, const char* name) {
    std::string value;
    return reg.ReadString(root, key, name, value) ? value : "<missing>";
}

} // namespace

TEST(Registry, ValuesSurviveAReopenInReadableForm) {
    TestDir dir;
    Registry reg;
    EXPECT_EQ(reg.File(), dir.Path("registry.reg"));
    ASSERT_TRUE(reg.WriteString(HKLM, "Software\\Tevano\\TevanoChem\\1.0", "Language", "HUN"));
    ASSERT_TRUE(reg.WriteInteger(HKCU, "Software\\Tevano", "Count", -2));
    ASSERT_TRUE(reg.WriteBool(HKCU, "Software\\Tevano", "Shown", true));
    ASSERT_TRUE(reg.WriteString(HKCR, "TEVANO_CHEM\\Shell\\Open\\Command", "", "x \"%1\""));

    Registry again(dir.Path("registry.reg"));
    EXPECT_EQ(Read(again, HKLM, "Software\\Tevano\\TevanoChem\\1.0", "Language"), "HUN");
    int32_t n = 0;
    EXPECT_TRUE(again.ReadInteger(HKCU, "Software\\Tevano", "Count", n));
    EXPECT_EQ(n, -2);
    EXPECT_TRUE(again.ReadInteger(HKCU, "Software\\Tevano", "Shown", n));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(Read(again, HKCR, "TEVANO_CHEM\\Shell\\Open\\Command", ""), "x \"%1\"");
    // Writing a value creates the parents of its key; the same name in another root is
    // another value.
    EXPECT_TRUE(again.KeyExists(HKLM, "Software\\Tevano"));
    EXPECT_FALSE(again.ValueExists(HKCU, "Software\\Tevano\\TevanoChem\\1.0", "Language"));

    const std::string text = dir.Read("registry.reg");
    EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Tevano\\TevanoChem\\1.0]\r\n"
                        "\"Language\"=\"HUN\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"Count\"=dword:fffffffe"), std::string::npos);
    EXPECT_NE(text.find("@=\"x \\\"%1\\\"\""), std::string::npos);
}

TEST(Registry, KeysAndValueNamesIgnoreLetterCase) {
    TestDir dir;
    Registry reg;
    ASSERT_TRUE(reg.WriteString(HKLM, "Software\\Tevano", "DocPath", "/a"));
    ASSERT_TRUE(reg.WriteString(HKLM, "SOFTWARE\\TEVANO\\", "docpath", "/b"));
    EXPECT_EQ(Read(reg, HKLM, "software\\tevano", "DOCPATH"), "/b");
    // The first spelling of key and value is kept.
    const std::string text = dir.Read("registry.reg");
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Tevano]\r\n\"DocPath\"=\"/b\""),
              std::string::npos);
    EXPECT_EQ(text.find("TEVANO]"), std::string::npos);
}

TEST(Registry, EscapedCharactersRoundTrip) {
    TestDir dir;
    Registry reg;
    const std::string tricky = "C:\\Program Files\\\"q\" ] = \\\"\r\nnext \\n";
    ASSERT_TRUE(reg.WriteString(HKCU, "K", "a \"name\" \\ =", tricky));
    ASSERT_TRUE(reg.WriteString(HKCU, "K", "after", "ok"));
    Registry again(reg.File());
    EXPECT_EQ(Read(again, HKCU, "K", "a \"name\" \\ ="), tricky);
    EXPECT_EQ(Read(again, HKCU, "K", "after"), "ok");
}

TEST(Registry, OpenKeyCreatesOnlyWhenAsked) {
    TestDir dir;
    Registry reg;
    EXPECT_FALSE(reg.OpenKey(HKLM, "Software\\New", false));
    EXPECT_FALSE(reg.KeyExists(HKLM, "Software\\New"));
    EXPECT_TRUE(reg.OpenKey(HKLM, "Software\\New", true));
    EXPECT_TRUE(reg.OpenKey(HKLM, "software\\new", false));
    // An empty key survives a reopen.
    EXPECT_TRUE(Registry(reg.File()).KeyExists(HKLM, "Software\\New"));
    // No root, no key name, or a line break in the name: nothing happens.
    EXPECT_FALSE(reg.OpenKey(RegistryRoot::None, "Software", true));
    EXPECT_FALSE(reg.OpenKey(HKLM, "", true));
    EXPECT_FALSE(reg.WriteString(HKLM, "A]\r\n[HKEY_CURRENT_USER\\B", "x", "y"));
    EXPECT_FALSE(reg.KeyExists(HKCU, "B"));
}

TEST(Registry, DeleteValueAndKeyWithSubkeys) {
    TestDir dir;
    Registry reg;
    ASSERT_TRUE(reg.WriteString(HKCR, "TEVANO_PDB\\Shell\\Open\\Command", "", "cmd"));
    ASSERT_TRUE(reg.WriteString(HKCR, "TEVANO_PDB", "", "Molecule"));
    ASSERT_TRUE(reg.WriteString(HKCR, "TEVANO_PDBX", "", "kept"));
    ASSERT_TRUE(reg.WriteString(HKCR, ".pdb", "", "TEVANO_PDB"));

    EXPECT_TRUE(reg.DeleteValue(HKCR, ".pdb", ""));
    EXPECT_FALSE(reg.DeleteValue(HKCR, ".pdb", ""));
    EXPECT_TRUE(reg.KeyExists(HKCR, ".pdb"));

    EXPECT_TRUE(reg.DeleteKey(HKCR, "tevano_pdb"));
    EXPECT_FALSE(reg.KeyExists(HKCR, "TEVANO_PDB\\Shell\\Open\\Command"));
    EXPECT_FALSE(reg.KeyExists(HKCR, "TEVANO_PDB\\Shell"));
    EXPECT_FALSE(reg.KeyExists(HKCR, "TEVANO_PDB"));
    EXPECT_EQ(Read(reg, HKCR, "TEVANO_PDBX", ""), "kept");
    EXPECT_FALSE(reg.DeleteKey(HKCR, "TEVANO_PDB"));
}

TEST(Registry, TwoProcessesWritingAtOnceLoseNothing) {
    TestDir dir;
    constexpr int Rounds = 40;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Registry reg;
        bool ok = true;
        for (int i = 0; i < Rounds; ++i)
            ok = reg.WriteInteger(HKCU, "Child", "v" + std::to_string(i), i) && ok;
        ::_exit(ok ? 0 : 1);
    }
    Registry reg;
    for (int i = 0; i < Rounds; ++i)
        EXPECT_TRUE(reg.WriteInteger(HKLM, "Parent", "v" + std::to_string(i), i));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (int i = 0; i < Rounds; ++i) {
        const std::string name = "v" + std::to_string(i);
        EXPECT_TRUE(reg.ValueExists(HKCU, "Child", name)) << name;
        EXPECT_TRUE(reg.ValueExists(HKLM, "Parent", name)) << name;
    }
}

TEST(Registry, DamagedFileIsReadTolerantlyAndForeignValuesKept) {
    TestDir dir;
    dir.Write("registry.reg", "garbage before any key\n"
                              "\"Orphan\"=\"no key\"\n"
                              "[HKEY_CURRENT_USER\\Good]\r\n"
                              "\"A\"=\"1\"\n"
                              "\"Unclosed\"=\"rest of line\n"
                              "not a value line\n"
                              "\"Bin\"=hex:01,02,\\\n"
                              "  03\n"
                              "\"Bad\"=dword:xyz\n"
                              "[HKEY_NOWHERE\\Lost]\n"
                              "\"B\"=\"2\"\n"
                              "[HKEY_CURRENT_USER\\Half\n"
                              "\"C\"=\"3\"\n"
                              "\0\xff\x01["s);
    Registry reg;
    EXPECT_EQ(Read(reg, HKCU, "Good", "A"), "1");
    EXPECT_EQ(Read(reg, HKCU, "Good", "Unclosed"), "rest of line");
    EXPECT_FALSE(reg.KeyExists(HKCU, "Half"));
    EXPECT_FALSE(reg.ValueExists(HKCU, "Good", "C"));
    // A value of a kind the store does not read is kept through a change.
    EXPECT_TRUE(reg.ValueExists(HKCU, "Good", "Bin"));
    EXPECT_TRUE(reg.ValueExists(HKCU, "Good", "Bad"));
    ASSERT_TRUE(reg.WriteString(HKCU, "Good", "New", "n"));
    EXPECT_NE(dir.Read("registry.reg").find("\"Bin\"=hex:01,02,\\\r\n  03"), std::string::npos);
    EXPECT_EQ(Read(reg, HKCU, "Good", "A"), "1");
}

TEST(Registry, ContinuedValueAtTheEndTakesNoLaterLine) {
    TestDir dir;
    dir.Write("registry.reg", "[HKEY_CURRENT_USER\\K]\r\n\"Bin\"=hex:01,\\");
    Registry reg;
    ASSERT_TRUE(reg.WriteString(HKCU, "K", "Next", "kept"));
    ASSERT_TRUE(reg.WriteString(HKCU, "K", "Other", "kept too"));
    EXPECT_EQ(Read(reg, HKCU, "K", "Next"), "kept");
    EXPECT_TRUE(reg.ValueExists(HKCU, "K", "Bin"));
}

TEST(SystemFolders, RegistryValuesWinOverTheDesktopDefaults) {
    TestDir dir;
    Registry reg;
    EXPECT_FALSE(platform::DesktopFolder(reg).empty());
    EXPECT_FALSE(platform::ProgramFilesFolder(reg).empty());
    EXPECT_EQ(platform::SharedDocumentsFolder(reg), "");

    ASSERT_TRUE(reg.WriteString(HKCU, platform::ShellFoldersKey, "Desktop", "/d/desk/"));
    ASSERT_TRUE(reg.WriteString(HKCU, platform::ShellFoldersKey, "Programs", "/d/menu"));
    ASSERT_TRUE(reg.WriteString(HKCU, platform::ShellFoldersKey, "Personal", "/d/docs"));
    ASSERT_TRUE(reg.WriteString(HKLM, platform::ShellFoldersKey, "Common Documents", "/d/all"));
    ASSERT_TRUE(reg.WriteString(HKLM, platform::CurrentVersionKey, "ProgramFilesDir", "/d/p"));
    EXPECT_EQ(platform::DesktopFolder(reg), "/d/desk");
    EXPECT_EQ(platform::StartMenuFolder(reg), "/d/menu");
    EXPECT_EQ(platform::PersonalFolder(reg), "/d/docs");
    EXPECT_EQ(platform::SharedDocumentsFolder(reg), "/d/all");
    EXPECT_EQ(platform::ProgramFilesFolder(reg), "/d/p");
}
