#include "ui/sprite.h"

#include <cstdlib>

namespace korvane {

void Combine(QImage& target, const QImage& source, int x, int y, int w, int h, RasterOp op) {
  if (w == 0 || h <= 0 || source.isNull() || target.isNull()) return;
  QPainter p(&target);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  switch (op) {
    case RasterOp::Copy:
      p.setCompositionMode(QPainter::CompositionMode_Source);
      break;
    case RasterOp::And:
      p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
      break;
    case RasterOp::Or:
      p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
      break;
  }
  // A negative width would draw nothing in Qt: mirror with a transform instead.
  p.translate(x, y);
  if (w < 0) p.scale(-1, 1);
  p.drawImage(QRect(0, 0, std::abs(w), h), source);
}

void PaintSprite(QImage& target, const QImage& mask, const QImage& picture, int x, int y, int w,
                 int h) {
  Combine(target, mask, x, y, w, h, RasterOp::And);
  Combine(target, picture, x, y, w, h, RasterOp::Or);
}

QImage BlankImage(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

}  // namespace korvane
