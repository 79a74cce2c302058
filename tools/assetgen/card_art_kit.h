// Drawing helpers shared by the card illustrations. Coordinates are in a 70 x 70 art box.
#pragma once

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <initializer_list>

namespace assetgen::kit {

inline void Backdrop(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(area, g);
}

}  // namespace assetgen::kit
