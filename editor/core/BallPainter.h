// The shaded ball: a disk whose colour runs from the full ball colour at a highlight
// point up and left of its centre towards the background colour at the far rim.
//
// Balls are painted pixel by pixel straight into the bitmap's scan lines, because a
// large molecule has tens of thousands of them per frame; nothing is allocated per ball
// and only the part that lies inside the bitmap is visited.
#pragma once

#include "platform/Bitmap.h"

#include <cstdint>

using platform::TBitmap;
using platform::TColor;

// Paints the ball of radius a of a sprite of width x height pixels whose top-left corner
// lies at (left, top) of the bitmap. The radius is first limited to half the sprite's
// width and then raised to at least 2; the disk is the circle inscribed in the square of
// side 2a around the sprite's centre, cut to the sprite. Only disk pixels are written:
// colour = ball + (back - ball) * dist div 2a per channel, dist being the rounded distance
// from the highlight point, a div 3 up and left of the centre. When transparent is set,
// a disk pixel that comes out in the back colour is left as it was too.
void PaintBall(TBitmap& bitmap, int64_t left, int64_t top, int64_t width, int64_t height, int64_t a,
               TColor ball, TColor back, bool transparent);
