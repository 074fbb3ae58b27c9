// The editor's texts in the current language.
//
// A language file is lines of "key=value" in the code page of its language, named
// tevanochem_<code>.lng in the system folder. Every text the editor shows is looked up
// by its key with an English default given where it is used, so a missing file or key
// never leaves a blank. The lookup rule itself lives in shared/Texts.h, where the
// installer uses it over its own list.
#pragma once

#include "shared/Texts.h"

#include <string>
#include <string_view>
#include <vector>

// The texts of the loaded language (plus its LNG entry), sorted ignoring letter case.
extern std::vector<std::string> LanguageTexts;
// The code of the language last asked for.
extern std::string LanguageCode;
// Character-set number of the message dialog's texts (238 Central European, 1 default).
extern int DialogCharset;

// Path of the language file of a code in the system folder; empty for an empty code.
// Names are matched ignoring letter case, as the shipped file and the name the code
// builds differ in case.
std::string LanguageFileName(const std::string& systemFolder, const std::string& code);

// Makes the language of code current. A missing file is no error: the texts then hold
// only LNG=ENG and CHARSET=1, and every lookup gives its English default.
void LoadLanguage(const std::string& systemFolder, const std::string& code);

// The current language's text for key, or the English default when the key is missing
// or its value empty; every '|' becomes a carriage return.
std::string GetText(std::string_view key, std::string_view englishDefault);
