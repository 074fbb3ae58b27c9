#include "WizardFixture.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>

using platform::RegistryRoot;

namespace {

struct RunResult {
    int exitCode = -1;
    platform::Lines out;
    std::string err;
};

RunResult RunInstaller(const std::string& program, const QStringList& args) {
    QProcess process;
    process.start(QString::fromStdString(program), args);
    RunResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitCode();
    result.out = platform::SplitLines(process.readAllStandardOutput().toStdString());
    result.err = process.readAllStandardError().toStdString();
    return result;
}

} // namespace

class DryRunTest : public WizardTest {
protected:
    void SetUp() override {
        platform::Registry registry;
        ASSERT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, platform::ShellFoldersKey,
                                         "Desktop", "/desk"));
        ASSERT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, platform::ShellFoldersKey,
                                         "Programs", "/menu"));
        registryBefore = dir.Read("registry.reg");
        std::string stub;
        ASSERT_TRUE(platform::ReadFileBytes(TEVANO_INSTALL_PROGRAM, stub));
        installer = WriteInstaller(MediaEntries(), stub);
        QFile::setPermissions(QString::fromStdString(installer),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dest = dir.Path("target/Tevano");
    }
    // Every file and folder below the temporary folder.
    QStringList Tree() const {
        QStringList tree;
        QDir root(QString::fromStdString(dir.Path()));
        std::function<void(const QString&)> walk = [&](const QString& path) {
            for (const QFileInfo& info :
                 QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                tree << root.relativeFilePath(info.filePath());
                if (info.isDir())
                    walk(info.filePath());
            }
        };
        walk(root.path());
        tree.sort();
        return tree;
    }

    std::string registryBefore, installer, dest;
};

