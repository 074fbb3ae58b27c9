// The installer's language texts: lookup by text id in the reader's LanguageTexts, and
// the resolution of setup values that point into them.
#pragma once

#include <string>
#include <string_view>

namespace package {

// The text of id in LanguageTexts, or defaultText when it is missing or empty; every '|'
// becomes a carriage return.
std::string GetText(std::string_view id, std::string_view defaultText);

// A setup value with "[LNG]" (any letter case) replaced by LanguageCode; a value that
// then starts with '#' is the text of the id after it, defaulting to the value itself.
std::string ResolveText(std::string_view value);

} // namespace package
