// The renderer: the picture of a molecule as wires and shaded balls.
//
// Every view (main view, projection panes, thumbnails, About box) calls Draw with its own
// bitmap, angles and mode. Atoms are projected, ordered by depth and painted from the
// farthest to the nearest, nearer balls brighter and larger. Wires and texts go through
// the canvas; balls are painted straight into the scan lines (BallPainter.h).
#include "BallPainter.h"
#include "Molekula.h"

#include "platform/Canvas.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstring>

using platform::RoundHalfEven;
using platform::TCanvas;
using platform::TPenStyle;

namespace {

using namespace colors;
constexpr TColor Grey = Gray;

// Selected balls larger than this get no selection ring (its sprite would be huge).
constexpr int LargestRingRadius = 1024;

// Sort key of an atom: depth first, then its place in slot order, so equal depths keep
// slot order.
uint64_t DepthKey(int32_t depth, size_t place) {
    return (uint64_t(uint32_t(depth) ^ 0x80000000u) << 32) | uint32_t(place);
}

size_t PlaceOf(uint64_t key) {
    return size_t(key & 0xFFFFFFFFu);
}

// Pen of each wire type, plain and selected. Types the editor does not know are drawn
// like type 1: thin lines, one pixel wider when selected.
struct WirePen {
    TColor Color, SelectedColor;
    int Width, SelectedWidth;
};
constexpr WirePen WirePens[] = {
    {Grey, White, 1, 2},     // unknown types
    {Grey, White, 1, 2},     // 1 "Covalent I"
    {Grey, White, 3, 4},     // 2 "Covalent II"
    {Grey, White, 5, 6},     // 3 "Covalent III"
    {Purple, Fuchsia, 2, 3}, // 4 "Ionic"
};

void SetWirePen(TCanvas& canvas, const TWire& wire) {
    const WirePen& pen = WirePens[wire.Typ >= 1 && wire.Typ <= 4 ? wire.Typ : 0];
    canvas.SetPen(wire.Selected ? pen.SelectedColor : pen.Color,
                  wire.Selected ? pen.SelectedWidth : pen.Width);
}

int32_t DepthOf(uint64_t key) {
    return int32_t(uint32_t(key >> 32) ^ 0x80000000u);
}

// Sorts the keys by depth, keeping the order of equal depths. The depths of a view span a
// few hundred values, so counting them is quicker than comparing; a wide spread (atoms
// moved far out) is sorted by comparison.
void SortByDepth(TDrawScratch& scratch) {
    std::vector<uint64_t>& keys = scratch.Order;
    if (keys.empty())
        return;
    const auto [low, high] = std::minmax_element(
        keys.begin(), keys.end(), [](uint64_t a, uint64_t b) { return DepthOf(a) < DepthOf(b); });
    const int64_t lowest = DepthOf(*low);
    const int64_t range = int64_t(DepthOf(*high)) - lowest + 1;
    if (range > 4 * int64_t(keys.size()) + 4096) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    std::vector<uint32_t>& counts = scratch.Counts;
    counts.assign(size_t(range) + 1, 0);
    for (const uint64_t key : keys)
        ++counts[size_t(DepthOf(key) - lowest) + 1];
    for (size_t i = 1; i < counts.size(); ++i)
        counts[i] += counts[i - 1];
    scratch.Spare.resize(keys.size());
    for (const uint64_t key : keys)
        scratch.Spare[counts[size_t(DepthOf(key) - lowest)]++] = key;
    keys.swap(scratch.Spare);
}

uint8_t ShadeChannel(int channel, double factor) {
    return uint8_t(std::clamp(RoundHalfEven(channel * factor), 0, 255));
}

} // namespace

