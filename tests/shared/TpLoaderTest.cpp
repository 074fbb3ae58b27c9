#include "shared/TpLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> AllFields(TpLoader& loader, const std::string& line) {
    loader.SetLine(line);
    std::vector<std::string> fields;
    while (loader.HasMore())
        fields.push_back(loader.NextField());
    return fields;
}

using Fields = std::vector<std::string>;

} // namespace

TEST(TpLoader, EditorReadsADefinitionLine) {
    TpLoader loader('\t');
    loader.SetLine("6\tC\t#navy\t1,8");
    EXPECT_EQ(loader.NextInt(), 6);
    EXPECT_EQ(loader.NextField(), "C");
    EXPECT_EQ(loader.NextField(), "navy");
    EXPECT_DOUBLE_EQ(loader.NextFloat(), 1.8);
    EXPECT_FALSE(loader.HasMore());
    EXPECT_EQ(loader.NextField(), "");
}

TEST(TpLoader, EditorStripsOneLeadingAndOneTrailingMark) {
    struct Case {
        const char* line;
        Fields fields;
    } cases[] = {
        {"a,,b", {"a", "", "b"}},
        {"'',#x#,'a", {"", "x", "a"}},
        {"''x'',#", {"'x'", ""}},
        {"a\"b,\"c\"", {"a\"b", "\"c\""}}, // no quote character in this variant
        {" a , b", {" a ", " b"}},         // no trimming
        {"a,b,", {"a", "b"}},              // a final delimiter ends the line
    };
    TpLoader loader(',');
    for (const Case& c : cases)
        EXPECT_EQ(AllFields(loader, c.line), c.fields) << c.line;
}

TEST(TpLoader, InstallerQuoteProtectsDelimiters) {
    struct Case {
        const char* line;
        Fields fields;
    } cases[] = {
        {R"("a|b"|c)", {"a|b", "c"}},
        {R"("open|x)", {"open|"}},               // never closed: first and last char go
        {R"(ab"c|d"e|f)", {R"(ab"c|d"e)", "f"}}, // a quote inside stays in the field
        {R"("SYS\a.lng"|"%DST%\a.lng")", {R"(SYS\a.lng)", R"(%DST%\a.lng)"}},
        {R"(")", {""}},
        {"'a'|#b#", {"'a'", "#b#"}}, // marks are the editor's, not the installer's
    };
    TpLoader loader('|');
    loader.SetQuoteChar('"');
    for (const Case& c : cases)
        EXPECT_EQ(AllFields(loader, c.line), c.fields) << c.line;
}

TEST(TpLoader, InstallerWithoutQuoteKeepsFieldsAsTheyAre) {
    TpLoader loader(',', TpLoader::TVariant::Installer);
    EXPECT_EQ(AllFields(loader, "'base',#docs#,\"x\""), (Fields{"'base'", "#docs#", "\"x\""}));
}

TEST(TpLoader, NumbersFallBackToZero) {
    TpLoader loader(';');
    loader.SetLine(" -7;12 ;;x1;word;2,5E1; 3.5");
    EXPECT_EQ(loader.NextInt(), -7);
    EXPECT_EQ(loader.NextInt(), 0); // trailing space
    EXPECT_EQ(loader.NextInt(), 0); // empty
    EXPECT_EQ(loader.NextInt(), 0);
    EXPECT_EQ(loader.NextFloat(), 0);
    EXPECT_DOUBLE_EQ(loader.NextFloat(), 25);
    EXPECT_DOUBLE_EQ(loader.NextFloat(), 3.5);
    EXPECT_EQ(loader.NextInt(), 0); // past the end
}

TEST(TpLoader, ZeroDelimiterMeansCaret) {
    TpLoader loader('\0');
    EXPECT_EQ(AllFields(loader, "a^b"), (Fields{"a", "b"}));
}
