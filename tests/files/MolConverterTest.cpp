#include "editor/files/MolConverter.h"

#include "ImportTestSupport.h"

#include <gtest/gtest.h>

using platform::Lines;

namespace {

// Three header lines, then the given lines.
Lines Molfile(std::initializer_list<std::string> body) {
    Lines lines = {"name", "  program", "comment"};
    lines.insert(lines.end(), body);
    return lines;
}

} // namespace

TEST(MolConverter, RealFileGivesEveryAtomAndBond) {
    Lines chem;
    ASSERT_EQ(ConvertMol(ReadTestLines("mol/cyclohexane.mol"), chem), MolOk);
    EXPECT_EQ(chem[0], "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_EQ(chem[1], "<tevanochem>");
    EXPECT_EQ(chem.back(), "</tevanochem>");
    EXPECT_EQ(SectionTexts(chem, "ofilename"), std::vector<std::string>{"Cyclohexane"});
    EXPECT_EQ(SectionTexts(chem, "system"), std::vector<std::string>{" OpenBabel12112614283D"});
    EXPECT_EQ(SectionTexts(chem, "title"), std::vector<std::string>{""});

    const auto atoms = SectionItems(chem, "atoms");
    ASSERT_EQ(atoms.size(), 18u);
    EXPECT_EQ(atoms[0], "id=\"1\" symbol=\"H\" x=\"1.8130\" y=\"-1.6542\" z=\"-0.2911\"");
    for (size_t i = 0; i < atoms.size(); ++i)
        EXPECT_TRUE(atoms[i].starts_with("id=\"" + std::to_string(i + 1) + "\" ")) << atoms[i];
    const auto wires = SectionItems(chem, "wires");
    ASSERT_EQ(wires.size(), 18u);
    for (const std::string& wire : wires)
        EXPECT_TRUE(wire.ends_with(" typ=\"1\"")) << wire;
    // One element per line, as the .chem reader expects.
    EXPECT_NE(std::find(chem.begin(), chem.end(),
                        "<item id=\"1\" symbol=\"H\" x=\"1.8130\" y=\"-1.6542\" z=\"-0.2911\" />"),
              chem.end());
}

TEST(MolConverter, BondTypesPassThroughAndBlankCountFieldsAreRead) {
    Lines chem;
    ASSERT_EQ(ConvertMol(ReadTestLines("mol/github360.mol"), chem), MolOk);
    EXPECT_EQ(SectionItems(chem, "atoms").size(), 10u);
    const auto wires = SectionItems(chem, "wires");
    ASSERT_EQ(wires.size(), 11u);
    EXPECT_EQ(std::count_if(wires.begin(), wires.end(),
                            [](const std::string& w) { return w.ends_with("typ=\"4\""); }),
              6);
}

TEST(MolConverter, FailuresLeaveTheOutputEmpty) {
    struct Case {
        const char* what;
        Lines input;
        int result;
    } cases[] = {
        {"no lines", {}, MolNoLines},
        {"header lines only, no counts line", {"a", "b", "c"}, MolBadCounts},
        {"counts line is a word", Molfile({"counts"}), MolBadCounts},
        {"bond count missing", Molfile({"  3"}), MolBadCounts},
        {"trailing space inside the atom count", Molfile({" 3   2"}), MolBadCounts},
        {"V3000 table", Molfile({"  0  0  0     0  0            999 V3000", "M  V30 BEGIN CTAB"}),
         MolV3000},
        {"V3000 with counts that look usable", Molfile({"  1  0  0  0  0  0            999 V3000"}),
         MolV3000},
    };
    for (const Case& c : cases) {
        Lines chem = {"stale"};
        EXPECT_EQ(ConvertMol(c.input, chem), c.result) << c.what;
        EXPECT_TRUE(chem.empty()) << c.what;
    }
    Lines chem;
    EXPECT_EQ(ConvertMol(ReadTestLines("mol/Issue3432136_2.v3k.mol"), chem), MolV3000);
}

TEST(MolConverter, FixedColumnsOfCountsAndAtomLines) {
    Lines chem;
    ASSERT_EQ(ConvertMol(Molfile({"002001", "00000.3097-0001.1116-0000.366  C",
                                  "    1,5000    0.0000   -2.0000 Cl  0  0", "  1  2  2"}),
                         chem),
              MolOk);
    EXPECT_EQ(SectionItems(chem, "atoms"),
              (std::vector<std::string>{
                  "id=\"1\" symbol=\"C\" x=\"0.3097\" y=\"-1.1116\" z=\"-0.3660\"",
                  "id=\"2\" symbol=\"Cl\" x=\"1.5000\" y=\"0.0000\" z=\"-2.0000\""}));
    EXPECT_EQ(SectionItems(chem, "wires"),
              std::vector<std::string>{"id1=\"1\" id2=\"2\" typ=\"2\""});
}

TEST(MolConverter, AtomBlockCountsEveryLineAndShortFilesKeepWhatWasRead) {
    struct Case {
        const char* what;
        Lines input;
        std::vector<std::string> atomIds;
        bool hasWires;
        size_t wires;
    } cases[] = {
        {"a line without coordinates leaves a gap in the numbering",
         Molfile({"  3  1", "    0.0000    0.0000    0.0000 C", "    x.0000    0.0000    0.0000 C",
                  "    1.0000    0.0000    0.0000 O", "  1  3  1", "M  END"}),
         {"1", "3"},
         true,
         1},
        {"fewer atom lines than announced: no wires element",
         Molfile({"  3  1", "    0.0000    0.0000    0.0000 C"}),
         {"1"},
         false,
         0},
        {"atom count 0: every numeric line is an atom",
         Molfile({"  0  0", "    0.0000    0.0000    0.0000 C", "  1  2  1",
                  "    1.0000    0.0000    0.0000 O", "M  END"}),
         {"1", "3"},
         false,
         0},
        {"bond count 0: every later line is a bond line",
         Molfile({"  1  0", "    0.0000    0.0000    0.0000 C", "M  END", "$$$$"}),
         {"1"},
         true,
         2},
    };
    for (const Case& c : cases) {
        Lines chem;
        ASSERT_EQ(ConvertMol(c.input, chem), MolOk) << c.what;
        std::vector<std::string> ids;
        for (const std::string& item : SectionItems(chem, "atoms"))
            ids.push_back(item.substr(4, item.find('"', 4) - 4));
        EXPECT_EQ(ids, c.atomIds) << c.what;
        EXPECT_EQ(HasSection(chem, "wires"), c.hasWires) << c.what;
        EXPECT_EQ(SectionItems(chem, "wires").size(), c.wires) << c.what;
    }
}
