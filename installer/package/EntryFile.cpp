#include "installer/package/EntryFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace package {

namespace {

std::string Reason(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

} // namespace

bool EntryFile::Create(const std::string& newPath, std::string& error) {
    path = newPath;
    // A name left by an earlier run that stopped halfway is taken over.
    temporaryPath = newPath + "." + std::to_string(::getpid()) + ".part";
    fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = Reason(path);
        temporaryPath.clear();
        return false;
    }
    return true;
}

bool EntryFile::Write(std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = Reason(path);
            return false;
        }
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

bool EntryFile::Commit(std::string& error) {
    const int closing = fd;
    fd = -1;
    if (::close(closing) != 0 || ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        error = Reason(path);
        return false;
    }
    temporaryPath.clear();
    return true;
}

EntryFile::~EntryFile() {
    if (fd >= 0)
        ::close(fd);
    if (!temporaryPath.empty())
        ::unlink(temporaryPath.c_str());
}

} // namespace package
