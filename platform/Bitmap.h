// Off-screen bitmaps, colours, points and rectangles of the drawing code.
//
// Colours are 32-bit values laid out 0x00BBGGRR (red in the low byte) everywhere in the
// system. A bitmap holds 24 bits per pixel in memory order red, green, blue, so drawing
// code can walk its scan lines byte by byte.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

namespace platform {

using TColor = int32_t;

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// What a text is drawn with: family, colour and size in points.
struct TFont {
    std::string Name;
    TColor Color = 0;
    int Size = 8;
    bool Bold = false;
};

// The sixteen named colours of the drawing toolkit, also the colour names of the element
// definition file.
namespace colors {
constexpr TColor Black = 0x000000, Maroon = 0x000080, Green = 0x008000, Olive = 0x008080,
                 Navy = 0x800000, Purple = 0x800080, Teal = 0x808000, Gray = 0x808080,
                 Silver = 0xC0C0C0, Red = 0x0000FF, Lime = 0x00FF00, Yellow = 0x00FFFF,
                 Blue = 0xFF0000, Fuchsia = 0xFF00FF, Aqua = 0xFFFF00, White = 0xFFFFFF;
} // namespace colors

inline int RedOf(TColor c) {
    return c & 0xFF;
}
inline int GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
inline int BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
inline TColor MakeColor(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }

    // Resizes to width x height (a side of 0 or less empties the bitmap). The content is
    // kept when the size does not change and becomes black otherwise.
    void SetSize(int width, int height);
    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    bool Empty() const { return Image.isNull(); }

    void Fill(TColor color);
    // Colour of a pixel; 0 outside the bitmap.
    TColor Pixel(int x, int y) const;
    // Sets one pixel; points outside the bitmap are ignored.
    void SetPixel(int x, int y, TColor color);
    // The bytes of row y: red, green, blue per pixel. Row y must lie inside the bitmap.
    uint8_t* ScanLine(int y) { return Image.scanLine(y); }
    const uint8_t* ScanLine(int y) const { return Image.constScanLine(y); }

    QImage& Picture() { return Image; }
    const QImage& Picture() const { return Image; }

private:
    QImage Image;
};

} // namespace platform
