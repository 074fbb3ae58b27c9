#include "Texts.h"

#include <algorithm>

std::string GetField(std::string_view text, int n, char separator) {
    if (n < 1)
        return {};
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const size_t sep = text.find(separator, start);
        if (sep == std::string_view::npos)
            return {};
        start = sep + 1;
    }
    const size_t end = text.find(separator, start);
    return std::string(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
}

std::string ReplaceChar(std::string text, char a, char b) {
    for (char& c : text)
        if (c == a)
            c = b;
    return text;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = char(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

bool LessTextAscii(std::string_view a, std::string_view b) {
    const auto folded = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
}

std::string LookupText(const std::vector<std::string>& texts, std::string_view key,
                       std::string_view englishDefault) {
    std::string value;
    for (const std::string& line : texts) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameTextAscii(std::string_view(line).substr(0, eq), key)) {
            value = line.substr(eq + 1);
            break;
        }
    }
    if (value.empty())
        value = englishDefault;
    return ReplaceChar(std::move(value), '|', '\r');
}
