// Builds the package that is appended to the installer: the magic, one chunk per file,
// the index and the trailer, behind a copy of the executable stub.
//
// The result depends only on its input: files are taken in sorted name order and
// compressed with fixed settings, so the same folder gives the same bytes every time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pack {

struct PackEntry {
    std::string Name;    // relative to the packed folder, '\' between folders
    std::string Bytes;   // the file's content
    bool Stored = false; // kept as it is (FILE) instead of compressed (PACK)
};

// One bzip2 stream of bytes, with 900 kB blocks and the default work factor.
std::string CompressBzip2(std::string_view bytes);

// The files under folder, or only under the listed top-level items of it when items is
// not empty (items that do not exist are left out). Sorted by name, letter case ignored
// first. False with the reason in error when a file cannot be read.
bool CollectFolder(const std::string& folder, const std::vector<std::string>& items,
                   std::vector<PackEntry>& entries, std::string& error);

// The stub followed by the package of the entries, in their order. Offsets are those of
// the combined file. The index is compressed unless plainIndex is set. Throws
// std::length_error when the result would not fit 32-bit offsets and
// std::invalid_argument for an empty stub (the package may not start at offset 0).
std::string BuildPackage(std::string_view stub, const std::vector<PackEntry>& entries,
                         bool plainIndex = false);

} // namespace pack
