// The headless command line: which parameters are switches, and the staged program's
// --convert and --info commands run end to end.
#include "editor/app/CommandLine.h"

#include "shared/Texts.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, SwitchesAndFiles) {
    struct Case {
        const char* parameter;
        bool isSwitch;
    };
    const Case cases[] = {
        {"--convert", true},         {"/NOSPLASH", true},
        {"/nosplash=1", true},       {"/home/me/a.mol", false},
        {"a.chem", false},           {"-x", false},
        {"C:\\data\\a.chem", false}, {"relative/dir/a.chem", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSwitchParameter(c.parameter), c.isSwitch) << c.parameter;
}

struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs the staged program in the C locale.
ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TEVANO_STAGE_DIR "/TevanoChem"), arguments);
    ProgramRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

std::string Sample() {
    QFile f(QString::fromStdString(TestData("chem/thiamine.chem")));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture");
    return f.readAll().toStdString();
}

size_t CountLines(const std::string& text) {
    return size_t(std::count(text.begin(), text.end(), '\n'));
}

TEST(CommandLineTest, ConvertRewritesEveryFileItCanOpen) {
    TestDir dir;
    const std::string sample = Sample();
    const std::string first = dir.Write("first.chem", sample);
    const std::string second = dir.Write("Second.CHEM", sample);
    const std::string missing = dir.Path("missing.chem");

    const ProgramRun run =
        RunProgram({QString::fromStdString(first), QString::fromStdString(missing), "--convert",
                    QString::fromStdString(second)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(CountLines(run.out), 2u) << run.out;
    EXPECT_EQ(CountLines(run.err), 1u) << run.err;
    EXPECT_NE(run.err.find("missing.chem"), std::string::npos) << run.err;
    // The sample is centred already, so the save only turns its decimal commas into the
    // C locale's points; the upper-case extension becomes .chem.
    EXPECT_EQ(dir.Read("first.chem"), ReplaceChar(sample, ',', '.'));
    EXPECT_EQ(dir.Read("Second.chem"), ReplaceChar(sample, ',', '.'));
}

TEST(CommandLineTest, ConvertSucceedsWhenEveryFileConverts) {
    TestDir dir;
    const std::string path = dir.Write("a.chem", Sample());
    const ProgramRun run = RunProgram({"--convert", QString::fromStdString(path)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(CountLines(run.out), 1u);
}

TEST(CommandLineTest, InfoPrintsTheSummary) {
    TestDir dir;
    const std::string path = dir.Write("thiamine.chem", Sample());
    const ProgramRun run = RunProgram({"--info", QString::fromStdString(path)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, path + ": 35 atoms, 36 wires, title \"thiamine\"\n");
}

TEST(CommandLineTest, UsageErrors) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--convert"}, QStringList{"--unknown", "a.chem"}}) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
