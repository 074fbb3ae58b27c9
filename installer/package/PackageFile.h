// The installer's own file, opened read-only; every read names its offset, so the one
// open file serves all loads without a shared position.
#pragma once

#include <cstdint>
#include <string>

namespace package {

class PackageFile {
public:
    PackageFile() = default;
    ~PackageFile();
    PackageFile(const PackageFile&) = delete;
    PackageFile& operator=(const PackageFile&) = delete;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return fd >= 0; }
    const std::string& Path() const { return path; }
    // The current size of the file; 0 when it is not open.
    uint64_t Size() const;
    // Reads exactly size bytes at offset; throws PackageError when the file ends first or
    // cannot be read.
    std::string ReadAt(uint64_t offset, uint64_t size) const;

private:
    int fd = -1;
    std::string path;
};

} // namespace package
