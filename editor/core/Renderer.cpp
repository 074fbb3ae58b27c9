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
#include <cstdlib>
#include <cstring>

using platform::RoundHalfEven;
using platform::TCanvas;
using platform::TPenStyle;

namespace {

constexpr TColor Grey = 0x808080;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Purple = 0x800080;
constexpr TColor Fuchsia = 0xFF00FF;

// Selected balls this large or this far out get no selection ring: it would lie far
// outside any view.
constexpr int LargestRingRadius = 1 << 20;

// Sort key of an atom: depth first, then slot, so equal depths keep slot order.
uint64_t DepthKey(int32_t depth, int slot) {
    return (uint64_t(uint32_t(depth) ^ 0x80000000u) << 32) | uint32_t(slot);
}

int SlotOf(uint64_t key) {
    return int(key & 0xFFFFFFFFu);
}

void SetWirePen(TCanvas& canvas, const TWire& wire) {
    switch (wire.Typ) {
    case 1:
        canvas.SetPen(wire.Selected ? White : Grey, wire.Selected ? 2 : 1);
        break;
    case 2:
        canvas.SetPen(wire.Selected ? White : Grey, wire.Selected ? 4 : 3);
        break;
    case 3:
        canvas.SetPen(wire.Selected ? White : Grey, wire.Selected ? 6 : 5);
        break;
    case 4:
        canvas.SetPen(wire.Selected ? Fuchsia : Purple, wire.Selected ? 3 : 2);
        break;
    // Types the editor does not know are thin lines, one pixel wider when selected.
    default:
        canvas.SetPen(wire.Selected ? White : Grey, wire.Selected ? 2 : 1);
        break;
    }
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

    DrawOrder.clear();
    double brightest = 0;
    bool first = true;
    for (int slot = 0; slot < SlotCount(); ++slot) {
        TAtom* atom = Atoms[slot].get();
        if (!atom)
            continue;
        ProjectToScreen(*atom, m, frame);
        atom->Shade = 1.5 * atom->TZ / frame.R + 8;
        brightest = first ? atom->Shade : std::max(brightest, atom->Shade);
        first = false;
        DrawOrder.push_back(DepthKey(RoundHalfEven(atom->TZ), slot));
    }
    std::sort(DrawOrder.begin(), DrawOrder.end());
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

    if (ShowAtoms) {
        const double divisor = brightest + 1;
        for (const uint64_t key : DrawOrder) {
            const TAtom& atom = *Atoms[SlotOf(key)];
            const double factor = atom.Shade / divisor;
            const TColor colour =
                platform::MakeColor(ShadeChannel(platform::RedOf(atom.Ball.Color), factor),
                                    ShadeChannel(platform::GreenOf(atom.Ball.Color), factor),
                                    ShadeChannel(platform::BlueOf(atom.Ball.Color), factor));
            const int t = RoundHalfEven(BallRadius(&atom) * atom.Shade * frame.R / 80);
            if (t <= 0)
                continue;
            const int64_t left = int64_t(atom.SX) - t, top = int64_t(atom.SY) - t;
            PaintBall(target, left, top, 2 * int64_t(t), 2 * int64_t(t), t, colour, BackColor,
                      true);
            // The ring is white on the transparent sprite, so a white background hides it.
            if (atom.Selected && BackColor != White && t <= LargestRingRadius &&
                std::abs(atom.SX) <= LargestRingRadius && std::abs(atom.SY) <= LargestRingRadius) {
                canvas.SetPen(White, 1, TPenStyle::Dot);
                canvas.EllipseOutline({int(left), int(top), int(left + 2 * t), int(top + 2 * t)});
            }
        }
    }

    if (mode == 1 && AtomCount() > 0)
        DrawLegend(target, canvas);
    Changed = false;
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
