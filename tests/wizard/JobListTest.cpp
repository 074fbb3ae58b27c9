#include "installer/wizard/JobList.h"
#include "WizardFixture.h"

#include <QDir>
#include <unistd.h>

using namespace wizard;

namespace {

const Lines TestVariables{"%DESKTOP%=/home/u/Desktop", "%DOCPATH%=/home/u/Docs",
                          "%DSTROOT%=/opt/Tevano",     "%OPEN%=Megnyit\xe1s",
                          "%PROJECT_GROUP%=Tevano",    "%PROJECT_ID%=TevanoChem",
                          "%PROJECT_VER%=1.0"};
const Lines TestAssociations{".chem=Tevano Molecule", ".mol=MDL Molfile", ".pdb=Tevano Molecule",
                             ".xyz=XYZ", ".sdf=Structure data"};

} // namespace

class JobListTest : public WizardTest {
protected:
    // Expands the lines with every module of the shipped setup selected.
    void Expand(const Lines& lines, const std::string& selected = "CHEMPRG,MOLEC,") {
        const JobContext context{TestVariables, MediaFolder(), TestAssociations, assocChecked,
                                 selected};
        for (const std::string& line : lines)
            jobs.ExpandJobLine(line, context);
    }

    JobList jobs;
    std::array<bool, 4> assocChecked{true, true, true, true};
};

TEST(JobLine, ArgumentsRunToTheClosingParenthesis) {
    struct Case {
        const char* line;
        const char* command;
        const char* arguments;
        const char* suffix;
        bool hasModules;
        const char* modules;
    };
    const Case cases[] = {
        {"MAKEDIR(%DSTROOT%\\SYSTEM)->CHEMPRG", "MAKEDIR", "%DSTROOT%\\SYSTEM", "->CHEMPRG", true,
         "CHEMPRG"},
        {"COPY(\"A (1).chem\"|\"%DSTROOT%\\A (1).chem\")-> molec, chemprg ", "COPY",
         "\"A (1).chem\"|\"%DSTROOT%\\A (1).chem\"", "-> molec, chemprg ", true, "MOLEC, CHEMPRG"},
        {"CreateKey(MACHINE|Software)", "CreateKey", "MACHINE|Software", "", false, ""},
        {"MAKEDIR(/unclosed", "MAKEDIR", "/unclosed", "", false, ""},
        {"NOARGS", "NOARGS", "", "", false, ""},
        {"", "", "", "", false, ""},
    };
    for (const Case& c : cases) {
        const JobLine parts = SplitJobLine(c.line);
        EXPECT_EQ(parts.Command, c.command) << c.line;
        EXPECT_EQ(parts.Arguments, c.arguments) << c.line;
        EXPECT_EQ(parts.Suffix, c.suffix) << c.line;
        EXPECT_EQ(parts.HasModules, c.hasModules) << c.line;
        EXPECT_EQ(parts.Modules, c.modules) << c.line;
    }
}

