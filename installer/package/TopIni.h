// The small INI reader the installer uses on its setup description.
//
// The lines are never parsed into a structure: every read searches them anew. A section
// header is a line that starts with '[' and ends with ']'; a key line is name=value with
// neither part trimmed; section and key names match ignoring letter case, the first
// match wins, and there is no comment syntax.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace package {

bool IsSectionLine(std::string_view line);
// Index of the section's header line, or -1.
int FindSection(const std::vector<std::string>& lines, std::string_view section);
// The non-empty lines of the section, trimmed at both ends.
void ReadSection(const std::vector<std::string>& lines, std::string_view section,
                 std::vector<std::string>& out);
// The value of the first line of the section whose name is key; defaultValue when the
// section or key is missing. A key with an empty value gives the empty value.
std::string ReadString(const std::vector<std::string>& lines, std::string_view section,
                       std::string_view key, std::string_view defaultValue);

// A whole number as setup values write it: decimal, or hexadecimal after '$'
// ("$00B9B9FF" is 12171775). False, with number untouched, for anything else.
bool ReadSetupNumber(std::string_view value, int32_t& number);

} // namespace package
