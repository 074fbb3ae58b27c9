#include "installer/wizard/PackageCommands.h"
#include "installer/package/PackageFormat.h"
#include "package/PackageFixture.h"

#include <QProcess>
#include <QStringList>
#include <sstream>

using namespace package;

class PackageCommandsTest : public PackageReaderTest {};

TEST_F(PackageCommandsTest, ListShowsKindAndSizes) {
    const std::string installer =
        pack::BuildPackage(TestStub, {Packed("!INSTALL\\Install_HUN.lng", std::string(5000, 'x')),
                                      Stored("empty.txt", ""), Packed("bad.txt", "soon damaged")});
    // Damage the last entry's stream (its chunk stands right before the index).
    std::string bytes = installer;
    const uint32_t indexAt = ReadU32(bytes.data() + bytes.size() - 8);
    bytes[indexAt - 5] ^= 0x55;
    dir.Write("setup", bytes);
    std::string error;
    ASSERT_TRUE(wizard::OpenInstallerPackage(dir.Path("setup"), error)) << error;

    std::ostringstream out, err;
    EXPECT_FALSE(wizard::ListPackage(out, err));
    std::istringstream lines(out.str());
    std::string header, first, second, third;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_EQ(header, "kind        stored    unpacked  name");
    EXPECT_EQ(first.substr(0, 6), "PACK  ");
    EXPECT_TRUE(first.ends_with("        5000  !INSTALL\\Install_HUN.lng")) << first;
    EXPECT_EQ(second, "?                ?           ?  bad.txt");
    EXPECT_EQ(third, "FILE             0           0  empty.txt");
    EXPECT_NE(err.str().find("bad.txt"), std::string::npos);
}

TEST_F(PackageCommandsTest, ExtractWritesTheEntryOrCopiesTheLooseFile) {
    dir.Write("setup", pack::BuildPackage(TestStub, {Packed("DATA\\a.txt", "packed a"),
                                                     Packed("b.txt", "packed b")}));
    dir.Write("b.txt", "loose b");
    std::string error;
    ASSERT_TRUE(wizard::OpenInstallerPackage(dir.Path("setup"), error)) << error;
    std::ostringstream err;
    ASSERT_TRUE(wizard::ExtractPackageEntry("data\\A.TXT", dir.Path("a.out"), err));
    EXPECT_EQ(dir.Read("a.out"), "packed a");
    ASSERT_TRUE(wizard::ExtractPackageEntry("b.txt", dir.Path("b.out"), err));
    EXPECT_EQ(dir.Read("b.out"), "loose b");
    EXPECT_FALSE(wizard::ExtractPackageEntry("c.txt", dir.Path("c.out"), err));
    EXPECT_NE(err.str().find("c.txt"), std::string::npos);
}

TEST_F(PackageCommandsTest, NoPackageIsAClearError) {
    dir.Write("setup", TestStub + std::string(8, '\0'));
    std::string error;
    EXPECT_FALSE(wizard::OpenInstallerPackage(dir.Path("setup"), error));
    EXPECT_NE(error.find("no package"), std::string::npos) << error;
}

// The staged installer lists its own package, and a damaged copy fails with a message.
TEST(StagedInstaller, ListsItsPackageAndFailsCleanlyWhenDamaged) {
    const QString installer = QString(TEVANO_STAGE_DIR) + "/install";
    if (!QFile::exists(installer))
        GTEST_SKIP() << "no staged installer";
    QProcess list;
    list.start(installer, {"--list"});
    ASSERT_TRUE(list.waitForFinished(60000));
    if (list.exitCode() != 0)
        GTEST_SKIP() << "the staged product is still empty: "
                     << list.readAllStandardError().toStdString();
    EXPECT_TRUE(list.readAllStandardOutput().startsWith("kind"));

    TestDir dir;
    QFile in(installer);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    // Every fourth byte of the package's chunks is flipped; the trailer stays.
    const qsizetype package = ReadU32(bytes.constData() + bytes.size() - 4);
    for (qsizetype i = package + 40; i < bytes.size() - 8; i += 4)
        bytes[i] = char(bytes[i] ^ 0x5A);
    const std::string copy = dir.Write("install", bytes.toStdString());
    QFile::setPermissions(QString::fromStdString(copy), QFile::ReadOwner | QFile::ExeOwner);
    QProcess damaged;
    damaged.start(QString::fromStdString(copy), {"--list"});
    ASSERT_TRUE(damaged.waitForFinished(60000));
    EXPECT_EQ(damaged.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(damaged.exitCode(), 1);
    EXPECT_TRUE(damaged.readAllStandardError().startsWith("install: "));
}
