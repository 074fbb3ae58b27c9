// Reading .chem documents into the model: sections, atoms, wires, settings and title.
#include "ChemTestSupport.h"

#include "shared/Texts.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

std::string Fixture(const std::string& name) {
    QFile f(QString::fromStdString(TestData(name)));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture " + name);
    return f.readAll().toStdString();
}

// Slots of the model, "-" for an empty one: "C,-,N".
std::string Slots(const TMolekula& m) {
    std::string out;
    for (const auto& atom : m.Atoms)
        out += (out.empty() ? "" : ",") + (atom ? atom->Ball.Symbol : "-");
    return out;
}

// Wires of the model as "id1-id2:typ" with file ids.
std::string WireList(const TMolekula& m) {
    std::string out;
    for (const auto& w : m.Wires)
        out += (out.empty() ? "" : ",") + std::to_string(w->Id1 + 1) + "-" +
               std::to_string(w->Id2 + 1) + ":" + std::to_string(w->Typ);
    return out;
}

std::string AtomsBlock(const std::string& items) {
    return "<atoms>\n" + items + "\n</atoms>";
}

TEST(ChemReaderTest, SampleWithCommasPointsOrByteOrderMarkGivesTheSameMolecule) {
    const std::string commas = Fixture("chem/thiamine.chem");
    TMolekula reference;
    LoadText(reference, commas);
    ASSERT_EQ(reference.AtomCount(), 35);
    EXPECT_EQ(reference.Wires.size(), 36u);
    EXPECT_EQ(reference.Atoms[14]->Ball.Symbol, "S");
    EXPECT_NEAR(reference.Atoms[1]->Y, 5.05, 1e-9); // 0,0504999999999999 in hundredths
    EXPECT_EQ(reference.MinFactor, 0.5);
    EXPECT_EQ(reference.MaxFactor, 2.0);
    EXPECT_EQ(reference.BallFactor, 1.0);

    for (const std::string& variant : {ReplaceChar(commas, ',', '.'), "\xEF\xBB\xBF" + commas}) {
        TMolekula m;
        LoadText(m, variant);
        ASSERT_EQ(m.SlotCount(), reference.SlotCount());
        for (int i = 0; i < m.SlotCount(); ++i) {
            EXPECT_EQ(m.Atoms[i]->Ball.Symbol, reference.Atoms[i]->Ball.Symbol);
            EXPECT_EQ(m.Atoms[i]->X, reference.Atoms[i]->X) << "atom " << i + 1;
            EXPECT_EQ(m.Atoms[i]->Y, reference.Atoms[i]->Y) << "atom " << i + 1;
            EXPECT_EQ(m.Atoms[i]->Z, reference.Atoms[i]->Z) << "atom " << i + 1;
        }
        EXPECT_EQ(WireList(m), WireList(reference));
    }
}

TEST(ChemReaderTest, AtomIdsChooseSlots) {
    const std::string huge = std::to_string(MaxAtomSlots + 1);
    struct Case {
        std::string items;
        const char* layout;
    };
    const Case cases[] = {
        {"<item id=\"1\" symbol=\"C\"/><item id=\"2\" symbol=\"c\"/><item id=\"5\" symbol=\"N\"/>",
         "C,C,-,-,N"},
        // Ids that are not numbers, missing, zero or negative append after the last slot.
        {"<item id=\"3\" symbol=\"C\"/><item id=\"M    1\" symbol=\"N\"/><item symbol=\"O\"/>"
         "<item id=\"0\" symbol=\"S\"/><item id=\"-4\" symbol=\"P\"/>",
         "-,-,C,N,O,S,P"},
        {"<item id=\"1\" symbol=\"C\"/><item id=\"1\" symbol=\"N\"/>", "N"},
        // Ids beyond the slot bound would ask for billions of empty slots: they append.
        {"<item id=\"2\" symbol=\"C\"/><item id=\"2000000000\" symbol=\"N\"/>"
         "<item id=\"" +
             huge + "\" symbol=\"O\"/><item id=\"99999999999\" symbol=\"S\"/>",
         "-,C,N,O,S"},
        {"<item id=\"1\" symbol=\"xx\"/>", "XX"},
    };
    for (const Case& c : cases) {
        TMolekula m;
        LoadText(m, InRoot(AtomsBlock(c.items)));
        EXPECT_EQ(Slots(m), c.layout) << c.items;
    }

    TMolekula m;
    LoadText(m, InRoot(AtomsBlock("<item id=\"" + std::to_string(MaxAtomSlots) + "\"/>")));
    EXPECT_EQ(m.SlotCount(), MaxAtomSlots);
    EXPECT_EQ(m.AtomCount(), 1);
}

