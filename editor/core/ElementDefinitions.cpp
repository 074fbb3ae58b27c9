// The element definition file: tab-separated lines of atomic number, symbol, colour and
// relative size that override entries of the built-in element table, and the colour
// texts it uses (a name, "C" with a complemented integer, "#RRGGBB" or an integer).
#include "Molekula.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"
#include "shared/TpLoader.h"

#include <algorithm>

namespace {

struct NamedColor {
    const char* Name;
    TColor Value;
};

constexpr NamedColor ColorNames[] = {
    {"MAROON", 0x000080},  {"GREEN", 0x008000}, {"OLIVE", 0x008080},  {"NAVY", 0x800000},
    {"PURPLE", 0x800080},  {"TEAL", 0x808000},  {"GRAY", 0x808080},   {"SILVER", 0xC0C0C0},
    {"RED", 0x0000FF},     {"LIME", 0x00FF00},  {"YELLOW", 0x00FFFF}, {"BLUE", 0xFF0000},
    {"FUCHSIA", 0xFF00FF}, {"AQUA", 0xFFFF00},  {"WHITE", 0xFFFFFF},
};

// Sizes above this are stored as this.
constexpr double LargestSize = 5.0;

} // namespace

TColor ParseColor(std::string_view text) {
    std::string s = UpperAscii(std::string(text));
    if (s.empty())
        return 0;
    for (const NamedColor& c : ColorNames)
        if (s == c.Name)
            return c.Value;
    if (s[0] == 'C') {
        int32_t n = 0;
        return platform::ParseInt(std::string_view(s).substr(1), n) ? ~n : 0;
    }
    if (s[0] == '#') {
        // #RRGGBB becomes the hexadecimal number $BBGGRR; missing digits are left out.
        auto part = [&s](size_t from) { return from < s.size() ? s.substr(from, 2) : ""; };
        s = "$" + part(5) + part(3) + part(1);
    }
    int32_t value = 0;
    return platform::ParseInt(s, value, true) ? value : 0;
}

void TMolekula::LoadElements(const std::string& fileName) {
    platform::Lines lines;
    if (!platform::FileExists(fileName) || !platform::ReadFileLines(fileName, lines))
        return;
    TpLoader fields('\t');
    for (const std::string& line : lines) {
        fields.SetLine(line);
        const int number = fields.NextInt();
        if (number < 1 || number > ElementCount)
            continue;
        TBall& entry = Elements[size_t(number)];
        entry.Symbol = UpperAscii(fields.NextField());
        entry.Color = ParseColor(fields.NextField());
        entry.Size = std::min(fields.NextFloat(), LargestSize);
    }
}
