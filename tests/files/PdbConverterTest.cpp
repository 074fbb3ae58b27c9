#include "editor/files/PdbConverter.h"

#include "ImportTestSupport.h"

#include <gtest/gtest.h>

using platform::Lines;

namespace {

// An ATOM line in the published layout: serial in 7-11, name in 13-16, coordinates in
// 31-54, element in 77-78.
std::string AtomLine(const char* serial, const char* name, const char* element,
                     const char* x = "   1.000") {
    char line[81];
    std::snprintf(line, sizeof line,
                  "ATOM  %5s %-4s ASN A  12    %8s   2.000   3.000  1.00  3.02          %2s",
                  serial, name, x, element);
    return line;
}

std::vector<std::string> Wires(const Lines& input) {
    Lines chem;
    EXPECT_EQ(ConvertPdb(input, chem), PdbOk);
    return SectionItems(chem, "wires");
}

} // namespace

TEST(PdbConverter, LigandBondsListedFromBothEndsAppearOnce) {
    Lines chem;
    ASSERT_EQ(ConvertPdb(ReadTestLines("pdb/1dwd_ligand.pdb"), chem), PdbOk);
    const auto atoms = SectionItems(chem, "atoms");
    ASSERT_EQ(atoms.size(), 37u);
    EXPECT_EQ(atoms[0], "id=\"2362\" symbol=\"S\" x=\"29.3410\" y=\"12.4380\" z=\"27.0580\"");
    const auto wires = SectionItems(chem, "wires");
    EXPECT_EQ(wires.size(), 40u);
    EXPECT_EQ(std::set<std::string>(wires.begin(), wires.end()).size(), wires.size());
    EXPECT_EQ(wires[0], "id1=\"2362\" id2=\"2363\"");
    for (const char* absent : {"header", "remark", "scale", "origx"})
        EXPECT_FALSE(HasSection(chem, absent)) << absent;
}

TEST(PdbConverter, ProteinEntryKeepsHeadersMatricesAtomsAndDisulfides) {
    Lines chem;
    ASSERT_EQ(ConvertPdb(ReadTestLines("pdb/1crn.pdb"), chem), PdbOk);
    EXPECT_EQ(SectionTexts(chem, "header").size(), 1u);
    EXPECT_EQ(SectionTexts(chem, "remark").size(), 224u);
    EXPECT_EQ(SectionTexts(chem, "author").size(), 1u);
    EXPECT_EQ(SectionTexts(chem, "master").size(), 1u);
    ASSERT_EQ(SectionTexts(chem, "compnd").size(), 4u);
    EXPECT_EQ(SectionTexts(chem, "compnd")[1],
              "   2 MOLECULE: CRAMBIN;                                                   ");
    EXPECT_EQ(SectionItems(chem, "origx"),
              (std::vector<std::string>{"id=\"ORIGX1\" x=\"1.0000\" y=\"0.0000\" z=\"0.0000\"",
                                        "id=\"ORIGX2\" x=\"0.0000\" y=\"1.0000\" z=\"0.0000\"",
                                        "id=\"ORIGX3\" x=\"0.0000\" y=\"0.0000\" z=\"1.0000\""}));
    EXPECT_EQ(SectionItems(chem, "scale").size(), 3u);

    const auto atoms = SectionItems(chem, "atoms");
    ASSERT_EQ(atoms.size(), 327u);
    // Alpha carbons stay carbon; sulphur comes from the element column.
    EXPECT_EQ(atoms[1], "id=\"2\" symbol=\"C\" x=\"16.9670\" y=\"12.7840\" z=\"4.3380\"");
    for (size_t i = 0; i < atoms.size(); ++i)
        EXPECT_TRUE(atoms[i].starts_with("id=\"" + std::to_string(i + 1) + "\"")) << atoms[i];
    EXPECT_EQ(SectionItems(chem, "wires"),
              (std::vector<std::string>{"id1=\"20\" id2=\"282\"", "id1=\"26\" id2=\"229\"",
                                        "id1=\"116\" id2=\"188\""}));
}

TEST(PdbConverter, SerialAndElementColumns) {
    struct Case {
        const char* what;
        std::string line;
        const char* item;
    } cases[] = {
        {"four-character name from column 13", AtomLine("1870", "HD21", " H"),
         "id=\"1870\" symbol=\"H\""},
        {"alpha carbon is carbon", AtomLine("2", " CA ", " C"), "id=\"2\" symbol=\"C\""},
        {"two-letter element", AtomLine("99999", "FE  ", "FE"), "id=\"99999\" symbol=\"FE\""},
        {"line ends before the element column: columns 14-16",
         AtomLine("7", " CA ", " C").substr(0, 66), "id=\"7\" symbol=\"CA\""},
        {"element column without letters: columns 14-16", AtomLine("8", " OG1", " 1"),
         "id=\"8\" symbol=\"OG1\""},
        {"coordinate filling all eight columns keeps its sign",
         AtomLine("9", " N  ", " N", "-100.125"), "id=\"9\" symbol=\"N\" x=\"-100.1250\""},
        {"lower-case record name", "atom" + AtomLine("10", " O  ", " O").substr(4),
         "id=\"10\" symbol=\"O\""},
        {"record name after spaces, fields still at fixed columns",
         "  ATOM" + AtomLine("11", " O  ", " O").substr(6), "id=\"11\" symbol=\"O\""},
    };
    for (const Case& c : cases) {
        Lines chem;
        ASSERT_EQ(ConvertPdb({c.line}, chem), PdbOk) << c.what;
        const auto atoms = SectionItems(chem, "atoms");
        ASSERT_EQ(atoms.size(), 1u) << c.what;
        EXPECT_TRUE(atoms[0].starts_with(c.item)) << c.what << ": " << atoms[0];
    }
}

TEST(PdbConverter, ConectPairsOnceInTheOrderFirstMet) {
    const std::string atom = AtomLine("1", " C  ", " C");
    struct Case {
        const char* what;
        Lines conect;
        std::vector<std::string> wires;
    } cases[] = {
        {"both directions and a repeated partner",
         {"CONECT    3    1    2    1", "CONECT    1    3", "CONECT    2    3"},
         {"id1=\"1\" id2=\"3\"", "id1=\"2\" id2=\"3\""}},
        {"a field that is not a number is skipped, the rest still read",
         {"CONECT    5  abc    6    7"},
         {"id1=\"5\" id2=\"6\"", "id1=\"5\" id2=\"7\""}},
        {"a blank field ends the record", {"CONECT    5    6         7"}, {"id1=\"5\" id2=\"6\""}},
        {"without its own atom number a record pairs nothing", {"CONECT *****    6    7"}, {}},
        {"records after END are not read",
         {"CONECT    1    2", "END", "CONECT    1    3"},
         {"id1=\"1\" id2=\"2\""}},
    };
    for (const Case& c : cases) {
        Lines input = {atom};
        input.insert(input.end(), c.conect.begin(), c.conect.end());
        EXPECT_EQ(Wires(input), c.wires) << c.what;
    }
}

TEST(PdbConverter, NoReadableAtomIsAFailure) {
    for (const Lines& input : {Lines{}, Lines{"HEADER    NOTHING", "END"},
                               Lines{AtomLine("1", " C  ", " C", "   x.000")}}) {
        Lines chem = {"stale"};
        EXPECT_EQ(ConvertPdb(input, chem), PdbNoAtoms);
        EXPECT_TRUE(chem.empty());
    }
}