TEST(ChemReaderTest, Wires) {
    TMolekula m;
    LoadText(m, InRoot("<wires><item id1=\"1\" id2=\"2\" typ=\"2\"/></wires>\n" +
                       AtomsBlock("<item id=\"1\"/><item id=\"2\"/><item id=\"3\"/>") + R"(
<wires>
<item id1="1" id2="2"/>
<item id1="2" id2="3" w="2"/>
<item id1="3" id2="1" typ="7"/>
<item id1="3" id2="3" typ="x"/>
<item id1="0" id2="1"/>
<item id1="1" id2="4"/>
<item id1="x" id2="1"/>
<item id1="-2147483648" id2="1"/>
</wires>)"));
    // The wire before the atoms it names is lost; typ defaults to 1; other types are kept.
    EXPECT_EQ(WireList(m), "1-2:1,2-3:1,3-1:7,3-3:1");
}

TEST(ChemReaderTest, Settings) {
    struct Case {
        const char* body;
        double min, max, ball;
    };
    const Case cases[] = {
        {R"(<settings MinFactor="0.5" MaxFactor="2" BallFactor="3"/>)", 0.5, 2, 2},
        {R"(<settings MinFactor="word" MaxFactor="" BallFactor="1,5"/>)", 0.2, 1.8, 1.5},
        {R"(<settings MinFactor="3" MaxFactor="1" BallFactor="2"/>)", 3, 1, 3},
        {R"(<settings BallFactor="0.1"/>)", 0.3, 1.8, 0.3},
        // A factor that only begins with a number takes that number; no number at all is 0.
        {R"(<settings BallFactor="1.25x"/>)", 0.3, 1.8, 1.25},
        {R"(<settings BallFactor="x1"/>)", 0.3, 1.8, 0.3},
        // Without settings the bounds stay and the factor is 1.
        {"", 0.3, 1.8, 1.0},
        // Settings count anywhere after the root start, also inside a block.
        {R"(<atoms><settings BallFactor="1.5"/><item/></atoms>)", 0.3, 1.8, 1.5},
    };
    for (const Case& c : cases) {
        TMolekula m;
        m.MinFactor = 0.3;
        m.MaxFactor = 1.8;
        m.BallFactor = 0.7;
        LoadText(m, InRoot(c.body));
        EXPECT_DOUBLE_EQ(m.MinFactor, c.min) << c.body;
        EXPECT_DOUBLE_EQ(m.MaxFactor, c.max) << c.body;
        EXPECT_DOUBLE_EQ(m.BallFactor, c.ball) << c.body;
    }
    TMolekula m;
    LoadText(m, InRoot(R"(<atoms><settings BallFactor="1.5"/><item/></atoms>)"));
    EXPECT_EQ(m.AtomCount(), 1); // the settings element is not taken as an atom
}

TEST(ChemReaderTest, SectionsAndNames) {
    struct Case {
        const char* text;
        const char* layout;
        double ball;
    };
    const Case cases[] = {
        // Elements before the root start are ignored, settings too.
        {R"(<atoms><item id="1" symbol="C"/></atoms><settings BallFactor="2"/>
<tevanochem><atoms><item id="2" symbol="N"/></atoms></tevanochem>)",
         "-,N", 1.0},
        // Names match in any letter case, attribute names too.
        {R"(<TevanoChem><ATOMS><Item ID="1" SYMBOL="o"/></ATOMS></TevanoChem>)", "O", 1.0},
        // Elements in the root outside a block are ignored; after </atoms> items are still
        // atoms until another block starts; any element inside a block is an item.
        {R"(<tevanochem><item id="9"/><atoms></atoms><x id="1" symbol="C"/><wires>
<atom id="1" symbol="N"/></wires></tevanochem>)",
         "C", 1.0},
        {"no markup at all", "", 1.0},
    };
    for (const Case& c : cases) {
        TMolekula m;
        LoadText(m, c.text);
        EXPECT_EQ(Slots(m), c.layout) << c.text;
        EXPECT_EQ(m.BallFactor, c.ball) << c.text;
        EXPECT_EQ(m.AngleX, 0);
    }
}

TEST(ChemReaderTest, Title) {
    struct Case {
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {"<tevanochem>\n<title>\n  Caffeine \n</title>\n</tevanochem>", "Caffeine"},
        // The title element is found anywhere, but only with exactly this tag.
        {"<title>Before</title><tevanochem/>", "Before"},
        {"<tevanochem><Title>Capital</Title><title x=\"1\">Attr</title></tevanochem>", ""},
        // A text without any element leaves the title as it was.
        {"just text", "Earlier"},
    };
    for (const Case& c : cases) {
        TMolekula m;
        m.Title = "Earlier";
        LoadText(m, c.text);
        EXPECT_EQ(m.Title, c.title) << c.text;
    }
}

TEST(ChemReaderTest, Coordinates) {
    struct Case {
        const char* text;
        double value; // file units
    };
    const Case cases[] = {
        {"1.5E-007", 1.5e-7},
        {"-0,0934999999999998", -0.0934999999999998},
        {"1,5e2", 150},
        {" 2", 2},
        {"abc", 0},
        {"1.2.3", 0},
        // Too large to hold in hundredths: taken as no number rather than an infinity.
        {"1e308", 0},
    };
    for (const Case& c : cases) {
        // Loading centres the molecule; a second atom at the origin keeps the distance.
        TMolekula m;
        LoadText(m, InRoot(AtomsBlock(std::string("<item x=\"") + c.text + "\"/><item/>")));
        ASSERT_EQ(m.AtomCount(), 2);
        EXPECT_DOUBLE_EQ(m.Atoms[0]->X - m.Atoms[1]->X, c.value * 100) << c.text;
    }
}

} // namespace
