#include "installer/package/TopIni.h"

#include "platform/Numbers.h"
#include "shared/Texts.h"

namespace package {

bool IsSectionLine(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int FindSection(const std::vector<std::string>& lines, std::string_view section) {
    const std::string header = "[" + std::string(section) + "]";
    for (size_t i = 0; i < lines.size(); ++i)
        if (SameTextAscii(lines[i], header))
            return int(i);
    return -1;
}

void ReadSection(const std::vector<std::string>& lines, std::string_view section,
                 std::vector<std::string>& out) {
    out.clear();
    const int header = FindSection(lines, section);
    if (header < 0)
        return;
    for (size_t i = size_t(header) + 1; i < lines.size() && !IsSectionLine(lines[i]); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (!line.empty())
            out.emplace_back(line);
    }
}

std::string ReadString(const std::vector<std::string>& lines, std::string_view section,
                       std::string_view key, std::string_view defaultValue) {
    const int header = FindSection(lines, section);
    if (header < 0)
        return std::string(defaultValue);
    for (size_t i = size_t(header) + 1; i < lines.size() && !IsSectionLine(lines[i]); ++i) {
        const std::string& line = lines[i];
        const size_t eq = line.find('=');
        const std::string_view name =
            eq == std::string::npos ? std::string_view() : std::string_view(line).substr(0, eq);
        if (SameTextAscii(name, key))
            return eq == std::string::npos ? std::string() : line.substr(eq + 1);
    }
    return std::string(defaultValue);
}

bool ReadSetupNumber(std::string_view value, int32_t& number) {
    return platform::ParseInt(value, number, true);
}

} // namespace package
