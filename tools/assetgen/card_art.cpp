// Illustrations of cards 0 to 19.
#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {

void DrawCardArt(QPainter& p, int id, const QRectF& area) {
  p.save();
  p.translate(area.topLeft());
  p.scale(area.width() / 70.0, area.height() / 70.0);
  if (id < 20)
    DrawCardArtLow(p, id, QRectF(0, 0, 70, 70));
  else
    DrawCardArtHigh(p, id, QRectF(0, 0, 70, 70));
  p.restore();
}

void DrawCardArtLow(QPainter& p, int id, const QRectF& area) {
  kit::Backdrop(p, area, QColor::fromHsv((id * 37) % 360, 90, 220),
                QColor::fromHsv((id * 37) % 360, 160, 120));
  p.setPen(Qt::white);
  p.setFont(GothicFont(30, true));
  p.drawText(area, Qt::AlignCenter, QString::number(id));
}

}  // namespace assetgen
