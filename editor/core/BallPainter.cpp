#include "BallPainter.h"

#include <algorithm>
#include <array>
#include <bit>
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

// Square root of a whole number, rounded down.
int64_t RootDown(int64_t n) {
    int64_t r = int64_t(std::sqrt(double(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// Bits lo..hi-1 of a word.
uint64_t BitRange(int lo, int hi) {
    const uint64_t upTo = hi >= 64 ? ~uint64_t(0) : (uint64_t(1) << hi) - 1;
    return upTo & ~((uint64_t(1) << lo) - 1);
}

} // namespace

void TCoverage::Reset(int width, int height) {
    width = std::max(width, 0);
    Height = std::max(height, 0);
    WordsPerRow = size_t(width + 63) / 64;
    Bits.assign(WordsPerRow * size_t(Height), 0);
    Blocks.assign(WordsPerRow * size_t((Height + 7) / 8), 0);
    if (width % 64 != 0)
        for (int y = 0; y < Height; ++y)
            Row(y)[WordsPerRow - 1] = ~BitRange(0, width % 64);
}

void TCoverage::CheckBlock(size_t w, int band) {
    for (int y = band * 8; y < std::min(band * 8 + 8, Height); ++y)
        if (Row(y)[w] != ~uint64_t(0))
            return;
    Blocks[size_t(band) * WordsPerRow + w] = 1;
}

bool TCoverage::AllTaken(int x0, int y0, int x1, int y1) const {
    for (int band = y0 / 8; band <= (y1 - 1) / 8; ++band)
        for (int w = x0 >> 6; w <= (x1 - 1) >> 6; ++w) {
            if (Blocks[size_t(band) * WordsPerRow + w])
                continue;
            const uint64_t wanted = BitRange(std::max(x0 - w * 64, 0), std::min(x1 - w * 64, 64));
            for (int y = std::max(y0, band * 8); y < std::min(y1, band * 8 + 8); ++y)
                if ((Row(y)[w] & wanted) != wanted)
                    return false;
        }
    return true;
}

const int32_t* TCoverage::Spans(int64_t a) {
    if (SpanTables.size() <= size_t(a))
        SpanTables.resize(size_t(a) + 1);
    std::vector<int32_t>& spans = SpanTables[size_t(a)];
    if (spans.empty())
        for (int64_t k = 0; k < a; ++k)
            spans.push_back(int32_t(RootDown(4 * a * a - (2 * k + 1) * (2 * k + 1))));
    return spans.data();
}

void PaintBall(TBitmap& bitmap, int64_t left, int64_t top, int64_t width, int64_t height, int64_t a,
               TColor ball, TColor back, bool transparent, TCoverage* coverage) {
    if (bitmap.Empty() || width <= 0 || height <= 0)
        return;
    a = std::max<int64_t>(std::min({a, width / 2, LargestRadius}), 2);
    const int64_t cx = width / 2, cy = height / 2;
    const int64_t hx = cx - a / 3, hy = cy - a / 3;
    const int64_t d = 2 * a;
    const int ball3[3] = {platform::RedOf(ball), platform::GreenOf(ball), platform::BlueOf(ball)};
    const int back3[3] = {platform::RedOf(back), platform::GreenOf(back), platform::BlueOf(back)};

    // Sprite rows and columns of the disk that lie inside both the sprite and the bitmap.
    const int64_t rowFirst = std::max<int64_t>({0, -top, cy - a});
    const int64_t rowEnd = std::min<int64_t>({height, bitmap.Height() - top, cy + a});
    const int64_t colFirst = std::max<int64_t>({0, -left, cx - a});
    const int64_t colEnd = std::min<int64_t>({width, bitmap.Width() - left, cx + a});
    if (rowFirst >= rowEnd || colFirst >= colEnd)
        return;
    if (coverage && coverage->AllTaken(int(colFirst + left), int(rowFirst + top),
                                       int(colEnd + left), int(rowEnd + top)))
        return; // hidden behind nearer balls

    // Colours by distance, worked out when a distance first occurs (a partly hidden ball
    // needs few of them).
    const int64_t farthest = 2 * a + 2; // no disk pixel lies farther from the highlight
    std::array<std::array<uint8_t, 4>, TabledDistances> table;
    const bool tabled = farthest < TabledDistances;
    if (tabled)
        for (int64_t dist = 0; dist <= farthest; ++dist)
            table[dist][3] = 0;
    const auto colourAt = [&](int64_t dist, uint8_t* out) {
        for (int i = 0; i < 3; ++i)
            out[i] = uint8_t(ball3[i] + (back3[i] - ball3[i]) * dist / d);
    };
    uint8_t* const bits = bitmap.ScanLine(0);
    const size_t stride = size_t(bitmap.Picture().bytesPerLine());

    // Paints the disk pixel x of a sprite row; false when it stays transparent.
    const auto paint = [&](uint8_t* row, int64_t x, int64_t dy) {
        const int64_t dx = hx - x;
        // The square root of a whole number is never a half, so adding one half and
        // truncating rounds it to the nearest.
        const auto dist =
            int64_t(std::sqrt(double(dx) * double(dx) + double(dy) * double(dy)) + 0.5);
        uint8_t colour[3];
        if (tabled) {
            std::array<uint8_t, 4>& entry = table[dist];
            if (!entry[3]) {
                colourAt(dist, entry.data());
                entry[3] = 1;
            }
            std::copy_n(entry.data(), 3, colour);
        } else {
            colourAt(dist, colour);
        }
        if (transparent && colour[0] == back3[0] && colour[1] == back3[1] && colour[2] == back3[2])
            return false;
        std::copy_n(colour, 3, row + 3 * (x + left));
        return true;
    };

    const int64_t radius2 = 4 * a * a; // in half pixels, squared
    const int32_t* spans =
        coverage && a <= TCoverage::LargestTabledRadius ? coverage->Spans(a) : nullptr;
    for (int64_t y = rowFirst; y < rowEnd; ++y) {
        // A pixel belongs to the disk when its centre lies inside the circle:
        // (2x + 1 - 2cx)^2 + (2y + 1 - 2cy)^2 <= (2a)^2.
        const int64_t ry = 2 * y + 1 - 2 * cy;
        const int64_t rest = radius2 - ry * ry;
        if (rest < 0)
            continue;
        const int64_t span = spans ? spans[(ry < 0 ? -ry : ry) / 2] : RootDown(rest);
        const int64_t xFirst = std::max(colFirst, -FloorDiv2(-(2 * cx - 1 - span)));
        const int64_t xEnd = std::min(colEnd, FloorDiv2(2 * cx - 1 + span) + 1);
        if (xFirst >= xEnd)
            continue;
        uint8_t* row = bits + size_t(y + top) * stride;
        const int64_t dy = hy - y;
        // The free pixels of the row (all of them without coverage), found a word of 64
        // pixels at a time.
        uint64_t* taken = coverage ? coverage->Row(int(y + top)) : nullptr;
        const int64_t bxFirst = xFirst + left, bxEnd = xEnd + left;
        for (int64_t w = bxFirst >> 6; w <= (bxEnd - 1) >> 6; ++w) {
            const int lo = int(std::max<int64_t>(bxFirst - w * 64, 0));
            const int hi = int(std::min<int64_t>(bxEnd - w * 64, 64));
            uint64_t free = BitRange(lo, hi) & (taken ? ~taken[w] : ~uint64_t(0));
            uint64_t painted = 0;
            while (free) {
                const int b = std::countr_zero(free);
                free &= free - 1;
                if (paint(row, w * 64 + b - left, dy))
                    painted |= uint64_t(1) << b;
            }
            if (taken && painted) {
                taken[w] |= painted;
                coverage->WordChanged(size_t(w), int(y + top));
            }
        }
    }
}
