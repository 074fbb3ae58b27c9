#include "shared/Texts.h"

#include <gtest/gtest.h>

TEST(GetField, CountsFromOneWithoutTrimming) {
    struct Case {
        const char* text;
        int n;
        const char* field;
    } cases[] = {
        {"a|b|c", 1, "a"},   {"a|b|c", 3, "c"}, {"a|b|c", 4, ""}, {"a||c", 2, ""},
        {" a |b", 1, " a "}, {"", 1, ""},       {"abc", 0, ""},   {"a|b|", 3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetField(c.text, c.n, '|'), c.field) << c.text << " #" << c.n;
}

TEST(LookupText, FirstMatchIgnoringCaseEmptyFallsBackBarsBecomeBreaks) {
    const std::vector<std::string> texts = {"// comment",   "1001=",      "charset=238",
                                            "1002=One|Two", "1002=later", "x"};
    EXPECT_EQ(LookupText(texts, "CharSet", "1"), "238");
    EXPECT_EQ(LookupText(texts, "1001", "Default"), "Default");
    EXPECT_EQ(LookupText(texts, "1002", ""), "One\rTwo");
    EXPECT_EQ(LookupText(texts, "1003", "A|B"), "A\rB");
    EXPECT_EQ(LookupText(texts, "x", "none"), "none"); // a line without '=' has no key
}
