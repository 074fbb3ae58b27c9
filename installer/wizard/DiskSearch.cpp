#include "installer/wizard/DiskSearch.h"

#include "platform/Paths.h"
#include "shared/Texts.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <memory>
#include <sys/stat.h>

namespace wizard {

namespace {

std::string WithSeparator(std::string path) {
    if (path.empty() || !platform::IsPathSeparator(path.back()))
        path.push_back('/');
    return path;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string MatchInFolder(const std::string& folder, const std::string& part) {
    for (const DiskEntry& entry : ListFolder(folder))
        if (SameTextAscii(entry.Name, part))
            return entry.Name;
    return {};
}

} // namespace

std::string FindOnDisk(const std::string& base, const std::string& path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::string found = absolute ? std::string(1, '/') : base.empty() ? base : WithSeparator(base);
    size_t start = 0;
    bool any = false;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !platform::IsPathSeparator(path[end]))
            ++end;
        if (end > start) {
            const std::string part = path.substr(start, end - start);
            std::string next = found + part;
            if (!Exists(next)) {
                const std::string match = MatchInFolder(found.empty() ? "." : found, part);
                if (match.empty())
                    return {};
                next = found + match;
            }
            found = WithSeparator(std::move(next));
            any = true;
        }
        start = end + 1;
    }
    if (!any)
        return {};
    found.pop_back();
    return found;
}

bool FileSize(const std::string& path, uint64_t& size) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    size = uint64_t(st.st_size);
    return true;
}

std::vector<DiskEntry> ListFolder(const std::string& folder) {
    std::vector<DiskEntry> entries;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return entries;
    const std::string prefix = WithSeparator(folder);
    while (const dirent* d = ::readdir(dir.get())) {
        const std::string name = d->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st;
        if (::stat((prefix + name).c_str(), &st) != 0)
            continue;
        entries.push_back({name, S_ISDIR(st.st_mode), uint64_t(st.st_size), uint64_t(st.st_dev),
                           uint64_t(st.st_ino)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DiskEntry& a, const DiskEntry& b) { return a.Name < b.Name; });
    return entries;
}

bool MatchesPattern(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*")
        return true;
    return ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0;
}

} // namespace wizard
