// Opening and saving documents: choosing by extension, kept lines, titles from file
// names, and what a failure leaves behind.
#include "editor/files/Document.h"

#include "editor/core/Molekula.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const char* const TitledDocument = "<?xml version=\"1.0\"?>\r\n<tevanochem>\r\n<title>\r\n"
                                   "Water\r\n</title>\r\n<atoms>\r\n<item id=\"1\" symbol=\"O\"/>"
                                   "\r\n</atoms>\r\n</tevanochem>\r\n";
const char* const UntitledDocument =
    "<tevanochem>\r\n<atoms>\r\n<item id=\"1\" symbol=\"C\"/>\r\n<item id=\"2\" "
    "symbol=\"H\" x=\"1\"/>\r\n</atoms>\r\n</tevanochem>\r\n";

TEST(DocumentTest, OpenChemFile) {
    TestDir dir;
    struct Case {
        const char* name;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {"water.chem", TitledDocument, "Water"},
        {"a.b.chem", UntitledDocument, "a.b"},
        {"UPPER.CHEM", UntitledDocument, "UPPER"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write(c.name, c.text);
        TMolekula m;
        m.Imported = true;
        TDocument doc;
        ASSERT_TRUE(OpenFile(m, doc, path)) << c.name;
        EXPECT_EQ(m.Title, c.title);
        EXPECT_EQ(doc.FileName, path);
        EXPECT_FALSE(doc.ReadOnlyFile);
        EXPECT_FALSE(m.Imported);
        EXPECT_EQ(doc.KeptLines, platform::SplitLines(c.text));
    }
}

TEST(DocumentTest, FailedOpenChangesNeitherMoleculeNorKeptLines) {
    TestDir dir;
    const std::string current = dir.Write("current.chem", TitledDocument);
    dir.Write("notes.txt", UntitledDocument);
    dir.Write("molecule", UntitledDocument);
    QDir().mkpath(QString::fromStdString(dir.Path("folder.chem")));
    for (const char* name : {"missing.chem", "notes.txt", "molecule", "folder.chem"}) {
        TMolekula m;
        TDocument doc;
        ASSERT_TRUE(OpenFile(m, doc, current));
        const platform::Lines kept = doc.KeptLines;
        TFileError error;
        EXPECT_FALSE(OpenFile(m, doc, dir.Path(name), &error)) << name;
        EXPECT_EQ(error.TextId, TextLoadingError);
        EXPECT_EQ(error.Text, "Loading error");
        EXPECT_EQ(error.FileName, dir.Path(name));
        EXPECT_FALSE(error.Reason.empty());
        EXPECT_EQ(m.Title, "Water");
        EXPECT_EQ(m.AtomCount(), 1);
        EXPECT_EQ(doc.FileName, current);
        EXPECT_EQ(doc.KeptLines, kept);
    }
}

// A new document empties the molecule but keeps its title; saved and reopened under
// another name, it takes that name as title.
TEST(DocumentTest, NewDocumentSavedAndReopened) {
    TestDir dir;
    TMolekula m;
    TDocument doc;
    ASSERT_TRUE(OpenFile(m, doc, dir.Write("caffeine.chem", UntitledDocument)));
    ASSERT_EQ(m.Title, "caffeine");
    m.Imported = true;
    ASSERT_TRUE(OpenFile(m, doc, ""));
    EXPECT_EQ(m.AtomCount(), 0);
    EXPECT_TRUE(m.Wires.empty());
    EXPECT_EQ(m.Title, "caffeine");
    EXPECT_FALSE(m.Imported);
    EXPECT_TRUE(doc.FileName.empty());
    EXPECT_TRUE(doc.KeptLines.empty());

    m.AddAtom(-1, "N", 0, 0, 0);
    ASSERT_TRUE(SaveFile(m, doc, dir.Path("x.mol")));
    EXPECT_EQ(doc.FileName, dir.Path("x.chem"));
    EXPECT_EQ(platform::JoinLines(doc.KeptLines), dir.Read("x.chem"));
    EXPECT_EQ(dir.Read("x.chem").find("<title>"), std::string::npos);

    TMolekula reread;
    TDocument reopened;
    ASSERT_TRUE(OpenFile(reread, reopened, dir.Path("x.chem")));
    EXPECT_EQ(reread.Title, "x");
    EXPECT_EQ(reread.AtomCount(), 1);
}

TEST(DocumentTest, SaveKeepsForeignLines) {
    TestDir dir;
    TMolekula m;
    TDocument doc;
    ASSERT_TRUE(OpenFile(m, doc, dir.Write("water.chem", TitledDocument)));
    m.AddAtom(-1, "H", 1, 0, 0);
    ASSERT_TRUE(SaveFile(m, doc, doc.FileName));
    TMolekula reread;
    TDocument reopened;
    ASSERT_TRUE(OpenFile(reread, reopened, dir.Path("water.chem")));
    EXPECT_EQ(reread.Title, "Water");
    EXPECT_EQ(reread.AtomCount(), 2);
}

TEST(DocumentTest, FailedSaveChangesNothing) {
    TestDir dir;
    TMolekula m;
    TDocument doc;
    const std::string path = dir.Write("water.chem", TitledDocument);
    ASSERT_TRUE(OpenFile(m, doc, path));
    const platform::Lines kept = doc.KeptLines;

    TFileError error;
    EXPECT_FALSE(SaveFile(m, doc, dir.Path("no-such-folder/x.chem"), &error));
    EXPECT_EQ(error.TextId, TextSavingFailed);
    EXPECT_EQ(error.Text, "File saving failed.");
    EXPECT_FALSE(error.Reason.empty());
    EXPECT_EQ(doc.FileName, path);
    EXPECT_EQ(doc.KeptLines, kept);
}

TEST(DocumentTest, SaveRefusesReadOnlyTarget) {
    TestDir dir;
    TMolekula m;
    TDocument doc;
    const std::string path = dir.Write("water.chem", TitledDocument);
    ASSERT_TRUE(OpenFile(m, doc, path));
    TFileError error;
    const std::string locked = dir.Write("locked.chem", "old");
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner);
    EXPECT_FALSE(SaveFile(m, doc, locked, &error));
    EXPECT_EQ(error.TextId, TextWriteProtected);
    EXPECT_EQ(error.FileName, locked);
    EXPECT_EQ(dir.Read("locked.chem"), "old");
    EXPECT_EQ(doc.FileName, path);
}

} // namespace