TEST_F(DryRunTest, PrintsTheJobListAndChangesNothing) {
    const QStringList treeBefore = Tree();
    const RunResult run =
        RunInstaller(installer, {"--dry-run", "--dest", QString::fromStdString(dest), "--modules",
                                 "chemprg,MOLEC", "--lang", "ENG", "--doc", "program"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string d = dest;
    platform::Lines expected{
        // The destination does not exist: the destination page records that it makes it,
        // and the script's own line for it adds nothing.
        "MAKEDIR|" + d + "|1",
        "MAKEDIR|" + d + "\\SYSTEM|1->CHEMPRG",
        "MAKEDIR|" + d + "\\MOLECULE|1->MOLEC",
        "MAKEDIR|" + d + "\\MOLECULE\\VITAMINOK|1->MOLEC",
        "COPY|\"TevanoChem.exe\"|\"" + d + "\\TevanoChem.exe\"|15->CHEMPRG",
        "COPY|\"SYSTEM\\tevanoChem_HUN.lng\"|\"" + d + "\\SYSTEM\\tevanoChem_HUN.lng\"|15->CHEMPRG",
        "COPY|\"SYSTEM\\Uninstall.exe\"|\"" + d + "\\SYSTEM\\Uninstall.exe\"|12->CHEMPRG",
        "COPY|\"SYSTEM\\TevanoChem.chm\"|\"" + d + "/TevanoChem.chm\"|5->CHEMPRG",
        "COPY|\"MOLECULE\\VITAMINOK\\C vitamin.chem\"|\"" + d +
            "\\MOLECULE\\VITAMINOK\\C vitamin.chem\"|28->MOLEC",
        "COPY|\"MOLECULE\\Glucose (open).chem\"|\"" + d +
            "\\MOLECULE\\Glucose (open).chem\"|22->MOLEC",
        "CREATEKEY|MACHINE|Software\\Tevano\\TevanoChem\\|1->CHEMPRG",
        "SETKEY|MACHINE|Software\\Tevano\\TevanoChem\\1.0\\|pathMolecule|STR|%DOCPATH%\\MOLECULE|"
        "1->CHEMPRG",
        "SHORTCUT|/menu\\Tevano/|Tevano Chemistry|" + d + "\\TevanoChem.exe|1->CHEMPRG",
        "SHORTCUT|/desk/|Tevano Chemistry|" + d + "\\TevanoChem.exe|1->CHEMPRG",
    };
    const std::pair<const char*, const char*> types[] = {
        {"chem", "Tevano Molecule"}, {"mol", "MDL Molfile"}, {"pdb", "Protein Data Bank"}};
    for (const auto& [e, description] : types) {
        const std::string E = UpperAscii(e);
        const std::string cls = "TEVANO_" + E;
        const platform::Lines records{std::string("CREATEKEY|CLASSES|.") + e + "|1",
                                      std::string("SETKEY|CLASSES|.") + e + "||STR|" + cls + "|1",
                                      "CREATEKEY|CLASSES|" + cls + "|1",
                                      "SETKEY|CLASSES|" + cls + "||STR|" + description + "|1",
                                      "CREATEKEY|CLASSES|" + cls + "\\DefaultIcon|1",
                                      "SETKEY|CLASSES|" + cls + "\\DefaultIcon||STR|" + d +
                                          "\\tevanoChem.exe|1",
                                      "CREATEKEY|CLASSES|" + cls + "\\Shell|1",
                                      "CREATEKEY|CLASSES|" + cls + "\\Shell\\Open|1",
                                      "CREATEKEY|CLASSES|" + cls + "\\Shell\\Open\\Command|1",
                                      "SETKEY|CLASSES|" + cls + "\\Shell\\Open\\Command||STR|" + d +
                                          "\\TevanoChem.exe \"%1\"|1"};
        for (const std::string& record : records)
            expected.push_back(record + "->CHEMPRG");
    }
    expected.push_back("TotalWeight=" + std::to_string(4 + 97 + 1 + 1 + 2 + 3));
    EXPECT_EQ(run.out, expected);

    // Nothing on the machine changed: no registry value, no folder, no file.
    EXPECT_EQ(dir.Read("registry.reg"), registryBefore);
    EXPECT_EQ(Tree(), treeBefore);
}

TEST_F(DryRunTest, ChoicesChangeTheList) {
    struct Case {
        QStringList args;
        const char* lastLine;
        size_t lines;
    };
    const Case cases[] = {
        // Without the samples only the program's lines count.
        {{"--modules", "CHEMPRG"}, "TotalWeight=56", 2 + 4 + 1 + 1 + 2 + 30 + 1},
        {{"--modules", "CHEMPRG", "--no-assoc"}, "TotalWeight=53", 2 + 4 + 1 + 1 + 2 + 1},
        // No module at all: only lines without modules, of which this script has none.
        {{"--modules", ""}, "TotalWeight=0", 2},
    };
    for (const Case& c : cases) {
        const RunResult run = RunInstaller(
            installer, QStringList{"--dry-run", "--dest", QString::fromStdString(dest)} + c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_FALSE(run.out.empty());
        EXPECT_EQ(run.out.back(), c.lastLine) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.out.size(), c.lines) << c.args.join(' ').toStdString();
    }
    // The documents choice moves the samples; an existing destination needs no MAKEDIR.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dest)));
    platform::Registry registry;
    ASSERT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, platform::ShellFoldersKey,
                                     "Personal", "/docs"));
    const RunResult run =
        RunInstaller(installer, {"--dry-run", "--dest", QString::fromStdString(dest) + "/", "--doc",
                                 "documents"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_GE(run.out.size(), 3u);
    EXPECT_EQ(run.out[0], "MAKEDIR|" + dest + "|1->CHEMPRG");
    EXPECT_EQ(run.out[2], "MAKEDIR|/docs\\MOLECULE|1->MOLEC");
}

TEST_F(DryRunTest, BadChoicesAreReported) {
    const QStringList cases[] = {{"--modules", "CHEMPRG,GAMES"},
                                 {"--lang", "XX"},
                                 {"--doc", "desktop"},
                                 {"--dest"},
                                 {"--colour", "red"}};
    for (const QStringList& args : cases) {
        const RunResult run = RunInstaller(installer, QStringList{"--dry-run"} + args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
}
