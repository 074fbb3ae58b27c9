#include "WizardFixture.h"

#include "installer/wizard/PackageCommands.h"

std::vector<pack::PackEntry> WizardTest::MediaEntries(bool (*keep)(const std::string&)) {
    std::vector<pack::PackEntry> entries;
    std::string error;
    EXPECT_TRUE(pack::CollectFolder(TestData("wizard/media"), {}, entries, error)) << error;
    std::erase_if(entries, [&](const pack::PackEntry& e) { return keep && !keep(e.Name); });
    for (pack::PackEntry& entry : entries)
        entry.Stored = true;
    return entries;
}

std::string WizardTest::WriteInstaller(const std::vector<pack::PackEntry>& entries,
                                       const std::string& stub) {
    return dir.Write("media/install", pack::BuildPackage(stub, entries));
}

void WizardTest::OpenInstaller(const std::vector<pack::PackEntry>& entries) {
    std::string error;
    ASSERT_TRUE(wizard::OpenInstallerPackage(WriteInstaller(entries), error)) << error;
}
