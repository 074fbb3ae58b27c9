// Wildcard copies of whole folder trees: the job script copies the files of one folder
// per line, so a copy of "%SRCROOT%\DIR\*.*" is followed, when the script is loaded, by a
// MAKEDIR and a COPY line for each folder found below DIR.
#include "installer/wizard/DiskSearch.h"
#include "installer/wizard/JobList.h"
#include "shared/Texts.h"

#include <set>
#include <utility>

namespace wizard {

namespace {

// Far deeper than any product tree; stops a tree that links back into itself.
constexpr int MaxFolderDepth = 64;

class FolderTreeExpander {
public:
    FolderTreeExpander(Lines& script, size_t insertAt, std::string sourceFolder,
                       std::string destinationRoot, std::string suffix)
        : script(script), insertAt(insertAt), sourceFolder(std::move(sourceFolder)),
          destinationRoot(std::move(destinationRoot)), suffix(std::move(suffix)) {}

    // Adds the lines for the folders below relative (which ends with '\' unless empty);
    // returns the index after the last inserted line.
    size_t Expand(const std::string& relative, int depth = 0) {
        const std::string folder =
            relative.empty() ? ExcludeSlash(sourceFolder) : FindOnDisk(sourceFolder, relative);
        if (folder.empty() || depth > MaxFolderDepth)
            return insertAt;
        for (const DiskEntry& entry : ListFolder(folder)) {
            if (!entry.Folder || !visited.insert({entry.Device, entry.Inode}).second)
                continue;
            const std::string path = relative + entry.Name;
            Insert("MAKEDIR(" + destinationRoot + "\\" + path + ")" + suffix);
            Insert("COPY(\"%SRCROOT%\\" + path + "\\*.*\"|\"" + destinationRoot + "\\" + path +
                   "\\\")" + suffix);
            Expand(path + "\\", depth + 1);
        }
        return insertAt;
    }

private:
    void Insert(std::string line) {
        script.insert(script.begin() + std::ptrdiff_t(insertAt), std::move(line));
        ++insertAt;
    }

    Lines& script;
    size_t insertAt;
    std::string sourceFolder, destinationRoot, suffix;
    std::set<std::pair<uint64_t, uint64_t>> visited;
};

// The folder of a wildcard source relative to the installer's folder: after "%SRCROOT%\",
// or the source itself when it is relative. False for any other source.
bool RelativeFolder(const std::string& source, std::string& relative) {
    if (source.rfind("%SRCROOT%", 0) == 0) {
        relative = source.size() > 10 ? source.substr(10) : std::string();
        return source.size() == 9 || platform::IsPathSeparator(source[9]);
    }
    relative = source;
    return !platform::IsAbsolutePath(source) && source.find('%') == std::string::npos;
}

} // namespace

void ExpandWildcardCopies(Lines& script, const std::string& sourceFolder) {
    for (size_t i = 0; i < script.size(); ++i) {
        const std::string line = UpperAscii(script[i]);
        if (line.rfind("COPY", 0) != 0 || line.find("*.*") == std::string::npos)
            continue;
        const JobLine parts = SplitJobLine(line);
        const std::string args = ReplaceText(parts.Arguments, "\"", "", true);
        std::string destinationRoot = GetField(args, 2, '|');
        std::string relative;
        if (!RelativeFolder(ReplaceText(GetField(args, 1, '|'), "*.*", "", true), relative))
            continue;
        const size_t at = destinationRoot.find(relative);
        if (!relative.empty() && at != std::string::npos &&
            at + relative.size() == destinationRoot.size())
            destinationRoot = ExcludeSlash(destinationRoot.substr(0, at));
        // Inserted lines are skipped over: they are expanded already.
        i = FolderTreeExpander(script, i + 1, sourceFolder, destinationRoot, parts.Suffix)
                .Expand(relative) -
            1;
    }
}

} // namespace wizard
