// Building .chem lines: the new-document layout, number formats under a comma locale,
// kept lines of an opened file, and reading back what was written.
#include "ChemTestSupport.h"

#include "editor/files/ChemWriter.h"
#include "support/TempDir.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using platform::Lines;

const char* const SmallDocument = R"(<tevanochem>
<atoms>
<item id="1" symbol="c" x="1.5" y="-0.25" z="1.5E-007"/>
<item id="3" symbol="Xx" x="-1,5" y="0,25" z="-0.00000015"/>
</atoms>
<wires>
<item id1="1" id2="3" typ="3"/>
</wires>
</tevanochem>)";

TEST(ChemWriterTest, NewDocumentUnderCommaLocale) {
    LocaleGuard locale(QLocale(QLocale::German, QLocale::Germany));
    TMolekula m;
    LoadText(m, SmallDocument);
    const Lines expected = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<tevanochem>",
        "\t<settings MinFactor=\"0.20\" MaxFactor=\"2.50\" BallFactor=\"1.00\"/>",
        "\t<atoms>",
        "\t\t<item id=\"1\" symbol=\"C\" x=\"1,5\" y=\"-0,25\" z=\"1,5E-007\"/>",
        "\t\t<item id=\"3\" symbol=\"XX\" x=\"-1,5\" y=\"0,25\" z=\"-1,5E-007\"/>",
        "\t</atoms>",
        "\t<wires>",
        "\t\t<item id1=\"1\" id2=\"3\" typ=\"3\"/>",
        "\t</wires>",
        "</tevanochem>",
    };
    EXPECT_EQ(BuildDocument(m, {}), expected);
}

TEST(ChemWriterTest, WrittenDocumentReadsBackToTheSameMolecule) {
    QFile f(QString::fromStdString(TestData("chem/thiamine.chem")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    TMolekula original;
    LoadText(original, f.readAll().toStdString());

    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        Lines written;
        {
            LocaleGuard guard(locale);
            written = BuildDocument(original, {});
        }
        TMolekula reread;
        LoadFromStrings(reread, written);
        ASSERT_EQ(reread.SlotCount(), original.SlotCount());
        for (int i = 0; i < original.SlotCount(); ++i) {
            EXPECT_DOUBLE_EQ(reread.Atoms[i]->X, original.Atoms[i]->X);
            EXPECT_DOUBLE_EQ(reread.Atoms[i]->Y, original.Atoms[i]->Y);
            EXPECT_DOUBLE_EQ(reread.Atoms[i]->Z, original.Atoms[i]->Z);
        }
        EXPECT_EQ(reread.Wires.size(), original.Wires.size());
        EXPECT_EQ(reread.MinFactor, 0.5);
        LocaleGuard guard(locale);
        EXPECT_EQ(BuildDocument(reread, {}), written);
    }
}

TEST(ChemWriterTest, EmptySlotsKeepTheirIds) {
    TMolekula m;
    LoadText(m, InRoot(R"(<atoms><item id="1" symbol="C"/><item id="2" symbol="N"/>
<item id="5" symbol="O"/></atoms>)"));
    const Lines lines = BuildDocument(m, {});
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_NE(lines[4].find("id=\"1\" symbol=\"C\""), std::string::npos);
    EXPECT_NE(lines[5].find("id=\"2\" symbol=\"N\""), std::string::npos);
    EXPECT_NE(lines[6].find("id=\"5\" symbol=\"O\""), std::string::npos);
}

// Kept lines of an opened file: only the settings line and the two blocks are replaced.
TEST(ChemWriterTest, KeptLinesSurvive) {
    const Lines kept = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<!-- drawn by hand -->",
        "<TevanoChem>",
        "  <title>",
        "    Aspirin",
        "  </title>",
        "  <SETTINGS BallFactor=\"2\"/>",
        "  <Atoms>",
        "    <item id=\"1\" symbol=\"H\"/>",
        "  </Atoms>",
        "  <author>me</author>",
        "  <wires>",
        "    <item id1=\"1\" id2=\"1\"/>",
        "  </wires>",
        "</tevanochem>",
        "trailing text",
    };
    TMolekula m;
    LoadText(m, SmallDocument);
    const Lines lines = BuildDocument(m, kept);
    const Lines expected = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<!-- drawn by hand -->",
        "<TevanoChem>",
        "\t<settings MinFactor=\"0.20\" MaxFactor=\"2.50\" BallFactor=\"1.00\"/>",
        "\t<atoms>",
        "\t\t<item id=\"1\" symbol=\"C\" x=\"1.5\" y=\"-0.25\" z=\"1.5E-007\"/>",
        "\t\t<item id=\"3\" symbol=\"XX\" x=\"-1.5\" y=\"0.25\" z=\"-1.5E-007\"/>",
        "\t</atoms>",
        "\t<wires>",
        "\t\t<item id1=\"1\" id2=\"3\" typ=\"3\"/>",
        "\t</wires>",
        "  <title>",
        "    Aspirin",
        "  </title>",
        "  <author>me</author>",
        "</tevanochem>",
        "trailing text",
    };
    EXPECT_EQ(lines, expected);
    TMolekula reread;
    LoadFromStrings(reread, lines);
    EXPECT_EQ(reread.Title, "Aspirin");
    EXPECT_EQ(reread.AtomCount(), 2);
}

// Kept lines without the plain root start tag: the new blocks must still end up where
// the reader finds them, and no kept line may be lost.
TEST(ChemWriterTest, KeptLinesWithoutPlainRootStart) {
    TMolekula m;
    LoadText(m, SmallDocument);
    struct Case {
        Lines kept;
        size_t insertAt; // index of the settings line
    };
    const Case cases[] = {
        {{"<?xml version=\"1.0\"?>", "<tevanochem version=\"2\">", "<note/>", "</tevanochem>"}, 2},
        // No root at all: a root of its own is added after everything kept.
        {{"<?xml version=\"1.0\"?>", "<note>only</note>"}, 3},
    };
    for (const Case& c : cases) {
        const Lines lines = BuildDocument(m, c.kept);
        ASSERT_GT(lines.size(), c.insertAt);
        EXPECT_NE(lines[c.insertAt].find("<settings"), std::string::npos);
        for (const std::string& line : c.kept)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        TMolekula reread;
        LoadFromStrings(reread, lines);
        EXPECT_EQ(reread.AtomCount(), 2);
        EXPECT_EQ(reread.Wires.size(), 1u);
    }
}

} // namespace
