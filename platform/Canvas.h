// Drawing on a bitmap: the handful of 2D operations the pictures are made of.
//
// Antialiasing is off everywhere, so every pixel is either the colour asked for or left
// as it was; pictures are exact and tests can check single pixels. Rectangles are given
// as left, top, right, bottom with the right and bottom edges outside the area, as the
// system's canvas has them. Texts are 8-bit strings, decoded for display by the current
// display character set (platform/Encoding.h).
#pragma once

#include "platform/Bitmap.h"

#include <QPainter>
#include <string_view>

namespace platform {

enum class TPenStyle { Solid, Dot };

class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    void SetPen(TColor color, int width, TPenStyle style = TPenStyle::Solid);
    int PenWidth() const { return Width; }
    // The brush fills rectangles and is the background of opaque texts.
    void SetBrush(TColor color);
    void SetFont(const TFont& font);

    void FillRect(const TRect& rect);
    void Line(int x1, int y1, int x2, int y2);
    // An outline without fill inscribed in the rectangle.
    void EllipseOutline(const TRect& rect);

    // Writes text with its top-left corner at (x, y) in the font's colour; an opaque text
    // first fills its box with the brush colour.
    void TextOut(int x, int y, std::string_view text, bool opaque);
    // The same for a text already in Unicode (symbol glyphs).
    void TextOut(int x, int y, const QString& text, bool opaque);
    int TextWidth(std::string_view text) const;
    int TextWidth(const QString& text) const;
    int TextHeight() const; // of any text in the current font
    // The text that shows a character code of the current symbol font; when the font
    // lacks it, the current font becomes one that has a stand-in glyph.
    QString SymbolGlyph(unsigned char code);

    // Copies source with its top-left corner at (x, y); pixels of the transparent colour
    // are left out.
    void DrawTransparent(int x, int y, const TBitmap& source, TColor transparent);
    // Covers rect with source scaled to its size.
    void StretchDraw(const TRect& rect, const TBitmap& source);

private:
    void SetQFont(const QFont& font);

    TBitmap& Target;
    QPainter Painter;
    QFont Font;
    QColor BrushColor;
    QColor FontColor;
    int Width = 1;
    TColor PenColor = 0;
    TPenStyle PenStyle = TPenStyle::Solid;
    bool HasPen = false;
};

// A colour of the bitmaps as a toolkit colour.
QColor ToQColor(TColor color);

} // namespace platform
