#include "installer/wizard/DiskSearch.h"

#include "platform/Paths.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <memory>
#include <sys/stat.h>

namespace wizard {

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
    const std::string prefix = platform::WithTrailingSeparator(folder);
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
