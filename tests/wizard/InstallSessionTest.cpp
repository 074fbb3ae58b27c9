#include "installer/wizard/InstallSession.h"
#include "WizardFixture.h"
#include "installer/package/PackageReader.h"
#include "platform/SystemFolders.h"

#include <QDir>
#include <algorithm>

using namespace wizard;
using platform::RegistryRoot;

class InstallSessionTest : public WizardTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.Registry.WriteString(RegistryRoot::LocalMachine,
                                                 platform::CurrentVersionKey, "ProgramFilesDir",
                                                 "/opt/programs"));
        ASSERT_TRUE(session.Registry.WriteString(RegistryRoot::CurrentUser,
                                                 platform::ShellFoldersKey, "Desktop", "/desk"));
        ASSERT_TRUE(session.Registry.WriteString(RegistryRoot::CurrentUser,
                                                 platform::ShellFoldersKey, "Programs", "/menu"));
    }
    void Start(bool (*keep)(const std::string&) = nullptr) {
        session.FormCreate(WriteInstaller(MediaEntries(keep)));
    }
    std::string Variable(const std::string& name) const {
        for (const std::string& line : session.Variables)
            if (line.rfind(name + "=", 0) == 0)
                return line.substr(name.size() + 1);
        return "<none>";
    }
    InstallSession session;
};

TEST_F(InstallSessionTest, StartUpSettlesLanguageProjectAndModules) {
    Start();
    EXPECT_TRUE(package::Reader().PackageOpen);
    EXPECT_EQ(session.Languages, (Lines{"HUN=Magyar", "ENG=English"}));
    EXPECT_EQ(package::Reader().LanguageCode, "HUN");
    EXPECT_EQ(package::Reader().PathPrefix, "!INSTALL\\");
    EXPECT_EQ(session.ProjectName, "Tevano K\xe9mia");
    EXPECT_TRUE(session.DocChoiceEnabled);
    ASSERT_EQ(session.Modules.size(), 2u);
    EXPECT_EQ(session.Modules[1].Name, "Molekula gy\xfbjtem\xe9ny");
    EXPECT_EQ(session.Modules[1].Id, "MOLEC");
    EXPECT_EQ(session.SelectedModules, "CHEMPRG,MOLEC,");
    EXPECT_EQ(Variable("%OPEN%"), "Megnyit\xe1s");
    EXPECT_EQ(session.JobScript.size(), 17u);
    EXPECT_FALSE(session.HelpAvailable);

    session.Modules[0].Checked = false;
    session.SetLanguage("ENG");
    EXPECT_EQ(session.ProjectName, "Tevano Chemistry");
    EXPECT_EQ(Variable("%OPEN%"), "Open");
    EXPECT_EQ(Variable("%LANGUAGE%"), "ENG");
    // A new language rebuilds the module list with every module checked.
    EXPECT_EQ(session.SelectedModules, "CHEMPRG,MOLEC,");
}

TEST_F(InstallSessionTest, HelpFilesOfTheLanguages) {
    dir.Write("media/Install_ENG.chm", "help");
    Start();
    EXPECT_TRUE(session.HelpAvailable);
    EXPECT_EQ(InstallSession::FindHelpFile("ENG"), "install_ENG.chm");
    EXPECT_EQ(InstallSession::FindHelpFile("HUN"), "");
    dir.Write("media/INSTALL.CHM", "help for all");
    EXPECT_EQ(InstallSession::FindHelpFile("HUN"), "install.chm");
}

