// Wildcard copies of whole folder trees: the job script copies the files of one folder
// per line, so a copy of "%SRCROOT%\DIR\*.*" is followed, when the script is loaded, by a
// MAKEDIR and a COPY line for each folder found below DIR.
#include "installer/wizard/DiskSearch.h"
#include "installer/wizard/JobList.h"
#include "platform/Paths.h"
#include "shared/Texts.h"

#include <set>
#include <utility>

namespace wizard {

namespace {

// Far deeper than any product tree; stops a tree that links back into itself.
constexpr int MaxFolderDepth = 64;

class FolderTreeExpander {
public:
    // relative: the wildcard's folder below the installer's folder ("DATA\" or empty);
    // destination: where that folder's files go, without a trailing separator.
    FolderTreeExpander(Lines& script, size_t insertAt, std::string sourceFolder,
                       std::string relative, std::string destination, std::string suffix)
        : script(script), insertAt(insertAt), sourceFolder(std::move(sourceFolder)),
          relative(std::move(relative)), destination(std::move(destination)),
          suffix(std::move(suffix)) {}

    // Adds the lines for the folders below the wildcard's folder + sub (which ends with
    // '\' unless empty); returns the index after the last inserted line.
    size_t Expand(const std::string& sub = "", int depth = 0) {
        const std::string below = relative + sub;
        const std::string folder = below.empty()
                                       ? ExcludeSlash(sourceFolder)
                                       : platform::FindPathIgnoringCase(sourceFolder, below);
        if (folder.empty() || depth > MaxFolderDepth)
            return insertAt;
        for (const DiskEntry& entry : ListFolder(folder)) {
            if (!entry.Folder || !visited.insert({entry.Device, entry.Inode}).second)
                continue;
            const std::string path = sub + entry.Name;
            Insert("MAKEDIR(" + destination + "\\" + path + ")" + suffix);
            Insert("COPY(\"%SRCROOT%\\" + relative + path + "\\*.*\"|\"" + destination + "\\" +
                   path + "\\\")" + suffix);
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
    std::string sourceFolder, relative, destination, suffix;
    std::set<std::pair<uint64_t, uint64_t>> visited;
};

// A folder name that leads out of the folder it is in.
bool LeadsOut(const std::string& relative) {
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = start;
        while (end < relative.size() && !platform::IsPathSeparator(relative[end]))
            ++end;
        const std::string_view part = std::string_view(relative).substr(start, end - start);
        if (part == "." || part == "..")
            return true;
        start = end + 1;
    }
    return false;
}

// The folder of a wildcard source relative to the installer's folder: after "%SRCROOT%",
// or the source itself when it is relative. False for any other source, and for one that
// leads out of the installer's folder.
bool RelativeFolder(const std::string& source, std::string& relative) {
    if (source.rfind("%SRCROOT%", 0) == 0) {
        relative = source.size() > 10 ? source.substr(10) : std::string();
        if (source.size() > 9 && !platform::IsPathSeparator(source[9]))
            return false;
    } else {
        relative = source;
        if (platform::IsAbsolutePath(source) || source.find('%') != std::string::npos)
            return false;
    }
    return !LeadsOut(relative);
}

} // namespace

void ExpandWildcardCopies(Lines& script, const std::string& sourceFolder) {
    for (size_t i = 0; i < script.size(); ++i) {
        const std::string line = UpperAscii(script[i]);
        if (line.rfind("COPY", 0) != 0 || line.find("*.*") == std::string::npos)
            continue;
        const JobLine parts = SplitJobLine(line);
        const std::string args = ReplaceText(parts.Arguments, "\"", "", true);
        std::string relative;
        if (!RelativeFolder(ReplaceText(GetField(args, 1, '|'), "*.*", "", true), relative))
            continue;
        // Each subfolder goes below the folder that receives the wildcard's own files: the
        // folder part of the destination, or a bare variable as a whole.
        const std::string target = GetField(args, 2, '|');
        const std::string destination = !target.empty() && target.back() == '%'
                                            ? target
                                            : ExcludeSlash(platform::ExtractFilePath(target));
        // Inserted lines are skipped over: they are expanded already.
        i = FolderTreeExpander(script, i + 1, sourceFolder, relative, destination, parts.Suffix)
                .Expand() -
            1;
    }
}

} // namespace wizard
