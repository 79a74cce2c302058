// Sprites on RGB32 canvases: a mask combined with bitwise AND, then the picture with bitwise OR.
// The raster operations are exact only on 32-bit formats, so every canvas here is
// QImage::Format_RGB32.
#pragma once

#include <QImage>
#include <QPainter>

namespace korvane {

enum class RasterOp { Copy, And, Or };

// Combines `source` stretched to w x h at (x, y) into `target`. A negative w draws the picture
// mirrored, extending to the left of x; a width or height of 0 draws nothing. Stretching picks
// the nearest pixel, so colours stay exact.
void Combine(QImage& target, const QImage& source, int x, int y, int w, int h, RasterOp op);
inline void Combine(QImage& target, const QImage& source, int x, int y, RasterOp op) {
  Combine(target, source, x, y, source.width(), source.height(), op);
}

// The painting rule of the cards: mask with AND, then the picture with OR, same place and size.
void PaintSprite(QImage& target, const QImage& mask, const QImage& picture, int x, int y, int w,
                 int h);

// A blank RGB32 image of the given size and colour.
QImage BlankImage(int w, int h, QRgb colour);

}  // namespace korvane
