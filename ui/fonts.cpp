#include "ui/fonts.h"

#include <QPaintDevice>
#include <QPainter>

namespace korvane {

QString GothicFamily() { return QStringLiteral("IPAPGothic"); }
QString HandwritingFamily() { return QStringLiteral("Klee One"); }

QFont GothicFont(int pixels, bool bold) {
  QFont f(GothicFamily());
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QFont GothicPoints(double points, bool bold) {
  QFont f(GothicFamily());
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

QFont PictureTextFont() {
  QFont font(HandwritingFamily());
  font.setPointSizeF(kMessagePointSize);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void DrawPictureText(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  const QFont font = PictureTextFont();
  p.setFont(font);
  p.setPen(colour);
  // The glyphs' em box starts at y: the handwriting face carries a tall ascent of its own, so
  // the baseline is set from the em size (ideographs rise about 0.88 em above it).
  const double emPx = font.pointSizeF() * p.device()->logicalDpiY() / 72.0;
  p.drawText(x, y + qRound(emPx * 0.88), text);
}

}  // namespace korvane
