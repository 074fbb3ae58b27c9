#include "TextFile.h"
#include "Paths.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString HostName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

void SetError(std::string* error, const QString& message) {
    if (error)
        *error = message.toStdString();
}

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

Lines SplitLines(const std::string& bytes) {
    Lines lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes, start, i - start);
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.emplace_back(bytes, start, bytes.size() - start);
    return lines;
}

std::string JoinLines(const Lines& lines) {
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
    QFile file(HostName(path));
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return false;
    }
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}

bool ReadFileLines(const std::string& path, Lines& lines, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    lines = SplitLines(bytes);
    return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
    // A link is replaced through to the file it names, as an in-place write would.
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            target = resolved;
    }
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return Fail(error, target + " is a folder");
    if (exists && !IsFileWritable(target))
        return Fail(error, target + " is read-only");

    // The new text goes to a temporary file beside the target and replaces it by a rename,
    // so the earlier file stays whole until the new one is complete. No sync to disk: a
    // batch of hundreds of files would wait on the disk for each one.
    std::string temp = target.substr(0, target.find_last_of('/') + 1) + ".tevano-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Fail(error, std::strerror(errno));
    const mode_t mode = exists ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = ::fchmod(fd, mode) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += size_t(n);
    }
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(error, std::strerror(savedErrno ? savedErrno : EIO));
    }
    return true;
}

bool WriteFileLines(const std::string& path, const Lines& lines, std::string* error) {
    return WriteFileBytes(path, JoinLines(lines), error);
}

} // namespace platform
