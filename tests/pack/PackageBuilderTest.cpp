#include "installer/package/PackageFormat.h"
#include "installer/package/PackageReader.h"
#include "package/PackageFixture.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"

using namespace package;

class PackageBuilderTest : public PackageReaderTest {
protected:
    void SetUp() override {
        dir.Write("product/b.txt", "bee\r\n");
        dir.Write("product/A.txt", "ay\r\n");
        dir.Write("product/MOLECULE/VITAMINOK/C vitamin.chem", "<chem/>\r\n");
        dir.Write("product/system/empty.lng", "");
        dir.Write("product/other/skip.txt", "not packed with items\r\n");
    }
};

TEST_F(PackageBuilderTest, CollectsSortedNamesWithBackslashes) {
    std::vector<pack::PackEntry> entries;
    std::string error;
    ASSERT_TRUE(pack::CollectFolder(dir.Path("product"), {}, entries, error)) << error;
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"A.txt", "b.txt", "MOLECULE\\VITAMINOK\\C vitamin.chem",
                                        "other\\skip.txt", "system\\empty.lng"}));

    ASSERT_TRUE(
        pack::CollectFolder(dir.Path("product"), {"system", "b.txt", "missing"}, entries, error));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Name, "b.txt");
    EXPECT_EQ(entries[1].Name, "system\\empty.lng");

    EXPECT_FALSE(pack::CollectFolder(dir.Path("nothing"), {}, entries, error));
}

TEST_F(PackageBuilderTest, PackageRoundTripsWithOffsetsOfTheCombinedFile) {
    std::vector<pack::PackEntry> entries;
    std::string error;
    ASSERT_TRUE(pack::CollectFolder(dir.Path("product"), {}, entries, error)) << error;
    const std::string installer = pack::BuildPackage(TestStub, entries);
    EXPECT_EQ(pack::BuildPackage(TestStub, entries), installer); // deterministic
    EXPECT_EQ(installer.compare(0, TestStub.size(), TestStub), 0);
    EXPECT_EQ(installer.substr(TestStub.size(), Magic.size()), Magic);

    ASSERT_TRUE(OpenInstaller(installer));
    ASSERT_EQ(Reader().PackageIndex.size(), entries.size());
    for (const pack::PackEntry& entry : entries) {
        const std::optional<std::string> value = FindIndexValue(entry.Name);
        ASSERT_TRUE(value) << entry.Name;
        const PackageChunk chunk = ReadChunk(IndexOffset(*value));
        EXPECT_EQ(chunk.Tag, TagPacked);
        EXPECT_EQ(GetField(*value, 2, '|'), std::to_string(chunk.Payload.size()));
        FileTarget target{dir.Path("out")};
        ASSERT_TRUE(LoadPackageEntry(entry.Name, target));
        EXPECT_EQ(dir.Read("out"), entry.Bytes) << entry.Name;
    }
}

TEST_F(PackageBuilderTest, RefusesAnEmptyStub) {
    EXPECT_THROW(pack::BuildPackage("", {Packed("a", "b")}), std::invalid_argument);
}
