#include "installer/package/LooseFiles.h"

#include "platform/Paths.h"
#include "shared/Texts.h"

#include <dirent.h>
#include <memory>
#include <vector>

namespace package {

namespace {

std::vector<std::string> NameParts(std::string_view name) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : name) {
        if (platform::IsPathSeparator(c)) {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

// The entry of folder whose name equals part ignoring letter case, or empty.
std::string MatchInFolder(const std::string& folder, const std::string& part) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                            ::closedir);
    if (!dir)
        return {};
    while (const dirent* entry = ::readdir(dir.get()))
        if (SameTextAscii(entry->d_name, part))
            return entry->d_name;
    return {};
}

} // namespace

std::string FindLooseFile(const std::string& folder, std::string_view name) {
    const std::vector<std::string> parts = NameParts(name);
    if (parts.empty())
        return {};
    // A name never reaches outside the folder.
    for (const std::string& part : parts)
        if (part == "." || part == "..")
            return {};
    std::string base = folder;
    if (!base.empty() && !platform::IsPathSeparator(base.back()))
        base += '/';
    std::string exact = base;
    for (size_t i = 0; i < parts.size(); ++i)
        exact += (i ? "/" : "") + parts[i];
    if (platform::FileExists(exact))
        return exact;

    std::string path = base;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string found = MatchInFolder(path, parts[i]);
        if (found.empty())
            return {};
        path += found;
        if (i + 1 < parts.size())
            path += '/';
    }
    return platform::FileExists(path) ? path : std::string();
}

} // namespace package
