#include "Bitmap.h"

namespace platform {

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height())
        return;
    if (width <= 0 || height <= 0) {
        Image = QImage();
        return;
    }
    Image = QImage(width, height, QImage::Format_RGB888);
    Image.fill(Qt::black);
}

void TBitmap::Fill(TColor color) {
    if (!Image.isNull())
        Image.fill(QColor(RedOf(color), GreenOf(color), BlueOf(color)));
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const uint8_t* p = Image.constScanLine(y) + 3 * x;
    return MakeColor(p[0], p[1], p[2]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    uint8_t* p = Image.scanLine(y) + 3 * x;
    p[0] = static_cast<uint8_t>(RedOf(color));
    p[1] = static_cast<uint8_t>(GreenOf(color));
    p[2] = static_cast<uint8_t>(BlueOf(color));
}

} // namespace platform
