// Listing the folders a job script's wildcard copies walk, and matching their names.
// (Paths the script names are looked up with platform::FindPathIgnoringCase.)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wizard {

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
