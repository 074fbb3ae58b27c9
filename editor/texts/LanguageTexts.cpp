#include "LanguageTexts.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <algorithm>

std::vector<std::string> LanguageTexts;
std::string LanguageCode;
int DialogCharset = 1;

namespace {

void SetEntry(std::vector<std::string>& texts, std::string_view key, const std::string& value) {
    for (std::string& line : texts) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameTextAscii(std::string_view(line).substr(0, eq), key)) {
            line = std::string(key) + '=' + value;
            return;
        }
    }
    texts.push_back(std::string(key) + '=' + value);
}

} // namespace

std::string LanguageFileName(const std::string& systemFolder, const std::string& code) {
    if (code.empty())
        return {};
    const std::string name = "tevanochem_" + code + ".lng";
    const std::string found = platform::FindPathIgnoringCase(systemFolder, name);
    return found.empty() ? platform::WithTrailingSeparator(systemFolder) + name : found;
}

void LoadLanguage(const std::string& systemFolder, const std::string& code) {
    LanguageCode = code;
    const std::string fileName = LanguageFileName(systemFolder, code);
    platform::Lines lines;
    if (!fileName.empty() && platform::FileExists(fileName) &&
        platform::ReadFileLines(fileName, lines)) {
        LanguageTexts = std::move(lines);
        SetEntry(LanguageTexts, "LNG", code);
        // A character-set value that is not a number keeps the dialog's usual one.
        DialogCharset = platform::IntOr(GetText("CharSet", "238"), 238);
    } else {
        LanguageTexts = {"LNG=ENG", "CHARSET=1"};
        DialogCharset = 1;
    }
    std::stable_sort(
        LanguageTexts.begin(), LanguageTexts.end(),
        [](const std::string& a, const std::string& b) { return LessTextAscii(a, b); });
}

std::string GetText(std::string_view key, std::string_view englishDefault) {
    return LookupText(LanguageTexts, key, englishDefault);
}
