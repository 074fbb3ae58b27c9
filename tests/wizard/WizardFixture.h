// Installer files built in a temporary folder for the wizard tests: the test setup of
// tests/data/wizard/media packed behind a stub, in a folder of its own so that nothing
// else lies beside it as a loose file.
#pragma once

#include "installer/package/PackageReader.h"
#include "support/TempDir.h"
#include "tools/pack/PackageBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class WizardTest : public ::testing::Test {
protected:
    void TearDown() override { package::ResetReader(); }

    // The files of the test setup, stored uncompressed so that their index sizes are their
    // byte counts; names for which keep returns false are left out.
    static std::vector<pack::PackEntry> MediaEntries(bool (*keep)(const std::string&) = nullptr);
    // Writes stub + package as media/install and returns its path.
    std::string WriteInstaller(const std::vector<pack::PackEntry>& entries,
                               const std::string& stub = "#!installer stub\n");
    // Writes the installer and opens its package; the source folder is media/.
    void OpenInstaller(const std::vector<pack::PackEntry>& entries);
    std::string MediaFolder() const { return dir.Path("media") + "/"; }

    TestDir dir;
};
