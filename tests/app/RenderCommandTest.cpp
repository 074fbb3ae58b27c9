// The staged program's --render command: the picture of the main view in a PNG file.
#include "support/TempDir.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

int RunRender(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(TEVANO_STAGE_DIR "/TevanoChem"),
                  QStringList{"--render"} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

const char* const OneCarbon = "<tevanochem>\r\n<atoms>\r\n"
                              "<item id=\"1\" symbol=\"C\" x=\"0\" y=\"0\" z=\"0\"/>\r\n"
                              "</atoms>\r\n</tevanochem>\r\n";

TEST(RenderCommandTest, DrawsTheMainViewIntoAPng) {
    TestDir dir;
    const QString input = QString::fromStdString(dir.Write("carbon.chem", OneCarbon));
    const QString output = QString::fromStdString(dir.Path("carbon.png"));
    ASSERT_EQ(RunRender({input, "-o", output}), 0);
    const QImage picture(output);
    ASSERT_EQ(picture.size(), QSize(624, 456));
    // The carbon ball: full colour at its highlight point, the legend box at the top left.
    EXPECT_EQ(picture.pixelColor(302, 218), QColor(0x64, 0x64, 0x64));
    EXPECT_EQ(picture.pixelColor(289, 223), QColor(0, 0, 0));
    EXPECT_EQ(picture.pixelColor(10, 20), QColor(0x20, 0x20, 0x20));

    ASSERT_EQ(RunRender({input, "-o", output, "--size", "100x80", "--mode", "2", "--angles",
                         "10,20,-30.5"}),
              0);
    const QImage small(output);
    EXPECT_EQ(small.size(), QSize(100, 80));
    EXPECT_EQ(small.pixelColor(10, 20), QColor(0, 0, 0)); // no legend in mode 2
}

TEST(RenderCommandTest, RefusesBadParameters) {
    TestDir dir;
    const QString input = QString::fromStdString(dir.Write("carbon.chem", OneCarbon));
    const QString output = QString::fromStdString(dir.Path("out.png"));
    const QStringList bad[] = {
        {input},                                 // no output
        {"-o", output},                          // no input
        {input, "-o", output, "--size", "0x10"}, // empty picture
        {input, "-o", output, "--size", "99999x10"},
        {input, "-o", output, "--angles", "1,2"},
        {input, "-o", output, "--mode", "0"},
        {input, "-o", output, "--mode"}, // value missing
        {input, input, "-o", output},    // two files
        {input, "-o", output, "--bogus"},
    };
    for (const QStringList& arguments : bad)
        EXPECT_EQ(RunRender(arguments), 2) << arguments.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_EQ(RunRender({dir.Path("missing.chem").c_str(), "-o", output}), 1);
}

} // namespace
