#include "platform/Numbers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace platform;

TEST(ParseNumber, AcceptsTheSharedShapeOnly) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"1.25", true, 1.25}, {"-3,2475", true, -3.2475},
        {"  +7", true, 7},    {"1.5E-007", true, 1.5e-7},
        {"2e3", true, 2000},  {".5", true, 0.5},
        {"5.", true, 5},      {"", false, 0},
        {" ", false, 0},      {"1.2.3", false, 0},
        {"1,2,3", false, 0},  {"1 ", false, 0},
        {"abc", false, 0},    {"1e", false, 0},
        {"1e+", false, 0},    {"--1", false, 0},
        {"1e999", false, 0},  {"1e-999", true, 0},
        {"0x10", false, 0},   {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const Case& c : cases) {
        double v = -99;
        EXPECT_EQ(ParseNumber(c.text, v), c.ok) << c.text;
        if (c.ok)
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        else
            EXPECT_EQ(v, -99) << c.text;
    }
}

TEST(ParseInt, DecimalWithSpacesAndSignHexOnlyWhenAsked) {
    struct Case {
        const char* text;
        bool hex;
        bool ok;
        int32_t value;
    } cases[] = {
        {"12", false, true, 12},
        {"  -5", false, true, -5},
        {"+3", false, true, 3},
        {"5 ", false, false, 0},
        {"", false, false, 0},
        {"M    1", false, false, 0},
        {"2147483647", false, true, 2147483647},
        {"2147483648", false, false, 0},
        {"$FF", false, false, 0},
        {"$FF", true, true, 255},
        {"$FFFFFFFF", true, true, -1},
        {"$", true, false, 0},
    };
    for (const Case& c : cases) {
        int32_t v = -99;
        EXPECT_EQ(ParseInt(c.text, v, c.hex), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : -99) << c.text;
    }
}

TEST(FormatGeneral, FifteenDigitsFixedOrScientific) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {1.25, "1.25"},
        {-0.476, "-0.476"},
        {0.0900000000000001, "0.0900000000000001"},
        {1.5e-7, "1.5E-007"},
        {0.0001, "0.0001"},
        {0.00009, "9E-005"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E015"},
        {-2.5e20, "-2.5E020"},
        {100, "100"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {-1e-5 / 3, "-3.33333333333333E-006"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGeneral(c.value, '.'), c.text) << c.value;
    EXPECT_EQ(FormatGeneral(-0.0934999999999998, ','), "-0,0934999999999998");
    EXPECT_EQ(FormatGeneral(1.5e-7, ','), "1,5E-007");
}

TEST(FormatGeneral, WrittenTextsReadBackExactly) {
    for (double v : {-0.0934999999999998, 1.5e-7, 3.14159265358979, -123.456, 1e-300}) {
        double back = 0;
        ASSERT_TRUE(ParseNumber(FormatGeneral(v, ','), back));
        EXPECT_DOUBLE_EQ(back, v);
    }
}

TEST(LocaleDecimalSeparator, FollowsTheDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(LocaleDecimalSeparator(), '.');
    QLocale::setDefault(saved);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        int32_t rounded;
    } cases[] = {{0.5, 0},    {1.5, 2},           {2.5, 2},
                 {-0.5, 0},   {-1.5, -2},         {2.4999, 2},
                 {2.5001, 3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}
