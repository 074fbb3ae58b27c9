// Text helpers shared by the editor and the installer: fields of a separated text and
// the lookup of a language text by its key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The n-th field (from 1) of a text split at one separator character, without quoting or
// trimming; empty when there is no such field.
std::string GetField(std::string_view text, int n, char separator);

// The text with every character a replaced by b.
std::string ReplaceChar(std::string text, char a, char b);

// The text without leading and trailing spaces and control characters.
std::string_view Trim(std::string_view text);

// Upper-cases ASCII letters only (8-bit national letters stay as they are).
std::string UpperAscii(std::string text);
std::string LowerAscii(std::string text);
bool SameTextAscii(std::string_view a, std::string_view b);
// Orders texts ignoring the letter case of ASCII letters.
bool LessTextAscii(std::string_view a, std::string_view b);

// The language-text rule of both programs over a list of "key=value" lines: the value of
// the first line whose key (everything before the first '=') matches ignoring letter
// case; the default when there is none or the value is empty; then every '|' becomes a
// carriage return.
std::string LookupText(const std::vector<std::string>& texts, std::string_view key,
                       std::string_view englishDefault);
