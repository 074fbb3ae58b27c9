#include "installer/package/SetupTexts.h"
#include "installer/package/PackageReader.h"

#include <gtest/gtest.h>

using namespace package;

class SetupTexts : public ::testing::Test {
protected:
    void SetUp() override {
        Reader().LanguageCode = "HUN";
        Reader().LanguageTexts = {"1000=%s program telepítése", "1006=Nem létezik.|Létrehozza?",
                                  "1021=Felhasználói szerződés", "1022= A szerződést elfogadom.",
                                  "1030="};
    }
    void TearDown() override { ResetReader(); }
};

TEST_F(SetupTexts, GetTextFallsBackAndBreaksLines) {
    EXPECT_EQ(GetText("1006", "Path not exists."), "Nem létezik.\rLétrehozza?");
    EXPECT_EQ(GetText("1022", ""), " A szerződést elfogadom."); // not trimmed
    EXPECT_EQ(GetText("1030", "Unzip|data"), "Unzip\rdata");    // empty text: the default
    EXPECT_EQ(GetText("9999", "Attention"), "Attention");
}

TEST_F(SetupTexts, ResolveText) {
    struct Case {
        const char* value;
        const char* expected;
    } cases[] = {
        {"EULA_[LNG].txt", "EULA_HUN.txt"},
        {"[lng]/[Lng]", "HUN/HUN"},
        {"#1021", "Felhasználói szerződés"},
        {"#9999", "#9999"}, // a missing id shows the reference itself
        {"#[LNG]", "#HUN"},
        {"plain text", "plain text"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveText(c.value), c.expected) << c.value;
}
