#include "installer/package/PackageFile.h"

#include "installer/package/PackageFormat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace package {

PackageFile::~PackageFile() {
    Close();
}

bool PackageFile::Open(const std::string& newPath) {
    Close();
    fd = ::open(newPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    path = newPath;
    return true;
}

void PackageFile::Close() {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    path.clear();
}

uint64_t PackageFile::Size() const {
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_size < 0)
        return 0;
    return uint64_t(st.st_size);
}

std::string PackageFile::ReadAt(uint64_t offset, uint64_t size) const {
    const uint64_t fileSize = Size();
    // Checked before allocating, so a damaged length never reserves more than the file.
    if (offset > fileSize || size > fileSize - offset)
        throw PackageError("the package is damaged: " + std::to_string(size) + " bytes at offset " +
                           std::to_string(offset) + " run past the end of the file (" +
                           std::to_string(fileSize) + " bytes)");
    std::string bytes(size, '\0');
    uint64_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw PackageError("cannot read the package at offset " +
                               std::to_string(offset + done) + ": " +
                               (n < 0 ? std::strerror(errno) : "unexpected end of file"));
        done += uint64_t(n);
    }
    return bytes;
}

} // namespace package
