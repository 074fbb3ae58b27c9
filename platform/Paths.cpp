#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString HostName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

size_t LastSeparator(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

} // namespace

bool IsPathSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsAbsolutePath(std::string_view path) {
    if (!path.empty() && path[0] == '/')
        return true;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\')
        return true;
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && IsPathSeparator(path[2]);
}

std::string ExtractFilePath(std::string_view path) {
    const size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string ExtractFileName(std::string_view path) {
    const size_t sep = LastSeparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const std::string name = ExtractFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    const size_t nameStart = LastSeparator(path) + 1; // npos + 1 == 0
    const size_t dot = path.rfind('.');
    const size_t cut = (dot == std::string_view::npos || dot < nameStart) ? path.size() : dot;
    return std::string(path.substr(0, cut)) + std::string(ext);
}

std::string WithTrailingSeparator(std::string folder) {
    if (!folder.empty() && !IsPathSeparator(folder.back()))
        folder += HostSeparator;
    return folder;
}

namespace {

// The entry of folder whose name equals part ignoring ASCII letter case, or empty.
std::string MatchInFolder(const std::string& folder, std::string_view part) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                            ::closedir);
    std::string best;
    if (!dir)
        return best;
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const auto same = [&](char a, char b) { return fold(a) == fold(b); };
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." ||
            !std::equal(name.begin(), name.end(), part.begin(), part.end(), same))
            continue;
        if (best.empty() || name < best)
            best = name;
    }
    return best;
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string FindPathIgnoringCase(const std::string& base, std::string_view path) {
    std::string found = !path.empty() && path[0] == '/' ? "/" : WithTrailingSeparator(base);
    bool any = false;
    for (size_t start = 0; start <= path.size();) {
        size_t end = start;
        while (end < path.size() && !IsPathSeparator(path[end]))
            ++end;
        if (end > start) {
            const std::string_view part = path.substr(start, end - start);
            std::string next = found + std::string(part);
            if (!PathExists(next)) {
                const std::string match = MatchInFolder(found, part);
                if (match.empty())
                    return {};
                next = found + match;
            }
            found = std::move(next) + HostSeparator;
            any = true;
        }
        start = end + 1;
    }
    if (!any)
        return {};
    found.pop_back();
    return found;
}

bool FileExists(const std::string& path) {
    const QFileInfo info(HostName(path));
    return info.exists() && !info.isDir();
}

bool DirectoryExists(const std::string& path) {
    return QFileInfo(HostName(path)).isDir();
}

bool IsFileWritable(const std::string& path) {
    // A file without any write permission counts as read-only for the superuser too, as
    // a read-only file does for every user on the system these files come from.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0;
}

bool ForceDirectories(const std::string& path) {
    return QDir().mkpath(HostName(path));
}

std::string ProgramFilePath() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

} // namespace platform
