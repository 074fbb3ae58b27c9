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
    {"MAROON", colors::Maroon},   {"GREEN", colors::Green},   {"OLIVE", colors::Olive},
    {"NAVY", colors::Navy},       {"PURPLE", colors::Purple}, {"TEAL", colors::Teal},
    {"GRAY", colors::Gray},       {"SILVER", colors::Silver}, {"RED", colors::Red},
    {"LIME", colors::Lime},       {"YELLOW", colors::Yellow}, {"BLUE", colors::Blue},
    {"FUCHSIA", colors::Fuchsia}, {"AQUA", colors::Aqua},     {"WHITE", colors::White},
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
