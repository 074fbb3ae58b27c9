// Working lists of one drawing, kept in the model between drawings so that drawing a
// frame allocates nothing once the first frame of a size has been drawn.
#pragma once

#include "editor/core/BallPainter.h"

#include <cstdint>
#include <vector>

struct TDrawScratch {
    // What the ball painter needs of an atom, in slot order.
    struct TBallJob {
        int32_t SX, SY;
        double Shade, Radius;
        TColor Color;
        bool Selected;
    };
    std::vector<TBallJob> Balls;
    std::vector<uint64_t> Order;  // depth order: depth, then place in Balls
    std::vector<uint64_t> Spare;  // the sort's second list
    std::vector<uint32_t> Counts; // the sort's counts per depth
    TCoverage Coverage;           // pixels taken by nearer balls
};
