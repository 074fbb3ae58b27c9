// The element table, its lookup by symbol, the element definition file and colour texts.
#include "editor/core/Molekula.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(Elements, BuiltInTable) {
    TMolekula m;
    struct Case {
        int number;
        const char* symbol;
        TColor color;
        double size;
    } cases[] = {
        {1, "H", 0xFFFFFF, 17.0 / 15},
        {2, "HE", 0xFFFF00, 17.0 / 15},
        {6, "C", 0x707070, 23.0 / 15},
        {7, "N", 0xFF0000, 23.0 / 15},
        {8, "O", 0x0000FF, 23.0 / 15},
        {17, "CL", 0x008000, 4.0 / 3},
        {19, "K", 0x00FFFF, 2.0},
        {26, "FE", 0xC0C0C0, 17.0 / 15},
        {86, "RN", 0xFFFF00, 17.0 / 15},
        {103, "LR", 0xC0C0C0, 17.0 / 15},
        {104, "", 0, 0},
        {115, "", 0, 0},
    };
    for (const Case& c : cases) {
        const TBall& e = m.Elements[size_t(c.number)];
        EXPECT_EQ(e.Symbol, c.symbol) << c.number;
        EXPECT_EQ(e.Color, c.color) << c.number;
        EXPECT_EQ(e.Size, c.size) << c.number;
    }
}

TEST(Elements, AtomsCopyTheEntryOfTheirSymbol) {
    TMolekula m;
    struct Case {
        const char* symbol;
        const char* stored;
        TColor color;
        double size;
    } cases[] = {
        {"na", "NA", 0xC0C0C0, 17.0 / 15},
        {"Na", "NA", 0xC0C0C0, 17.0 / 15},
        {"XX", "XX", 0x808080, 1.0}, // unknown: grey, size 1, keeps its symbol
        {"", "", 0, 0},              // matches the first empty entry (104)
        {" C", " C", 0x808080, 1.0}, // compared exactly
    };
    for (const Case& c : cases) {
        const TAtom* a = m.AddAtom(-1, c.symbol, 0, 0, 0);
        EXPECT_EQ(a->Ball.Symbol, c.stored) << c.symbol;
        EXPECT_EQ(a->Ball.Color, c.color) << c.symbol;
        EXPECT_EQ(a->Ball.Size, c.size) << c.symbol;
    }
    EXPECT_FALSE(m.IsElement(""));
    EXPECT_FALSE(m.IsElement("XX"));
    EXPECT_TRUE(m.IsElement("cl"));
}

TEST(Elements, TheLowerAtomicNumberWinsADuplicateSymbol) {
    TMolekula m;
    m.Elements[110] = TBall{"C", 0x123456, 3};
    EXPECT_EQ(m.FindElement("c"), 6);
    m.Elements[3].Symbol = "C";
    EXPECT_EQ(m.FindElement("C"), 3);
}

TEST(Elements, SetAtomElementIgnoresUnknownSymbols) {
    TMolekula m;
    TAtom* a = m.AddAtom(-1, "C", 0, 0, 0);
    m.SetAtomElement(*a, "XX");
    EXPECT_EQ(a->Ball.Symbol, "C");
    m.Changed = false;
    m.SetAtomElement(*a, "o");
    EXPECT_EQ(a->Ball.Symbol, "O");
    EXPECT_EQ(a->Ball.Color, 0x0000FF);
    EXPECT_TRUE(m.Changed);
}

TEST(ParseColor, NamesNumbersComplementsAndHex) {
    struct Case {
        const char* text;
        TColor color;
    } cases[] = {
        {"", 0},
        {"navy", 0x800000},
        {"Fuchsia", 0xFF00FF},
        {"WHITE", 0xFFFFFF},
        {"C255", -256},
        {"c0", -1},
        {"CYAN", 0}, // starts with C and YAN is not a number
        {"C", 0},
        {"#FF8000", 0x0080FF},
        {"#ff8000", 0x0080FF},
        {"#FF", 0xFF}, // short: the missing digit pairs are left out
        {"#GG0000", 0},
        {"$FF0000", 0xFF0000},
        {"255", 255},
        {"-5", -5},
        {"00FF00", 0},
        {"12 ", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseColor(c.text), c.color) << c.text;
}

TEST(LoadElements, OverridesNamedEntriesOnly) {
    TestDir dir;
    const std::string file = dir.Write("TevanoChem.def", "6\tC\tnavy\t1,8\r\n"
                                                         "7\tn\tred\t7.5\r\n"
                                                         "8\tO\tred\t5\r\n"
                                                         "0\tZZ\tred\t1\r\n"
                                                         "116\tZZ\tred\t1\r\n"
                                                         "\r\n"
                                                         "x\tZZ\tred\t1\r\n"
                                                         "110\tDS\t'#FF8000'\t1.2\r\n"
                                                         "111\tRG\t#FF8000\t1.2\r\n"
                                                         "12\tMG\r\n");
    TMolekula m;
    TAtom* before = m.AddAtom(-1, "C", 0, 0, 0);
    m.LoadElements(file);

    EXPECT_EQ(before->Ball.Color, 0x707070); // atoms keep their copy
    const TAtom* carbon = m.AddAtom(-1, "C", 0, 0, 0);
    EXPECT_EQ(carbon->Ball.Color, 0x800000);
    EXPECT_DOUBLE_EQ(carbon->Ball.Size, 1.8);
    EXPECT_EQ(m.Elements[7].Symbol, "N");
    EXPECT_EQ(m.Elements[7].Size, 5.0);
    EXPECT_EQ(m.Elements[8].Size, 5.0);
    EXPECT_EQ(m.FindElement("ZZ"), 0);
    EXPECT_EQ(m.Elements[110].Color, 0x0080FF);
    EXPECT_EQ(m.Elements[111].Color, 0); // a bare '#' is stripped by the tokenizer
    EXPECT_EQ(m.Elements[12].Color, 0);
    EXPECT_EQ(m.Elements[12].Size, 0);
    EXPECT_EQ(m.Elements[1].Color, 0xFFFFFF); // not named: unchanged
}

TEST(LoadElements, MissingFileChangesNothing) {
    TestDir dir;
    TMolekula m;
    m.LoadElements(dir.Path("none.def"));
    m.LoadElements(dir.Path()); // a folder, not a file
    EXPECT_EQ(m.Elements[6].Color, 0x707070);
}