void TMolekula::Draw(TBitmap& target, uint8_t mode, double angleX, double angleY, double angleZ) {
    const TViewFrame frame = ViewFrame(target.Width(), target.Height());
    if (frame.R <= 0) {
        // Too small a view has no picture: only the background.
        if (mode != 0)
            target.Fill(BackColor);
        Changed = false;
        return;
    }
    const TMatrix3 m = RotationMatrix(angleX * DegToRad, angleY * DegToRad, angleZ * DegToRad);

    std::vector<uint64_t>& order = Scratch.Order;
    std::vector<TDrawScratch::TBallJob>& balls = Scratch.Balls;
    order.clear();
    balls.clear();
    double brightest = 0;
    for (int slot = 0; slot < SlotCount(); ++slot) {
        TAtom* atom = Atoms[slot].get();
        if (!atom)
            continue;
        ProjectToScreen(*atom, m, frame);
        atom->Shade = 1.5 * atom->TZ / frame.R + 8;
        brightest = balls.empty() ? atom->Shade : std::max(brightest, atom->Shade);
        order.push_back(DepthKey(RoundHalfEven(atom->TZ), balls.size()));
        balls.push_back(
            {atom->SX, atom->SY, atom->Shade, BallRadius(atom), atom->Ball.Color, atom->Selected});
    }
    SortByDepth(Scratch);
    if (mode == 0) {
        Changed = false;
        return;
    }

    TCanvas canvas(target);
    const TRect whole{0, 0, target.Width(), target.Height()};
    if (Background.Empty())
        target.Fill(BackColor); // no view size yet: the colour it would have had
    else
        canvas.StretchDraw(whole, Background);

    if (ShowWires)
        for (const auto& wire : Wires) {
            const TAtom* a = AtomAt(wire->Id1);
            const TAtom* b = AtomAt(wire->Id2);
            if (!a || !b)
                continue;
            SetWirePen(canvas, *wire);
            canvas.Line(a->SX, a->SY, b->SX, b->SY);
        }

    if (ShowAtoms)
        DrawBalls(target, frame, brightest + 1);

    if (mode == 1 && AtomCount() > 0)
        DrawLegend(target, canvas);
    Changed = false;
}

// Balls go from the nearest to the farthest, each painting only the pixels no nearer
// ball (or nearer selection ring) has taken: the picture of painting them far to near.
void TMolekula::DrawBalls(TBitmap& target, const TViewFrame& frame, double divisor) {
    TCoverage& coverage = Scratch.Coverage;
    coverage.Reset(target.Width(), target.Height());
    const std::vector<uint64_t>& order = Scratch.Order;
    for (size_t i = order.size(); i-- > 0;) {
        if (i >= 8) // the next balls' records lie anywhere in the list
            __builtin_prefetch(&Scratch.Balls[PlaceOf(order[i - 8])]);
        const TDrawScratch::TBallJob& ball = Scratch.Balls[PlaceOf(order[i])];
        const int t = RoundHalfEven(ball.Radius * ball.Shade * frame.R / 80);
        if (t <= 0)
            continue;
        const int64_t left = int64_t(ball.SX) - t, top = int64_t(ball.SY) - t;
        // The ring is painted over its own ball; white is the sprite's transparent colour
        // on a white background, so there it does not show.
        if (ball.Selected && BackColor != White && t <= LargestRingRadius)
            DrawSelectionRing(target, left, top, t);
        const double factor = ball.Shade / divisor;
        const TColor colour =
            platform::MakeColor(ShadeChannel(platform::RedOf(ball.Color), factor),
                                ShadeChannel(platform::GreenOf(ball.Color), factor),
                                ShadeChannel(platform::BlueOf(ball.Color), factor));
        PaintBall(target, left, top, 2 * int64_t(t), 2 * int64_t(t), t, colour, BackColor, true,
                  &coverage);
    }
}

// A dotted white circle inscribed in the ball's sprite, on the pixels still free.
void TMolekula::DrawSelectionRing(TBitmap& target, int64_t left, int64_t top, int t) {
    Sprite.SetSize(2 * t, 2 * t);
    Sprite.Fill(0);
    {
        TCanvas canvas(Sprite);
        canvas.SetPen(White, 1, TPenStyle::Dot);
        canvas.EllipseOutline({0, 0, 2 * t, 2 * t});
    }
    for (int y = 0; y < 2 * t; ++y) {
        const int64_t by = top + y;
        if (by < 0 || by >= target.Height())
            continue;
        for (int x = 0; x < 2 * t; ++x) {
            const int64_t bx = left + x;
            if (bx < 0 || bx >= target.Width() || Sprite.Pixel(x, y) != White ||
                Scratch.Coverage.Taken(int(bx), int(by)))
                continue;
            target.SetPixel(int(bx), int(by), White);
            Scratch.Coverage.Take(int(bx), int(by));
        }
    }
}

void TMolekula::DrawView() {
    if (View.Width() < 1)
        return;
    Draw(View, 1, AngleX, AngleY, AngleZ);
    if (Title.empty())
        return;
    TCanvas canvas(View);
    canvas.SetFont(TitleFont);
    canvas.TextOut(5, View.Height() - canvas.TextHeight() - 2, Title, false);
}

void TMolekula::DrawBall(TBitmap& target, int a, TColor ballColor, TColor backColor) {
    Sprite.SetSize(target.Width(), target.Height());
    if (Sprite.Empty())
        return;
    Sprite.Fill(backColor);
    PaintBall(Sprite, 0, 0, Sprite.Width(), Sprite.Height(), a, ballColor, backColor, false);
    for (int y = 0; y < Sprite.Height(); ++y)
        std::memcpy(target.ScanLine(y), Sprite.ScanLine(y), size_t(3) * Sprite.Width());
}
