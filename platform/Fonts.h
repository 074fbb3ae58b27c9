// The font families the programs name, found among the fonts this machine has.
//
// Arial and Courier New have metric twins (Liberation Sans and Mono); Tahoma, Small Fonts
// and WingDings come from Wine's font folder when it is installed, which fontconfig does
// not scan, so those files are registered with the application on first use. Verdana
// and anything else missing fall back to DejaVu Sans.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace platform {

// A font of the named family (compared ignoring letter case) at a size in points, with
// its pixel size fixed as a 96-dpi display would draw it, so pictures do not depend on
// the screen the program runs on.
QFont FontFor(std::string_view family, int points, bool bold = false);

// The text that shows character code of a symbol font such as WingDings in font. When
// the font lacks that glyph (or the machine lacks the font), font becomes DejaVu Sans of
// the same size and a few well-known codes (the arrows 199..202) give the matching
// Unicode arrows, other codes the character itself.
QString SymbolText(QFont& font, unsigned char code);

} // namespace platform
