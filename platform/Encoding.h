// Decoding of the 8-bit texts for display.
//
// Texts stay 8-bit bytes in the model and in files; only what is shown on screen is
// turned into Unicode, by the character-set number of the current language. The two
// code pages the shipped languages use are tables here, so the result never depends on
// what the host's codec library happens to provide.
#pragma once

#include <QString>
#include <string_view>

namespace platform {

// The Windows code page a font character-set number stands for: 238 Central European
// (1250), 0 and 1 Western (1252), and the other numbers the system knows.
int CodePageOfCharset(int charset);

// The 8-bit text decoded by the code page of the character set. Code pages without a
// table of their own are decoded by the host's codec when it has one, else as 1252.
QString DecodeText(std::string_view bytes, int charset);

// The character set texts drawn into pictures and windows are written in; the language
// sets it, 1 until then.
int DisplayCharset();
void SetDisplayCharset(int charset);

} // namespace platform
