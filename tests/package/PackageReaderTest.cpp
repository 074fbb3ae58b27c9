#include "installer/package/PackageReader.h"
#include "installer/package/PackageFormat.h"
#include "package/PackageFixture.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>

using namespace package;

namespace {

std::string JpegBytes() {
    QImage image(8, 6, QImage::Format_RGB888);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 75);
    return bytes.toStdString();
}

const Lines SetupText = {"[GENERAL]", "PATH_PREFIX=!INSTALL"};

std::string ProductInstaller() {
    const std::string jpeg = JpegBytes();
    return pack::BuildPackage(TestStub,
                              {
                                  Packed("Install.ini", "[GENERAL]\r\nPATH_PREFIX=!INSTALL\r\n"),
                                  Packed("!INSTALL\\start.jpg", jpeg),
                                  Packed("!INSTALL\\start.jpeg", jpeg),
                                  Stored("!INSTALL\\docu.jpg", jpeg),
                                  Stored("DATA\\empty.bin", ""),
                                  Packed("DATA\\packed-empty.bin", ""),
                                  Packed("dup.txt", "first"),
                                  Packed("dup.txt", "second"),
                              });
}

} // namespace

TEST_F(PackageReaderTest, EntriesLoadAsLinesPicturesAndFiles) {
    ASSERT_TRUE(OpenInstaller(ProductInstaller()));
    EXPECT_TRUE(Reader().PackageOpen);
    EXPECT_EQ(Reader().PackageIndex.size(), 8u);

    Lines lines = {"old"};
    ASSERT_TRUE(LoadPackageEntry("install.ini", lines)); // letter case does not matter
    EXPECT_EQ(lines, SetupText);

    QImage picture;
    EXPECT_TRUE(LoadPackageEntry("!install\\START.JPG", picture));
    EXPECT_EQ(picture.size(), QSize(8, 6));
    EXPECT_TRUE(LoadPackageEntry("!INSTALL\\docu.jpg", picture)); // stored, not packed
    // Only .BMP and .JPG names are decoded from the package.
    QImage none;
    EXPECT_FALSE(LoadPackageEntry("!INSTALL\\start.jpeg", none));
    EXPECT_TRUE(none.isNull());

    // Empty entries, stored and packed, replace whatever the destination held.
    for (const char* name : {"DATA\\empty.bin", "DATA\\packed-empty.bin"}) {
        FileTarget target{dir.Write("out.bin", "earlier content")};
        ASSERT_TRUE(LoadPackageEntry(name, target)) << name;
        EXPECT_EQ(target.Path, dir.Path("out.bin"));
        EXPECT_EQ(dir.Read("out.bin"), "") << name;
    }
}

TEST_F(PackageReaderTest, MissingAndEmptyNames) {
    ASSERT_TRUE(OpenInstaller(ProductInstaller()));
    Lines lines = {"old"};
    EXPECT_FALSE(LoadPackageEntry("", lines));
    EXPECT_EQ(lines, Lines{"old"}); // an empty name touches nothing
    EXPECT_FALSE(LoadPackageEntry("missing.txt", lines));
    EXPECT_TRUE(lines.empty());
    FileTarget target{dir.Path("never.bin")};
    EXPECT_FALSE(LoadPackageEntry("missing.txt", target));
    EXPECT_FALSE(LoadPackageEntry("..\\setup", target)); // never outside the folder
}

TEST_F(PackageReaderTest, DuplicateNamesUseTheLineThatSortsFirst) {
    // The index lists the later chunk first; sorting puts the lower offset text first.
    const std::string installer = EditIndex(ProductInstaller(), [](std::string& text) {
        Lines lines = platform::SplitLines(text);
        std::reverse(lines.begin(), lines.end());
        text = platform::JoinLines(lines);
    });
    ASSERT_TRUE(OpenInstaller(installer));
    Lines lines;
    ASSERT_TRUE(LoadPackageEntry("DUP.TXT", lines));
    EXPECT_EQ(lines, Lines{"first"});
}

TEST_F(PackageReaderTest, LooseFilesTakePrecedence) {
    dir.Write("Install.ini", "[LOOSE]\r\n");
    dir.Write("!install/Start.JPG", JpegBytes());
    ASSERT_TRUE(OpenInstaller(ProductInstaller()));

    Lines lines;
    ASSERT_TRUE(LoadPackageEntry("install.ini", lines));
    EXPECT_EQ(lines, Lines{"[LOOSE]"});
    // A file target uses the loose file in place and writes nothing.
    FileTarget target{dir.Path("copy.jpg")};
    ASSERT_TRUE(LoadPackageEntry("!INSTALL\\start.jpg", target));
    EXPECT_EQ(target.Path, dir.Path("!install/Start.JPG"));
    EXPECT_FALSE(platform::FileExists(dir.Path("copy.jpg")));
    // A loose file that is not readable as the target asks: false, not the package.
    dir.Write("dup.txt", "");
    QImage picture;
    EXPECT_FALSE(LoadPackageEntry("dup.txt", picture));
}

TEST_F(PackageReaderTest, WithoutPackageLooseFilesStillLoad) {
    dir.Write("Install.ini", "[LOOSE]\r\n");
    std::string installer = ProductInstaller();
    std::fill(installer.end() - TrailerSize, installer.end(), '\0');
    EXPECT_FALSE(OpenInstaller(installer));
    EXPECT_FALSE(Reader().PackageOpen);
    EXPECT_TRUE(Reader().OpenError.empty());
    Lines lines;
    ASSERT_TRUE(LoadPackageEntry("Install.ini", lines));
    EXPECT_EQ(lines, Lines{"[LOOSE]"});
    EXPECT_FALSE(LoadPackageEntry("dup.txt", lines));
}

TEST_F(PackageReaderTest, MemoTextsComeInlineOrFromThePackage) {
    ASSERT_TRUE(OpenInstaller(pack::BuildPackage(
        TestStub, {Packed("!INSTALL\\eula_HUN.txt", "Licence\r\nsecond line\r\n")})));
    Reader().PathPrefix = "!INSTALL\\";
    Lines lines = {"old"};
    LoadMemoText(lines, "EULA_HUN.txt");
    EXPECT_EQ(lines, (Lines{"Licence", "second line"}));
    LoadMemoText(lines, "$One|Two");
    EXPECT_EQ(lines, (Lines{"One", "Two"}));
    LoadMemoText(lines, "");
    EXPECT_TRUE(lines.empty());
}

TEST_F(PackageReaderTest, UnwritableFileTargets) {
    ASSERT_TRUE(OpenInstaller(ProductInstaller()));
    FileTarget target{dir.Path("no such folder/out.bin")};
    // A packed entry that cannot be delivered gives false; a stored one is an error.
    EXPECT_FALSE(LoadPackageEntry("Install.ini", target));
    EXPECT_THROW(LoadPackageEntry("DATA\\empty.bin", target), PackageError);
}
