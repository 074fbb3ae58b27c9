// Language files: loading, the LNG entry, the character set and the lookup rule.
#include "editor/texts/LanguageTexts.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class LanguageTextsTest : public ::testing::Test {
protected:
    TestDir dir;

    void WriteLanguage(const std::string& name, const std::string& lines) {
        dir.Write(name, lines);
    }
};

TEST_F(LanguageTextsTest, LookupFollowsTheRulesOfTheFile) {
    WriteLanguage("tevanochem_TST.lng", "// Comment line\r\n"
                                        "Language=Test\r\n"
                                        "1001=\r\n"
                                        "1024=First line|second line\r\n"
                                        "1030=Molecules (*.chem)|*.chem\r\n"
                                        "mb_yesno=&Igen|&Nem\r\n"
                                        " 105=spaced key\r\n");
    LoadLanguage(dir.Path(), "TST");
    struct Case {
        const char* key;
        const char* fallback;
        const char* expected;
    } cases[] = {
        {"1001", "Create new molecule", "Create new molecule"}, // empty value
        {"1002", "Load molecule", "Load molecule"},             // missing key
        {"1024", "", "First line\rsecond line"},
        {"MB_YESNO", "&Yes|&No", "&Igen\r&Nem"}, // key case ignored
        {"LANGUAGE", "", "Test"},
        {"105", "modified", "modified"}, // spaces are part of the key
        {"// Comment line", "x", "x"},   // a line without '=' never matches
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetText(c.key, c.fallback), c.expected) << c.key;
    // A filter text gets its bars back before it goes to a file dialog.
    EXPECT_EQ(ReplaceChar(GetText("1030", ""), '\r', '|'), "Molecules (*.chem)|*.chem");
}

TEST_F(LanguageTextsTest, LoaderSetsCodeLngAndSortedOrder) {
    WriteLanguage("tevanochem_TST.lng", "b=2\r\nLNG=XXX\r\nA=1\r\n");
    LoadLanguage(dir.Path(), "TST");
    EXPECT_EQ(LanguageCode, "TST");
    EXPECT_EQ(LanguageTexts, (std::vector<std::string>{"A=1", "b=2", "LNG=TST"}));
}

TEST_F(LanguageTextsTest, DuplicateKeyTakesTheEntryThatSortsFirst) {
    WriteLanguage("tevanochem_TST.lng", "1001=zeta\r\n1001=Alpha\r\n");
    LoadLanguage(dir.Path(), "TST");
    EXPECT_EQ(GetText("1001", ""), "Alpha");
}

TEST_F(LanguageTextsTest, FileNameIsFoundIgnoringCase) {
    // The shipped file is spelt tevanoChem_HUN.lng; the loader builds tevanochem_HUN.lng.
    WriteLanguage("tevanoChem_HUN.lng", "Language=Magyar\r\n");
    LoadLanguage(dir.Path(), "HUN");
    EXPECT_EQ(GetText("Language", ""), "Magyar");
    EXPECT_EQ(GetText("LNG", ""), "HUN");
}

TEST_F(LanguageTextsTest, MissingFileGivesEnglishDefaults) {
    for (const std::string code : {"XYZ", ""}) {
        LoadLanguage(dir.Path(), code);
        EXPECT_EQ(LanguageCode, code);
        EXPECT_EQ(LanguageTexts, (std::vector<std::string>{"CHARSET=1", "LNG=ENG"}));
        EXPECT_EQ(DialogCharset, 1);
        EXPECT_EQ(GetText("103", "Error"), "Error");
    }
}

TEST_F(LanguageTextsTest, DialogCharsetFromTheFile) {
    struct Case {
        const char* lines;
        int charset;
    } cases[] = {
        {"CharSet=1\r\n", 1},
        {"charset=204\r\n", 204},              // key case ignored
        {"CherSet=1\r\n", 238},                // misspelt key: the default
        {"CharSet=Latin\r\n", 238},            // not a number: the default
        {"CharSet=186\r\nCharSet=1\r\n", 186}, // first in file order, before sorting
    };
    for (const Case& c : cases) {
        WriteLanguage("tevanochem_TST.lng", c.lines);
        LoadLanguage(dir.Path(), "TST");
        EXPECT_EQ(DialogCharset, c.charset) << c.lines;
    }
}

} // namespace
