// Damaged installer files: every one fails cleanly, either as "no package" when the
// trailer does not lead to one, as an unreadable index, or as an error when the damaged
// entry is loaded.
#include "installer/package/PackageFormat.h"
#include "installer/package/PackageReader.h"
#include "package/PackageFixture.h"
#include "platform/TextFile.h"

#include <QDir>

#include <functional>

using namespace package;

namespace {

enum class Outcome {
    NoPackage,     // OpenPackage false without a reason: the installer runs on loose files
    BadIndex,      // OpenPackage false with the reason in OpenError
    EntryError,    // the package opens; loading the damaged entry as text or file throws
    NothingLoaded, // the package opens; loading the entry gives false
};

struct DamageCase {
    const char* what;
    std::function<void(std::string&)> damage;
    Outcome outcome;
};

const uint32_t EntryOffset = uint32_t(TestStub.size() + Magic.size()); // "a.txt"

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    std::string field;
    AppendU32(field, value);
    bytes.replace(at, 4, field);
}

uint32_t IndexAt(const std::string& bytes) {
    return ReadU32(bytes.data() + bytes.size() - 8);
}

std::string Bomb() {
    std::string bytes;
    platform::ReadFileBytes(TestData("package/zeros-200MiB.bz2"), bytes);
    return bytes;
}

// Replaces the first index offset ("a.txt=NN|") with text.
std::function<void(std::string&)> IndexOffsetText(const std::string& text) {
    return [text](std::string& bytes) {
        bytes = EditIndex(bytes, [&](std::string& index) {
            index.replace(index.find('=') + 1, index.find('|') - index.find('=') - 1, text);
        });
    };
}

} // namespace

TEST_F(PackageReaderTest, DamagedPackagesFailCleanly) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i * 7919 % 1000) + "\r\n";
    const std::string good =
        pack::BuildPackage(TestStub, {Packed("a.txt", text), Stored("b.bin", Bomb())});
    const uint32_t bombOffset = uint32_t(good.find("FILE"));

    const DamageCase cases[] = {
        {"zero trailer", [](std::string& b) { std::fill(b.end() - 8, b.end(), '\0'); },
         Outcome::NoPackage},
        {"wrong magic", [](std::string& b) { b[TestStub.size()] = 't'; }, Outcome::NoPackage},
        {"truncated file", [](std::string& b) { b.resize(b.size() / 2); }, Outcome::NoPackage},
        {"magic offset beyond the end",
         [](std::string& b) { PutU32(b, b.size() - 4, uint32_t(b.size())); }, Outcome::NoPackage},
        {"index offset beyond the end",
         [](std::string& b) { PutU32(b, b.size() - 8, 0xFFFFFFF0u); }, Outcome::BadIndex},
        {"index length beyond the end",
         [](std::string& b) { PutU32(b, IndexAt(b) + 4, uint32_t(b.size())); }, Outcome::BadIndex},
        {"index length of 4 GiB", [](std::string& b) { PutU32(b, IndexAt(b) + 4, 0xFFFFFFFFu); },
         Outcome::BadIndex},
        {"corrupt index stream", [](std::string& b) { b[IndexAt(b) + 8 + 24] ^= 0x55; },
         Outcome::BadIndex},
        {"index that expands without bound",
         [](std::string& b) {
             const uint32_t at = IndexAt(b);
             const std::string bomb = Bomb();
             b.resize(at);
             b += TagIndexPacked;
             AppendU32(b, uint32_t(bomb.size()));
             b += bomb;
             AppendU32(b, at);
             AppendU32(b, uint32_t(TestStub.size()));
         },
         Outcome::BadIndex},
        {"chunk length beyond the end",
         [](std::string& b) { PutU32(b, EntryOffset + 4, uint32_t(b.size())); },
         Outcome::EntryError},
        {"chunk length of 4 GiB", [](std::string& b) { PutU32(b, EntryOffset + 4, 0xFFFFFFFFu); },
         Outcome::EntryError},
        {"corrupt entry stream", [](std::string& b) { b[EntryOffset + 8 + 30] ^= 0x55; },
         Outcome::EntryError},
        {"entry stream cut short",
         [](std::string& b) {
             PutU32(b, EntryOffset + 4, ReadU32(b.data() + EntryOffset + 4) / 2);
         },
         Outcome::EntryError},
        {"entry that expands without bound",
         [bombOffset](std::string& b) {
             b.replace(bombOffset, 4, TagPacked);
             b = EditIndex(b, [&](std::string& index) {
                 index.replace(index.find('=') + 1, index.find('|') - index.find('=') - 1,
                               std::to_string(bombOffset));
             });
         },
         Outcome::EntryError},
        {"index offset that is not a number", IndexOffsetText("12x"), Outcome::EntryError},
        {"empty index offset", IndexOffsetText(""), Outcome::EntryError},
        {"index offset beyond the end", IndexOffsetText("4000000000"), Outcome::EntryError},
        {"unknown chunk tag", [](std::string& b) { b.replace(EntryOffset, 4, "JUNK"); },
         Outcome::NothingLoaded},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = good;
        c.damage(bytes);
        const bool opened = OpenInstaller(bytes);
        Lines lines;
        switch (c.outcome) {
        case Outcome::NoPackage:
        case Outcome::BadIndex:
            EXPECT_FALSE(opened);
            EXPECT_TRUE(Reader().PackageIndex.empty());
            EXPECT_EQ(Reader().OpenError.empty(), c.outcome == Outcome::NoPackage)
                << Reader().OpenError;
            EXPECT_FALSE(LoadPackageEntry("a.txt", lines));
            break;
        case Outcome::EntryError: {
            ASSERT_TRUE(opened);
            EXPECT_THROW(LoadPackageEntry("a.txt", lines), PackageError);
            // The earlier file stays as it was, and no partly written file is left.
            FileTarget target{dir.Write("out/a.txt", "earlier")};
            EXPECT_THROW(LoadPackageEntry("a.txt", target), PackageError);
            EXPECT_EQ(dir.Read("out/a.txt"), "earlier");
            EXPECT_EQ(QDir(QString::fromStdString(dir.Path("out"))).count(), 3); // ., .., a.txt
            break;
        }
        case Outcome::NothingLoaded:
            ASSERT_TRUE(opened);
            EXPECT_FALSE(LoadPackageEntry("a.txt", lines));
            EXPECT_TRUE(lines.empty());
            break;
        }
    }
}
