// The legend of the main view: one sample ball and a count per element, the ball-size
// slider and the small button that collapses or expands the legend. The places it draws
// them are kept in the model's hit rectangles for the mouse handling.
#include "BallPainter.h"
#include "Molekula.h"

#include "platform/Canvas.h"
#include "platform/Numbers.h"

#include "shared/Texts.h"

#include <algorithm>
#include <cstdio>

using platform::RoundHalfEven;

namespace {

using namespace colors;
constexpr TColor Grey = Gray;
constexpr TColor LegendFill = 0x202020;

// Symbol-font characters of the legend button.
constexpr unsigned char CollapseGlyph = 199;
constexpr unsigned char ExpandGlyph = 202;

// Sizes in the legend in pixels. Element sizes are a few units; absurd ones are held to
// a range where the legend's sums cannot overflow.
int LegendBallSize(double pixels) {
    return std::clamp(RoundHalfEven(pixels), -10000, 10000);
}

struct TCensusEntry {
    std::string Symbol;
    int Count = 0;
    const TAtom* Sample = nullptr;
};

// Carbon, hydrogen and oxygen lead the list, in this order, when present.
void PutCommonElementsFirst(std::vector<TCensusEntry>& entries) {
    size_t position = 0;
    for (const char* symbol : {"C", "H", "O"}) {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return SameTextAscii(e.Symbol, symbol);
        });
        if (found != entries.end())
            std::swap(*found, entries[position++]);
    }
}

} // namespace

void TMolekula::DrawLegend(TBitmap& target, platform::TCanvas& canvas) {
    if (!ShowLegend) {
        if (!ShowLegendButton)
            return;
        canvas.SetFont({"WingDings", Silver, 13, false});
        const QString glyph = canvas.SymbolGlyph(ExpandGlyph);
        LegendButtonRect = {5, 2, 5 + canvas.TextWidth(glyph), 2 + canvas.TextHeight()};
        canvas.SetBrush(BackColor);
        canvas.FillRect(LegendButtonRect);
        canvas.TextOut(5, 2, glyph, false);
        return;
    }

    std::vector<TCensusEntry> entries;
    int maxD = 0, sumH = 0;
    for (const auto& atom : Atoms) {
        if (!atom)
            continue;
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return SameTextAscii(e.Symbol, atom->Ball.Symbol);
        });
        if (found != entries.end()) {
            ++found->Count;
            continue;
        }
        entries.push_back({atom->Ball.Symbol, 1, atom.get()});
        const int d = LegendBallSize(atom->Ball.Size * 2 * 7);
        maxD = std::max(maxD, d);
        sumH += d + 5;
    }
    PutCommonElementsFirst(entries);

    canvas.SetBrush(LegendFill);
    canvas.SetPen(Silver, 1);
    const TFont font{"Tahoma", Silver, 10, false};
    canvas.SetFont(font);
    LegendRect = {0, 0, maxD + 120, sumH + 40};
    canvas.FillRect(LegendRect);
    const TRect& r = LegendRect;
    canvas.Line(r.Right, r.Top, r.Right, r.Bottom);
    canvas.Line(r.Right, r.Bottom, r.Left, r.Bottom);
    canvas.SetPen(Black, 1);
    canvas.Line(r.Right + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    canvas.Line(r.Right + 1, r.Bottom + 1, r.Left + 1, r.Bottom + 1);

    int y = 27;
    for (const TCensusEntry& entry : entries) {
        const int u = LegendBallSize(entry.Sample->Ball.Size * 7);
        if (u > 0)
            PaintBall(target, (maxD - 2 * u) / 2 + 7, y, 2 * u, 2 * u, u, entry.Sample->Ball.Color,
                      BackColor, true);
        const int dy = (2 * u - canvas.TextHeight()) / 2;
        canvas.SetFont({font.Name, font.Color, font.Size, true});
        canvas.TextOut(maxD + 18, y + dy, entry.Symbol, true);
        canvas.SetFont(font);
        const std::string count = std::to_string(entry.Count) + ' ' + CountSuffix;
        canvas.TextOut(maxD + 112 - canvas.TextWidth(count), y + dy, count, true);
        y += 2 * u + 7;
    }

    canvas.SetFont({"WingDings", Silver, 13, false});
    const QString glyph = canvas.SymbolGlyph(CollapseGlyph);
    LegendButtonRect = {5, 3, 5 + canvas.TextWidth(glyph) + 5, 3 + canvas.TextHeight()};
    canvas.TextOut(5, 3, glyph, true);

    SliderRect = {LegendButtonRect.Right + 5, 0, LegendRect.Right - 14, 22};
    const TRect& s = SliderRect;
    const int track = (s.Top + s.Bottom) / 2 + 4;
    canvas.SetPen(Grey, 1);
    canvas.Line(s.Left, track, s.Right, track);
    // Equal bounds leave no range: the knob rests at the left end and shows 0.
    const double range = MaxFactor - MinFactor;
    const double part = range != 0 ? (BallFactor - MinFactor) / range : 0;
    const int v = RoundHalfEven(std::clamp(part, 0.0, 1.0) * (s.Right - s.Left)) + s.Left;
    KnobRect = {v - 3, s.Top + 11, v + 3, s.Bottom};
    canvas.SetPen(Silver, 1);
    for (int x = v - 1; x <= v + 1; ++x)
        canvas.Line(x, KnobRect.Top, x, KnobRect.Bottom);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%3d%%",
                  range != 0 ? RoundHalfEven((BallFactor - MinFactor) * 100 / range) : 0);
    const std::string_view percent = buffer;
    canvas.SetFont({"Small Fonts", Silver, 6, false});
    canvas.TextOut(LegendRect.Right - 3 - canvas.TextWidth(percent), s.Top + 1, percent, true);
}
