// Opening molfiles and PDB files as documents, and saving them as .chem files that
// reopen with the same atoms and wires.
#include "editor/files/Document.h"

#include "ImportTestSupport.h"
#include "editor/core/Molekula.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Fixture(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadFileBytes(TestData(name), bytes)) << name;
    return bytes;
}

// Symbol and position of every slot ("" for an empty one), then every wire.
std::vector<std::string> Content(const TMolekula& m) {
    std::vector<std::string> content;
    for (const auto& atom : m.Atoms)
        content.push_back(atom ? atom->Ball.Symbol + " " + std::to_string(atom->X) + " " +
                                     std::to_string(atom->Y) + " " + std::to_string(atom->Z)
                               : "");
    for (const auto& wire : m.Wires)
        content.push_back(std::to_string(wire->Id1) + "-" + std::to_string(wire->Id2) + ":" +
                          std::to_string(wire->Typ));
    return content;
}

} // namespace

TEST(ImportDocument, ImportsOpenInAnyCaseAndSaveAsChemFilesThatReopenAlike) {
    struct Case {
        const char* fixture;
        const char* name;
        int atoms;
        size_t wires;
        const char* title;
    } cases[] = {
        {"mol/cyclohexane.mol", "Ring.MOL", 18, 18, "Ring"},
        {"mol/github360.mol", "aromatic.mol", 10, 11, "aromatic"},
        {"pdb/1crn.pdb", "crambin.PDB", 327, 3, "crambin"},
        {"pdb/1dwd_ligand.pdb", "ligand.pdb", 37, 40, "ligand"},
    };
    for (const Case& c : cases) {
        TestDir dir;
        const std::string path = dir.Write(c.name, Fixture(c.fixture));
        TMolekula m;
        TDocument doc;
        ASSERT_TRUE(OpenFile(m, doc, path)) << c.name;
        EXPECT_TRUE(m.Imported) << c.name;
        EXPECT_TRUE(doc.KeptLines.empty()) << c.name;
        EXPECT_EQ(m.AtomCount(), c.atoms) << c.name;
        EXPECT_EQ(m.Wires.size(), c.wires) << c.name;
        EXPECT_EQ(m.Title, c.title) << c.name;
        const auto imported = Content(m);

        ASSERT_TRUE(SaveFile(m, doc, path)) << c.name;
        const std::string saved = platform::ChangeFileExt(path, ".chem");
        EXPECT_EQ(doc.FileName, saved);
        std::string text;
        ASSERT_TRUE(platform::ReadFileBytes(saved, text));
        EXPECT_EQ(text.find("<title>"), std::string::npos) << c.name;

        TMolekula reopened;
        TDocument again;
        ASSERT_TRUE(OpenFile(reopened, again, saved)) << c.name;
        EXPECT_FALSE(reopened.Imported);
        EXPECT_EQ(Content(reopened), imported) << c.name;
    }
}

TEST(ImportDocument, UnreadableImportsFailAndLeaveTheMoleculeAlone) {
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"v3000.mol", Fixture("mol/Issue3432136_2.v3k.mol")},
        {"empty.mol", ""},
        {"header.mol", "a\r\nb\r\nc\r\n"},
        {"nothing.pdb", "HEADER    NOTHING\r\nEND\r\n"},
    };
    for (const Case& c : cases) {
        TestDir dir;
        const std::string cyclohexane = dir.Write("c.mol", Fixture("mol/cyclohexane.mol"));
        TMolekula m;
        TDocument doc;
        ASSERT_TRUE(OpenFile(m, doc, cyclohexane));
        const auto before = Content(m);
        TFileError error;
        EXPECT_FALSE(OpenFile(m, doc, dir.Write(c.name, c.text), &error)) << c.name;
        EXPECT_EQ(error.TextId, TextLoadingError) << c.name;
        EXPECT_EQ(Content(m), before) << c.name;
        EXPECT_EQ(doc.FileName, cyclohexane) << c.name;
    }
}
