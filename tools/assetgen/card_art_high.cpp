// Illustrations of cards 20 to 39.
#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {

void DrawCardArtHigh(QPainter& p, int id, const QRectF& area) {
  kit::Backdrop(p, area, QColor::fromHsv((id * 37) % 360, 90, 220),
                QColor::fromHsv((id * 37) % 360, 160, 120));
  p.setPen(Qt::white);
  p.setFont(GothicFont(30, true));
  p.drawText(area, Qt::AlignCenter, QString::number(id));
}

}  // namespace assetgen
