// The desktop icon in every size of the hicolor theme: a dark rounded badge with two cards
// fanned over it, red behind and blue in front with a gold star.
//
// Each size is drawn for its own pixel grid rather than scaled from one bitmap: at 16 and 32
// pixels the cards stand upright on whole pixels with one-pixel borders, so no edge is a blur;
// from 48 pixels on they are turned like a hand of cards; from 128 on they get shadows, an
// inner frame and the little side marks of a real card.
#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

const QColor kRed(220, 40, 40), kBlue(40, 80, 220), kGold(255, 220, 90);

QPainterPath Star(QPointF centre, double outer, double inner) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = i * M_PI / 5 - M_PI / 2, r = i % 2 ? inner : outer;
    const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
    i ? star.lineTo(pt) : star.moveTo(pt);
  }
  star.closeSubpath();
  return star;
}

// The badge: a rounded square with a night-sky gradient and a dark rim that keeps it apart
// from light panels.
void DrawBadge(QPainter& p, int size) {
  const int margin = size <= 16 ? 0 : int(std::lround(size / 32.0));
  const QRectF badge(margin, margin, size - 2 * margin, size - 2 * margin);
  const double radius = std::round(size * 0.18);
  const double rim = std::max(1.0, std::round(size / 48.0));
  QLinearGradient bg(0, badge.top(), 0, badge.bottom());
  bg.setColorAt(0, QColor(20, 26, 70));
  bg.setColorAt(1, QColor(60, 30, 90));
  QPainterPath outline;
  outline.addRoundedRect(badge, radius, radius);
  p.fillPath(outline, QColor(10, 12, 36));
  QPainterPath inside;
  inside.addRoundedRect(badge.adjusted(rim, rim, -rim, -rim), radius - rim, radius - rim);
  p.fillPath(inside, bg);
  if (size >= 128) {  // a soft glow behind the cards
    QRadialGradient glow(badge.center(), badge.width() * 0.45);
    glow.setColorAt(0, QColor(150, 120, 230, 90));
    glow.setColorAt(1, QColor(150, 120, 230, 0));
    p.fillPath(inside, glow);
  }
}

// A card on whole pixels: white border one pixel wide, corners cut by one pixel.
void PixelCard(QPainter& p, const QRect& r, const QColor& face) {
  p.fillRect(r.adjusted(1, 0, -1, 0), Qt::white);
  p.fillRect(r.adjusted(0, 1, 0, -1), Qt::white);
  p.fillRect(r.adjusted(1, 1, -1, -1), face);
}

// 16 and 32 pixels: upright cards and a star that still reads as one.
void DrawSmall(QPainter& p, int size) {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (size <= 16) {
    PixelCard(p, QRect(2, 2, 7, 10), kRed);
    PixelCard(p, QRect(7, 4, 7, 10), kBlue);
    // A plus of five gold pixels is the star at this size.
    p.fillRect(QRect(10, 7, 1, 3), kGold);
    p.fillRect(QRect(9, 8, 3, 1), kGold);
    return;
  }
  PixelCard(p, QRect(5, 5, 13, 18), kRed);
  p.fillRect(QRect(7, 7, 9, 14), kRed.darker(135));  // the red card's inner panel
  PixelCard(p, QRect(14, 9, 13, 18), kBlue);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawPath(Star(QPointF(20.5, 18), 5.2, 2.3));
}

// 48 pixels and up, drawn in a 64-unit square: two turned cards and a star.
void DrawLarge(QPainter& p, int size) {
  const bool detailed = size >= 128;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(size / 64.0, size / 64.0);
  // The border stays at least one pixel wide however small the scale.
  const double border = std::max(1.5, 64.0 / size);
  const struct {
    QPointF at;
    double angle;
    QColor face;
  } cards[] = {{{25, 33}, -12, kRed}, {{38, 30}, 10, kBlue}};
  for (const auto& c : cards) {
    p.save();
    p.translate(c.at);
    p.rotate(c.angle);
    const QRectF card(-15, -21, 30, 42);
    if (detailed) {  // shadow
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 80));
      p.drawRoundedRect(card.translated(1.2, 1.8), 4, 4);
    }
    QLinearGradient face(0, card.top(), 0, card.bottom());
    face.setColorAt(0, c.face.lighter(detailed ? 125 : 100));
    face.setColorAt(1, c.face.darker(detailed ? 125 : 100));
    p.setPen(QPen(Qt::white, border));
    p.setBrush(face);
    p.drawRoundedRect(card, 4, 4);
    if (detailed) {
      // Inner gold frame and the four side marks, as on the game's cards.
      p.setPen(QPen(QColor(255, 225, 140, 200), 0.6));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 2, 2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 220));
      for (int side = 0; side < 4; ++side) {
        p.save();
        p.rotate(side * 90);
        // Between the frame and the border, pointing out of the card.
        const double edge = side % 2 ? 15 : 21;
        QPainterPath mark;
        mark.moveTo(0, -edge + 1);
        mark.lineTo(1.6, -edge + 2.6);
        mark.lineTo(-1.6, -edge + 2.6);
        mark.closeSubpath();
        p.drawPath(mark);
        p.restore();
      }
    }
    if (c.face == kBlue) {
      const QPainterPath star = Star(QPointF(0, 0), 11, 4.5);
      if (detailed) {
        QRadialGradient gold(QPointF(-2, -3), 12);
        gold.setColorAt(0, QColor(255, 250, 200));
        gold.setColorAt(1, QColor(240, 180, 40));
        p.setPen(QPen(QColor(150, 90, 10), 0.6));
        p.setBrush(gold);
      } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
      }
      p.drawPath(star);
    }
    p.restore();
  }
}

}  // namespace

const std::vector<int>& AppIconSizes() {
  static const std::vector<int> sizes{16, 32, 48, 64, 128, 256, 512};
  return sizes;
}

QImage MakeAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  DrawBadge(p, size);
  if (size <= 32) {
    DrawSmall(p, size);
  } else {
    DrawLarge(p, size);
  }
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool WriteAppIcons(const QString& outDir, const QString& name, QString* error) {
  for (int size : AppIconSizes()) {
    const QString dir = QString("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
    const QString path = dir + "/" + name + ".png";
    if (!QDir().mkpath(dir) || !MakeAppIcon(size).save(path, "PNG")) {
      *error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

}  // namespace assetgen
