// Whole-file reading and writing.
//
// Texts stay 8-bit bytes: no character-set conversion. Lines are written ended by CR LF
// and read ended by CR LF, LF or CR. Writing replaces a file atomically (a temporary
// file in the same folder, flushed, then renamed), so a failed write leaves the earlier
// file as it was.
#pragma once

#include <string>
#include <vector>

namespace platform {

using Lines = std::vector<std::string>;

// Splits bytes into lines at CR LF, LF or CR; a final line ending adds no empty line.
Lines SplitLines(const std::string& bytes);

// Joins lines, each followed by CR LF.
std::string JoinLines(const Lines& lines);

// Reads a whole file. On failure returns false and puts the reason in error.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error = nullptr);
bool ReadFileLines(const std::string& path, Lines& lines, std::string* error = nullptr);

// Writes a whole file atomically. On failure returns false, leaves any earlier file
// untouched and puts the reason in error.
bool WriteFileBytes(const std::string& path, const std::string& bytes,
                    std::string* error = nullptr);
bool WriteFileLines(const std::string& path, const Lines& lines, std::string* error = nullptr);

} // namespace platform
