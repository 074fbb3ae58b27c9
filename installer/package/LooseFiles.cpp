#include "installer/package/LooseFiles.h"

#include "platform/Paths.h"
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

} // namespace

std::string FindLooseFile(const std::string& folder, std::string_view name) {
    const std::vector<std::string> parts = NameParts(name);
    if (parts.empty())
        return {};
    // A name never reaches outside the folder.
    for (const std::string& part : parts)
        if (part == "." || part == "..")
            return {};
    std::string relative; // leading separators dropped: the name stays inside the folder
    for (const std::string& part : parts)
        relative += (relative.empty() ? "" : "/") + part;
    const std::string path = platform::FindPathIgnoringCase(folder, relative);
    return platform::FileExists(path) ? path : std::string();
}

} // namespace package
