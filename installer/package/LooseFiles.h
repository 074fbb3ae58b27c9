// Loose files beside the installer: the file in a folder that an entry name stands for.
//
// Entry names are written on Windows: '\' or '/' between folders and letter case not
// significant. The exact path is tried first; otherwise each part of the name is matched
// ignoring letter case against what the folder holds.
#pragma once

#include <string>
#include <string_view>

namespace package {

// The path of the existing file that name stands for inside folder, or empty.
std::string FindLooseFile(const std::string& folder, std::string_view name);

} // namespace package
