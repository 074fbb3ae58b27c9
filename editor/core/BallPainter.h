// The shaded ball: a disk whose colour runs from the full ball colour at a highlight
// point up and left of its centre towards the background colour at the far rim.
//
// Balls are painted pixel by pixel straight into the bitmap's scan lines, because a
// large molecule has tens of thousands of them per frame; nothing is allocated per ball
// and only the part that lies inside the bitmap is visited. A drawing paints its balls
// from the nearest to the farthest and records which pixels are taken (TCoverage), so a
// pixel is painted once and a hidden ball costs a look at a few tiles. The picture is
// the same as painting from the farthest to the nearest, each ball over the ones before.
#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <vector>

using platform::TBitmap;
using platform::TColor;

// Which pixels of a bitmap the nearer balls have already taken: one bit per pixel, so a
// row of a ball is checked 64 pixels at a time, and one flag per block of 64 x 8 pixels
// that are all taken, so a hidden ball is found out with a few looks.
class TCoverage {
public:
    // All pixels free; the memory is kept while the size stays the same.
    void Reset(int width, int height);
    uint64_t* Row(int y) { return Bits.data() + size_t(y) * WordsPerRow; }
    const uint64_t* Row(int y) const { return Bits.data() + size_t(y) * WordsPerRow; }
    bool Taken(int x, int y) const { return (Row(y)[x >> 6] >> (x & 63)) & 1; }
    void Take(int x, int y) {
        Row(y)[x >> 6] |= uint64_t(1) << (x & 63);
        WordChanged(x >> 6, y);
    }
    // To be called after bits of word w of row y were taken.
    void WordChanged(size_t w, int y) {
        if (Row(y)[w] == ~uint64_t(0))
            CheckBlock(w, y / 8);
    }
    // Whether the pixels x0..x1-1 of rows y0..y1-1 are all taken.
    bool AllTaken(int x0, int y0, int x1, int y1) const;
    // Half-widths of the rows of a disk of radius a (up to LargestTabledRadius), worked
    // out once per radius: entry k is the square root, rounded down, of (2a)^2 - (2k+1)^2.
    const int32_t* Spans(int64_t a);
    static constexpr int64_t LargestTabledRadius = 1024;

private:
    void CheckBlock(size_t w, int band);
    int Height = 0;
    size_t WordsPerRow = 0;
    std::vector<uint64_t> Bits;                   // pixels beyond the right edge count as taken
    std::vector<uint8_t> Blocks;                  // per band of 8 rows and word: all taken
    std::vector<std::vector<int32_t>> SpanTables; // by radius
};

// Paints the ball of radius a of a sprite of width x height pixels whose top-left corner
// lies at (left, top) of the bitmap. The radius is first limited to half the sprite's
// width and then raised to at least 2; the disk is the circle inscribed in the square of
// side 2a around the sprite's centre, cut to the sprite. Only disk pixels are written:
// colour = ball + (back - ball) * dist div 2a per channel, dist being the rounded distance
// from the highlight point, a div 3 up and left of the centre. When transparent is set,
// a disk pixel that comes out in the back colour is left as it was too. With coverage,
// pixels already taken are left alone and the painted ones are taken.
void PaintBall(TBitmap& bitmap, int64_t left, int64_t top, int64_t width, int64_t height, int64_t a,
               TColor ball, TColor back, bool transparent, TCoverage* coverage = nullptr);