TEST_F(InstallSessionTest, PrepareInstallListsFileTypesAndFolders) {
    Start();
    for (int visit = 0; visit < 2; ++visit) {
        session.Destination = "/changed/";
        ASSERT_TRUE(session.PrepareInstall());
        EXPECT_EQ(session.Associations,
                  (Lines{".chem=Tevano Molecule", ".mol=MDL Molfile", ".pdb=Protein Data Bank"}));
        EXPECT_EQ(session.Destination, "/opt/programs/Tevano/");
        EXPECT_EQ(session.DesktopFolder, "/desk/");
        EXPECT_EQ(session.StartMenuFolder, "/menu/");
        EXPECT_EQ(session.NextPage, "EULA");
        EXPECT_EQ(session.JobIndex, 0);
    }
    // A base folder in the setup replaces the program files folder.
    const auto general =
        std::find(session.SetupLines.begin(), session.SetupLines.end(), "[GENERAL]");
    ASSERT_NE(general, session.SetupLines.end());
    session.SetupLines.insert(general + 1, "DSTPATH=/srv/apps");
    ASSERT_TRUE(session.PrepareInstall());
    EXPECT_EQ(session.Destination, "/srv/apps/Tevano/");
}

TEST_F(InstallSessionTest, MissingJobScriptFailsPreparation) {
    Start([](const std::string& name) { return name != "Install.inf"; });
    EXPECT_FALSE(session.PrepareInstall());
    EXPECT_EQ(InstallSession::MissingScriptText(),
              "Hi\xe1nyzik a telep\xedt\xe9si inform\xe1\x63\xf3!");
}

TEST_F(InstallSessionTest, CanWriteToLeavesTheFolderAsItWas) {
    dir.Write("target/WriteTest.bin", "the user's own file");
    EXPECT_TRUE(InstallSession::CanWriteTo(dir.Path("target")));
    EXPECT_TRUE(InstallSession::CanWriteTo(dir.Path("target") + "/"));
    EXPECT_EQ(dir.Read("target/WriteTest.bin"), "the user's own file");
    EXPECT_EQ(QDir(QString::fromStdString(dir.Path("target"))).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(InstallSession::CanWriteTo(dir.Path("missing")));
}

TEST_F(InstallSessionTest, JobListOfTheScriptWithAndWithoutSamples) {
    Start();
    ASSERT_TRUE(session.PrepareInstall());
    session.Destination = "/opt/T/";
    session.PrepareProcess();
    EXPECT_EQ(session.ProjectKey, "Software\\Tevano\\TevanoChem\\1.0\\");
    EXPECT_EQ(Variable("%PROJECTKEY%"), session.ProjectKey);
    session.BuildJobList();
    // 4 folders, 97 bytes of files, a key, a value, 2 shortcuts and 3 file types.
    EXPECT_EQ(session.Jobs.TotalWeight, 4 + 97 + 1 + 1 + 2 + 3);
    EXPECT_EQ(session.Jobs.Records.size(), 4u + 6u + 1u + 1u + 2u + 30u);
    EXPECT_EQ(session.Jobs.Records[7],
              "COPY|\"SYSTEM\\TevanoChem.chm\"|\"/opt/T/TevanoChem.chm\"|5->CHEMPRG");

    const std::string installer = package::Reader().PackageStream.Path();
    InstallSession without;
    without.FormCreate(installer);
    without.Modules[1].Checked = false;
    without.UpdateSelectedModules();
    ASSERT_TRUE(without.PrepareInstall());
    without.PrepareProcess();
    without.BuildJobList();
    EXPECT_EQ(without.Jobs.TotalWeight, 2 + 47 + 1 + 1 + 2 + 3);
    for (const std::string& record : without.Jobs.Records)
        EXPECT_EQ(record.find("->MOLEC"), std::string::npos) << record;

    // With the user's documents folder the samples go there.
    InstallSession documents;
    ASSERT_TRUE(documents.Registry.WriteString(RegistryRoot::CurrentUser, platform::ShellFoldersKey,
                                               "Personal", "/docs"));
    documents.FormCreate(installer);
    ASSERT_TRUE(documents.PrepareInstall());
    documents.Doc = DocChoice::Documents;
    documents.PrepareProcess();
    documents.BuildJobList();
    EXPECT_EQ(documents.Jobs.Records[2], "MAKEDIR|/docs\\MOLECULE|1->MOLEC");
}
