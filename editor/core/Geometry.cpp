// View geometry: the rotation of the three view angles, the projection of atoms into a
// view, and the hit tests that turn a screen point back into an atom or a wire.
//
// Screen x grows to the right and y downwards; model +Y is drawn upwards and a larger
// projected z is nearer to the viewer.
#include "Molekula.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

using platform::RoundHalfEven;

TMatrix3 RotationMatrix(double a, double b, double c) {
    const double sA = std::sin(a), cA = std::cos(a);
    const double sB = std::sin(b), cB = std::cos(b);
    const double sC = std::sin(c), cC = std::cos(c);
    return {{{cC * cB, sA * sB * cC + cA * sC, sA * sC - cA * sB * cC},
             {-sC * cB, cA * cC - sA * sB * sC, sA * cC + cA * sB * sC},
             {sB, -sA * cB, cA * cB}}};
}

TViewFrame ViewFrame(int width, int height) {
    const int cx = width / 2 - 5;
    const int cy = height / 2 - 5;
    return {cx, cy, RoundHalfEven(std::min(cx, cy) * 0.5)};
}

void TMolekula::Project(TAtom& atom, const TMatrix3& m, double d) const {
    const double p[3] = {Scale * atom.X, -Scale * atom.Y, Scale * atom.Z};
    double* out[3] = {&atom.TX, &atom.TY, &atom.TZ};
    for (int row = 0; row < 3; ++row)
        *out[row] = (m[row][0] * p[0] + m[row][1] * p[1] + m[row][2] * p[2]) * d / 100;
}

void TMolekula::ProjectToScreen(TAtom& atom, const TMatrix3& m, const TViewFrame& frame) const {
    Project(atom, m, frame.R - BallRadius(&atom) / 2);
    // Positions far outside every view saturate instead of overflowing.
    const auto offset = [](double t, int32_t c) {
        return int32_t(std::clamp<int64_t>(int64_t(RoundHalfEven(t)) + c, INT32_MIN, INT32_MAX));
    };
    atom.SX = offset(atom.TX, frame.Cx);
    atom.SY = offset(atom.TY, frame.Cy);
}

bool TMolekula::HitAtom(int x, int y, bool keep) {
    if (!keep)
        UnselectAtoms();
    for (const auto& atom : Atoms) {
        if (!atom)
            continue;
        // 64-bit so that atoms projected far outside the view cannot overflow the test.
        const int64_t sx = atom->SX, sy = atom->SY;
        if (sx - 15 <= x && x < sx + 15 && sy - 15 <= y && y < sy + 15) {
            atom->Selected = !atom->Selected;
            return true;
        }
    }
    return false;
}

bool TMolekula::HitWire(int x, int y, bool keep) {
    if (!keep)
        UnselectWires();
    for (const auto& wire : Wires) {
        const TAtom* a = AtomAt(wire->Id1);
        const TAtom* b = AtomAt(wire->Id2);
        if (!a || !b)
            continue;
        if (WireHitTest({a->SX, a->SY}, {b->SX, b->SY}, {x, y})) {
            wire->Selected = true;
            return true;
        }
    }
    return false;
}

bool WireHitTest(TPoint p1, TPoint p2, TPoint p) {
    // The cross product grows with the wire's length: a band of 300/length pixels.
    const int64_t dx = int64_t(p2.X) - p1.X, dy = int64_t(p2.Y) - p1.Y;
    const int64_t c = dx * (int64_t(p.Y) - p2.Y) - dy * (int64_t(p.X) - p2.X);
    if (std::llabs(c) >= 300)
        return false;
    if (dx != 0)
        return std::min(p1.X, p2.X) <= p.X && p.X <= std::max(p1.X, p2.X);
    return std::min(p1.Y, p2.Y) <= p.Y && p.Y <= std::max(p1.Y, p2.Y);
}
