#include "installer/package/TopIni.h"

#include <gtest/gtest.h>

using namespace package;

namespace {

const std::vector<std::string> SetupLines = {
    "CAPTION=before any section",
    "[GENERAL]",
    "PROJECT_NAME=#1000",
    "COLOR_GAUGE=$00B9B9FF",
    "EMPTY=",
    "NOEQUALS",
    "[modules]",
    "Caption=#1100",
    "ITEM1 =with a space",
    "ITEM1=first",
    "ITEM1=second",
    "  ITEM2=padded  ",
    " [MODULES]",
    "ITEM3=after an indented header",
    "",
    "[EULA]",
    "MEMO=EULA_[LNG].txt",
};

} // namespace

TEST(TopIni, SectionLines) {
    EXPECT_TRUE(IsSectionLine("[GENERAL]"));
    EXPECT_TRUE(IsSectionLine("[]"));
    EXPECT_FALSE(IsSectionLine(" [GENERAL]"));
    EXPECT_FALSE(IsSectionLine("[GENERAL] "));
    EXPECT_FALSE(IsSectionLine("["));
    EXPECT_EQ(FindSection(SetupLines, "Modules"), 6);
    EXPECT_EQ(FindSection(SetupLines, "LANGUAGES"), -1);
}

TEST(TopIni, ReadString) {
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"MODULES", "CAPTION", "#1100"}, // lower-case section, mixed-case key
        {"modules", "ITEM1", "first"},   // "ITEM1 " is another name; first match wins
        {"MODULES", "ITEM3", "after an indented header"}, // " [MODULES]" is no header
        {"MODULES", "ITEM2", "default"},                  // the name is not trimmed
        {"GENERAL", "EMPTY", ""},                         // present and empty is not the default
        {"GENERAL", "NOEQUALS", "default"},               // a line without '=' names nothing
        {"GENERAL", "MEMO", "default"},                   // the search stops at the next section
        {"START", "CAPTION", "default"}, // missing section, even with the key before all
        {"EULA", "MEMO", "EULA_[LNG].txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadString(SetupLines, c.section, c.key, "default"), c.expected)
            << c.section << "/" << c.key;
}

TEST(TopIni, ReadSectionTrimsAndSkipsEmptyLines) {
    std::vector<std::string> out = {"old"};
    ReadSection(SetupLines, "MODULES", out);
    EXPECT_EQ(out, (std::vector<std::string>{"Caption=#1100", "ITEM1 =with a space", "ITEM1=first",
                                             "ITEM1=second", "ITEM2=padded", "[MODULES]",
                                             "ITEM3=after an indented header"}));
    ReadSection(SetupLines, "LANGUAGES", out);
    EXPECT_TRUE(out.empty());
}

TEST(TopIni, SetupNumbers) {
    struct Case {
        const char* text;
        bool isNumber;
        int32_t value;
    } cases[] = {
        {"$00B9B9FF", true, 12171775}, {"255", true, 255}, {"$ff", true, 255},
        {"12abc", false, 0},           {"", false, 0},     {"$", false, 0},
        {"$00B9B9FG", false, 0},
    };
    for (const Case& c : cases) {
        int32_t value = 0;
        EXPECT_EQ(ReadSetupNumber(c.text, value), c.isNumber) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}
