#include "Canvas.h"

#include "platform/Encoding.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace platform {

QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

TCanvas::TCanvas(TBitmap& bitmap) : Target(bitmap) {
    // An empty bitmap has nothing to paint on: the canvas then only measures texts.
    if (!Target.Empty() && Painter.begin(&Target.Picture())) {
        Painter.setRenderHint(QPainter::Antialiasing, false);
        Painter.setRenderHint(QPainter::TextAntialiasing, false);
        Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        Painter.setBrush(Qt::NoBrush);
    }
    SetPen(0, 1);
}

TCanvas::~TCanvas() {
    if (Painter.isActive())
        Painter.end();
}

void TCanvas::SetPen(TColor color, int width, TPenStyle style) {
    if (HasPen && color == PenColor && width == Width && style == PenStyle)
        return; // a pen costs an allocation; wires often share one
    HasPen = true;
    PenColor = color;
    PenStyle = style;
    Width = width;
    QPen pen(ToQColor(color));
    // A width of 1 is the thin pen of the system; wider pens end in round caps.
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setStyle(style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    if (Painter.isActive())
        Painter.setPen(pen);
}

void TCanvas::SetBrush(TColor color) {
    BrushColor = ToQColor(color);
}

void TCanvas::SetFont(const TFont& font) {
    SetQFont(FontFor(font.Name, font.Size, font.Bold));
    FontColor = ToQColor(font.Color);
}

void TCanvas::SetQFont(const QFont& font) {
    Font = font;
    if (Painter.isActive())
        Painter.setFont(font);
}

void TCanvas::FillRect(const TRect& rect) {
    if (Painter.isActive())
        Painter.fillRect(
            QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)),
            BrushColor);
}

void TCanvas::Line(int x1, int y1, int x2, int y2) {
    if (Painter.isActive())
        Painter.drawLine(x1, y1, x2, y2);
}

void TCanvas::EllipseOutline(const TRect& rect) {
    if (!Painter.isActive())
        return;
    Painter.setBrush(Qt::NoBrush);
    Painter.drawEllipse(
        QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)));
}

void TCanvas::TextOut(int x, int y, std::string_view text, bool opaque) {
    TextOut(x, y, DecodeText(text, DisplayCharset()), opaque);
}

void TCanvas::TextOut(int x, int y, const QString& text, bool opaque) {
    if (!Painter.isActive())
        return;
    const QFontMetrics metrics(Font);
    if (opaque)
        Painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), BrushColor);
    const QPen pen = Painter.pen();
    Painter.setPen(FontColor);
    Painter.drawText(x, y + metrics.ascent(), text);
    Painter.setPen(pen);
}

int TCanvas::TextWidth(std::string_view text) const {
    return TextWidth(DecodeText(text, DisplayCharset()));
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(Font).horizontalAdvance(text);
}

int TCanvas::TextHeight() const {
    return QFontMetrics(Font).height();
}

QString TCanvas::SymbolGlyph(unsigned char code) {
    QFont font = Font;
    const QString glyph = SymbolText(font, code);
    SetQFont(font);
    return glyph;
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& source, TColor transparent) {
    const int x0 = std::max(0, -x), x1 = std::min(source.Width(), Target.Width() - x);
    const int y0 = std::max(0, -y), y1 = std::min(source.Height(), Target.Height() - y);
    const uint8_t key[3] = {uint8_t(RedOf(transparent)), uint8_t(GreenOf(transparent)),
                            uint8_t(BlueOf(transparent))};
    for (int sy = y0; sy < y1; ++sy) {
        const uint8_t* from = source.ScanLine(sy);
        uint8_t* to = Target.ScanLine(sy + y);
        for (int sx = x0; sx < x1; ++sx) {
            const uint8_t* p = from + 3 * sx;
            if (p[0] != key[0] || p[1] != key[1] || p[2] != key[2])
                std::copy(p, p + 3, to + 3 * (sx + x));
        }
    }
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& source) {
    if (Painter.isActive() && !source.Empty())
        Painter.drawImage(
            QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)),
            source.Picture());
}

} // namespace platform
