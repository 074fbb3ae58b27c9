#include "BallPainter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Colours by distance are tabled for balls up to this distance; larger ones (only ever
// partly on screen) compute each pixel.
constexpr int64_t TabledDistances = 1024;
// Radii beyond this (far larger than any screen) are painted as this, which keeps the
// squares below in 64 bits.
constexpr int64_t LargestRadius = int64_t(1) << 30;

int64_t FloorDiv2(int64_t v) {
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

} // namespace

void PaintBall(TBitmap& bitmap, int64_t left, int64_t top, int64_t width, int64_t height, int64_t a,
               TColor ball, TColor back, bool transparent) {
    if (bitmap.Empty() || width <= 0 || height <= 0)
        return;
    a = std::max<int64_t>(std::min({a, width / 2, LargestRadius}), 2);
    const int64_t cx = width / 2, cy = height / 2;
    const int64_t hx = cx - a / 3, hy = cy - a / 3;
    const int64_t d = 2 * a;
    const int ball3[3] = {platform::RedOf(ball), platform::GreenOf(ball), platform::BlueOf(ball)};
    const int back3[3] = {platform::RedOf(back), platform::GreenOf(back), platform::BlueOf(back)};

    // Farthest distance a disk pixel can have from the highlight point.
    const int64_t farthest = 2 * a + 2;
    std::array<std::array<uint8_t, 3>, TabledDistances> table;
    const bool tabled = farthest < TabledDistances;
    const auto colourAt = [&](int64_t dist, uint8_t* out) {
        for (int i = 0; i < 3; ++i)
            out[i] = uint8_t(ball3[i] + (back3[i] - ball3[i]) * dist / d);
    };
    if (tabled)
        for (int64_t dist = 0; dist <= farthest; ++dist)
            colourAt(dist, table[dist].data());

    // Sprite rows and columns that lie inside both the sprite and the bitmap.
    const int64_t rowFirst = std::max<int64_t>({0, -top, cy - a});
    const int64_t rowEnd = std::min<int64_t>({height, bitmap.Height() - top, cy + a});
    const int64_t colFirst = std::max<int64_t>(0, -left);
    const int64_t colEnd = std::min<int64_t>(width, bitmap.Width() - left);
    const int64_t radius2 = 4 * a * a; // in half pixels, squared
    for (int64_t y = rowFirst; y < rowEnd; ++y) {
        // A pixel belongs to the disk when its centre lies inside the circle:
        // (2x + 1 - 2cx)^2 + (2y + 1 - 2cy)^2 <= (2a)^2.
        const int64_t ry = 2 * y + 1 - 2 * cy;
        const int64_t rest = radius2 - ry * ry;
        if (rest < 0)
            continue;
        int64_t span = int64_t(std::sqrt(double(rest)));
        while (span * span > rest)
            --span;
        while ((span + 1) * (span + 1) <= rest)
            ++span;
        const int64_t xFirst = std::max(colFirst, -FloorDiv2(-(2 * cx - 1 - span)));
        const int64_t xEnd = std::min(colEnd, FloorDiv2(2 * cx - 1 + span) + 1);
        if (xFirst >= xEnd)
            continue;
        uint8_t* row = bitmap.ScanLine(int(y + top));
        const int64_t dy = hy - y;
        for (int64_t x = xFirst; x < xEnd; ++x) {
            const int64_t dx = hx - x;
            const auto dist = int64_t(
                std::nearbyint(std::sqrt(double(dx) * double(dx) + double(dy) * double(dy))));
            uint8_t colour[3];
            if (tabled)
                std::copy_n(table[dist].data(), 3, colour);
            else
                colourAt(dist, colour);
            if (transparent && colour[0] == back3[0] && colour[1] == back3[1] &&
                colour[2] == back3[2])
                continue;
            std::copy_n(colour, 3, row + 3 * (x + left));
        }
    }
}