TEST_F(JobListTest, EachCommandKindExpandsToItsRecords) {
    OpenInstaller(MediaEntries());
    struct Case {
        const char* line;
        Lines records;
        int64_t weight;
    };
    const Case cases[] = {
        {"MAKEDIR(%DSTROOT%\\SYSTEM)->CHEMPRG", {"MAKEDIR|/opt/Tevano\\SYSTEM|1->CHEMPRG"}, 1},
        {"COPY(\"TevanoChem.exe\"|\"%DSTROOT%\\TevanoChem.exe\")->CHEMPRG",
         {"COPY|\"TevanoChem.exe\"|\"/opt/Tevano\\TevanoChem.exe\"|15->CHEMPRG"},
         15},
        {"CreateKey(MACHINE|Software\\%PROJECT_GROUP%\\%PROJECT_ID%)->CHEMPRG",
         {"CREATEKEY|MACHINE|Software\\Tevano\\TevanoChem\\|1->CHEMPRG"},
         1},
        {"SetKey(MACHINE|Software\\%PROJECT_GROUP%\\%PROJECT_ID%\\%PROJECT_VER%|pathMolecule|STR|"
         "%DOCPATH%\\MOLECULE)->CHEMPRG",
         {"SETKEY|MACHINE|Software\\Tevano\\TevanoChem\\1.0\\|pathMolecule|STR|%DOCPATH%\\MOLECULE|"
          "1->CHEMPRG"},
         1},
        {"SHORTCUT(%DESKTOP%|Tevano Chemistry|%DSTROOT%\\TevanoChem.exe)->CHEMPRG",
         {"SHORTCUT|/home/u/Desktop/|Tevano Chemistry|/opt/Tevano\\TevanoChem.exe|1->CHEMPRG"},
         1},
        {"ASSOCIATE(pdb|Tevano Molecule|%DSTROOT%\\tevanoChem.exe|%OPEN%|%DSTROOT%\\TevanoChem.exe "
         "\"%1\")->CHEMPRG",
         {"CREATEKEY|CLASSES|.pdb|1->CHEMPRG", "SETKEY|CLASSES|.pdb||STR|TEVANO_PDB|1->CHEMPRG",
          "CREATEKEY|CLASSES|TEVANO_PDB|1->CHEMPRG",
          "SETKEY|CLASSES|TEVANO_PDB||STR|Tevano Molecule|1->CHEMPRG",
          "CREATEKEY|CLASSES|TEVANO_PDB\\DefaultIcon|1->CHEMPRG",
          "SETKEY|CLASSES|TEVANO_PDB\\DefaultIcon||STR|/opt/Tevano\\tevanoChem.exe|1->CHEMPRG",
          "CREATEKEY|CLASSES|TEVANO_PDB\\Shell|1->CHEMPRG",
          "CREATEKEY|CLASSES|TEVANO_PDB\\Shell\\Megnyit\xe1s|1->CHEMPRG",
          "CREATEKEY|CLASSES|TEVANO_PDB\\Shell\\Megnyit\xe1s\\Command|1->CHEMPRG",
          "SETKEY|CLASSES|TEVANO_PDB\\Shell\\Megnyit\xe1s\\Command||STR|/opt/"
          "Tevano\\TevanoChem.exe "
          "\"%1\"|1->CHEMPRG"},
         1},
        // Texts with a bar are quoted in the records.
        {"ASSOCIATE(xyz|\"A|B\"|icon|verb|cmd)",
         {"CREATEKEY|CLASSES|.xyz|1", "SETKEY|CLASSES|.xyz||STR|TEVANO_XYZ|1",
          "CREATEKEY|CLASSES|TEVANO_XYZ|1", "SETKEY|CLASSES|TEVANO_XYZ||STR|\"A|B\"|1",
          "CREATEKEY|CLASSES|TEVANO_XYZ\\DefaultIcon|1",
          "SETKEY|CLASSES|TEVANO_XYZ\\DefaultIcon||STR|icon|1",
          "CREATEKEY|CLASSES|TEVANO_XYZ\\Shell|1", "CREATEKEY|CLASSES|TEVANO_XYZ\\Shell\\verb|1",
          "CREATEKEY|CLASSES|TEVANO_XYZ\\Shell\\verb\\Command|1",
          "SETKEY|CLASSES|TEVANO_XYZ\\Shell\\verb\\Command||STR|cmd|1"},
         1},
        {"UNKNOWN(a|b)", {}, 0},
    };
    for (const Case& c : cases) {
        jobs = JobList();
        Expand({c.line});
        EXPECT_EQ(jobs.Records, c.records) << c.line;
        EXPECT_EQ(jobs.TotalWeight, c.weight) << c.line;
    }
}

TEST_F(JobListTest, CopiesFromThePackage) {
    OpenInstaller(MediaEntries());
    Expand({// A bare variable, here in lower case, is a folder: the file keeps its name.
            "COPY(\"SYSTEM\\TevanoChem.chm\"|\"%dstroot%\")->CHEMPRG",
            // Parentheses inside a quoted name.
            "COPY(\"MOLECULE\\Glucose (open).chem\"|\"%DOCPATH%\\Glucose (open).chem\")->MOLEC",
            "COPY(\"%SRCROOT%\\SYSTEM\\Uninstall.exe\"|\"%DSTROOT%\\SYSTEM\\\")",
            // Neither on disk nor in the package: nothing, and no weight.
            "COPY(\"SYSTEM\\missing.dll\"|\"%DSTROOT%\\missing.dll\")"});
    const Lines expected{
        "COPY|\"SYSTEM\\TevanoChem.chm\"|\"/opt/Tevano/TevanoChem.chm\"|5->CHEMPRG",
        "COPY|\"MOLECULE\\Glucose (open).chem\"|\"/home/u/Docs\\Glucose (open).chem\"|22->MOLEC",
        "COPY|\"SYSTEM\\Uninstall.exe\"|\"/opt/Tevano\\SYSTEM\\Uninstall.exe\"|12"};
    EXPECT_EQ(jobs.Records, expected);
    EXPECT_EQ(jobs.TotalWeight, 5 + 22 + 12);
}

