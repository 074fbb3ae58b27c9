// Finding the files a job script names on disk.
//
// Scripts were written for a disk that ignores letter case and separates folders with
// '\'. Here both '\' and '/' separate folders, and a part of a path that does not exist
// as written is matched ignoring letter case against what its folder holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wizard {

// The existing file or folder that path stands for, spelled as on disk, or empty. A
// relative path is taken inside base.
std::string FindOnDisk(const std::string& base, const std::string& path);

struct DiskEntry {
    std::string Name;
    bool Folder = false;
    uint64_t Size = 0;
    uint64_t Device = 0, Inode = 0; // identity of a folder, to notice loops
};

// The size of an existing file; false for a folder or nothing.
bool FileSize(const std::string& path, uint64_t& size);

// What a folder holds, without "." and "..", sorted by name.
std::vector<DiskEntry> ListFolder(const std::string& folder);

// A name pattern as scripts write it ('*' and '?', letter case ignored); "*.*" matches
// every name, with or without an extension.
bool MatchesPattern(const std::string& pattern, const std::string& name);

} // namespace wizard
