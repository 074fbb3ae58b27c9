// Path texts and file system queries.
//
// Program logic keeps paths as 8-bit texts. Both '\' and '/' count as separators when a
// path is split or tested, so names written on Windows still work; the separator that
// code appends is the host's.
#pragma once

#include <string>
#include <string_view>

namespace platform {

constexpr char HostSeparator = '/';

bool IsPathSeparator(char c);
// Starts at the root: '/' on this host (a drive letter or '\\' as written on Windows too).
bool IsAbsolutePath(std::string_view path);

// Parts of a path, split at the last separator (either kind).
std::string ExtractFilePath(std::string_view path); // folder with its trailing separator
std::string ExtractFileName(std::string_view path); // name with extension
std::string ExtractFileExt(std::string_view path);  // ".ext" of the name, or empty
std::string ChangeFileExt(std::string_view path, std::string_view ext);

// The folder with a separator at its end; an empty folder stays empty.
std::string WithTrailingSeparator(std::string folder);

// The existing file or folder that path stands for, spelled as on disk, or empty. Both
// '\' and '/' separate the path's parts; a part that does not exist as written is matched
// ignoring the letter case of ASCII letters (the first such name in name order), as on
// the disks the names were written for. A relative path is taken inside base (or the
// current folder when base is empty).
std::string FindPathIgnoringCase(const std::string& base, std::string_view path);

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);  // an existing folder
bool IsFileWritable(const std::string& path);   // false for a "read-only" file
bool ForceDirectories(const std::string& path); // creates the folder with its parents

// The running program's own file, with its folder.
std::string ProgramFilePath();

} // namespace platform
