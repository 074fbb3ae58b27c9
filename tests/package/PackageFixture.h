// Builds small installer files in a temporary folder and opens them the way the
// installer opens its own file.
#pragma once

#include "installer/package/PackageReader.h"
#include "support/TempDir.h"
#include "tools/pack/PackageBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class PackageReaderTest : public ::testing::Test {
protected:
    void TearDown() override { package::ResetReader(); }

    // Writes bytes as the installer file "setup" in the folder, points the reader at it
    // (SourceFolder is the folder) and opens the package.
    bool OpenInstaller(const std::string& bytes) {
        package::ResetReader();
        package::Reader().SourceFolder = dir.Path() + "/";
        installerPath = dir.Write("setup", bytes);
        EXPECT_TRUE(package::Reader().PackageStream.Open(installerPath));
        return package::OpenPackage();
    }

    TestDir dir;
    std::string installerPath;
};

inline const std::string TestStub = "#!stub of the installer program\n";

inline pack::PackEntry Packed(std::string name, std::string bytes) {
    return {std::move(name), std::move(bytes), false};
}
inline pack::PackEntry Stored(std::string name, std::string bytes) {
    return {std::move(name), std::move(bytes), true};
}

// The package with its index rewritten as plain text by edit (the index is the last
// chunk, so nothing before it moves).
std::string EditIndex(const std::string& installer,
                      const std::function<void(std::string& indexText)>& edit);
