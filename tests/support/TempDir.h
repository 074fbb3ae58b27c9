// A temporary folder for one test, removed with everything in it afterwards, and a
// registry file inside it that the code under test uses instead of the user's own.
#pragma once

#include <QTemporaryDir>
#include <string>

class TestDir {
public:
    TestDir();
    ~TestDir();
    // Path of a file or folder inside the temporary folder.
    std::string Path(const std::string& name = "") const;
    // Writes a file inside the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    QTemporaryDir dir;
    QByteArray savedRegistry;
    bool hadRegistry;
};

// Path of a fixture file in tests/data.
std::string TestData(const std::string& name);