TEST_F(JobListTest, RelativeSourcesAreFoundBesideTheInstallerIgnoringCase) {
    OpenInstaller(MediaEntries());
    dir.Write("media/system/Uninstall.EXE", "loose uninstaller, preferred\n"); // 29 bytes
    // The current folder is somewhere else entirely.
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::rootPath()));
    Expand({"COPY(\"SYSTEM\\Uninstall.exe\"|\"%DSTROOT%\\SYSTEM\\\")",
            "COPY(\"SYSTEM\\Uninstall.exe\"|\"%DSTROOT%\\SYSTEM\\u.exe\")"});
    QDir::setCurrent(saved);
    const std::string found = MediaFolder() + "system/Uninstall.EXE";
    const Lines expected{"COPY|\"" + found + "\"|\"/opt/Tevano\\SYSTEM\\Uninstall.exe\"|29",
                         "COPY|\"" + found + "\"|\"/opt/Tevano\\SYSTEM\\u.exe\"|29"};
    EXPECT_EQ(jobs.Records, expected);
    EXPECT_EQ(jobs.TotalWeight, 58);
}

TEST(ModulesSelected, WholeIdsAreCompared) {
    struct Case {
        const char* list;
        const char* selected;
        bool result;
    };
    const Case cases[] = {
        {"", "", true},
        {"MOLEC", "CHEMPRG,MOLEC,", true},
        {" molec ", "CHEMPRG,MOLEC,", true},
        {"A,B", "B,", true},
        {"MOLEC", "CHEMPRG,", false},
        {"MOLEC", "", false},
        {",", "A,", false},
        // An id that ends with another id's text does not select it.
        {"MOLEC", "XMOLEC,", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModulesSelected(c.list, c.selected), c.result) << c.list << " / " << c.selected;
}

TEST_F(JobListTest, UnselectedModulesYieldNothing) {
    Expand({"MAKEDIR(/a)->MOLEC", "SHORTCUT(/d|n|t)->MOLEC", "MAKEDIR(/b)->CHEMPRG,MOLEC"},
           "CHEMPRG,");
    EXPECT_EQ(jobs.Records, Lines{"MAKEDIR|/b|1->CHEMPRG,MOLEC"});
    EXPECT_EQ(jobs.TotalWeight, 1);
}

TEST_F(JobListTest, EqualRecordsAreMerged) {
    Expand({"MAKEDIR(/x)->A", "MAKEDIR(/X)->B", "MAKEDIR(/x)->a", "MAKEDIR(/x)->XB,B"}, "A,B,XB,");
    EXPECT_EQ(jobs.Records, Lines{"MAKEDIR|/x|1->A,B,XB,"});
    // The same record without modules is added again: it applies whatever is chosen.
    Expand({"MAKEDIR(/x)", "makedir(/x)"}, "A,B,XB,");
    EXPECT_EQ(jobs.Records, (Lines{"MAKEDIR|/x|1->A,B,XB,", "MAKEDIR|/x|1"}));
    EXPECT_EQ(jobs.TotalWeight, 6);
}

TEST_F(JobListTest, ModuleLineAfterAnUnconditionalRecordKeepsIt) {
    Expand({"MAKEDIR(/y)", "MAKEDIR(/y)->A", "MAKEDIR(/z)->AB", "MAKEDIR(/z)->A"}, "A,AB,");
    EXPECT_EQ(jobs.Records, (Lines{"MAKEDIR|/y|1", "MAKEDIR|/z|1->AB,A,"}));
}

TEST_F(JobListTest, AssociationsFollowTheFileTypeBoxes) {
    auto associate = [](const char* ext) { return std::string("ASSOCIATE(") + ext + "|d|i|v|c)"; };
    assocChecked = {true, false, true, true};
    Expand({associate("mol"), associate("xyz"), associate("SDF"), associate("unknown")});
    // mol is unchecked; sdf is the fifth file type and has no box; unknown is not listed.
    ASSERT_EQ(jobs.Records.size(), 10u);
    EXPECT_EQ(jobs.Records.front(), "CREATEKEY|CLASSES|.xyz|1");
    EXPECT_EQ(jobs.TotalWeight, 1);
}
