// Card faces, backs and the mask, at 80 x 80 times `scale`. A face is drawn in the player's
// orientation and cut to the card outline (black outside, so the duel's AND-mask then OR-picture
// painting works). The enemy's set is recoloured and turned by 180 degrees; its side codes are
// then written on the turned-round sides with upright glyphs, so that a "2" still reads "2".
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

constexpr double kCornerRadius = 7.0;

// A pixel of a picture drawn at `scale` belongs to the card when its centre lies inside the
// rounded outline. The test is symmetric, so the mask fits the turned enemy faces too.
bool InsideOutline(int x, int y, int scale) {
  const double px = (x + 0.5) / scale, py = (y + 0.5) / scale, r = kCornerRadius;
  const double cx = px < r ? r : (px > kCardSize - r ? kCardSize - r : px);
  const double cy = py < r ? r : (py > kCardSize - r ? kCardSize - r : py);
  const double dx = px - cx, dy = py - cy;
  return dx * dx + dy * dy <= r * r;
}

QPainterPath OutlinePath() {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, kCardSize, kCardSize), kCornerRadius, kCornerRadius);
  return path;
}

// Everything outside the outline becomes pure black.
void CutToOutline(QImage& image, int scale) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!InsideOutline(x, y, scale)) image.setPixel(x, y, qRgb(0, 0, 0));
}

// A blank card-sized picture and a painter that draws on it in 80 x 80 card units.
QImage BlankCard(int scale) {
  QImage image(kCardSize * scale, kCardSize * scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}
void CardUnits(QPainter& p, int scale) {
  if (scale != 1) p.scale(scale, scale);
}

struct Palette {
  QColor frameLight, frameDark, code;
};

Palette SetPalette(bool enemy) {
  if (enemy) return {QColor(236, 70, 60), QColor(140, 14, 18), QColor(120, 205, 255)};
  return {QColor(70, 110, 236), QColor(16, 30, 140), QColor(235, 30, 30)};
}

// Strength tier: 0 ids 0-13, 1 ids 14-26, 2 ids 27-35, 3 the bomb cards.
int Tier(int id) { return id <= 13 ? 0 : id <= 26 ? 1 : id <= 35 ? 2 : 3; }

void DrawFrame(QPainter& p, const Palette& pal, int tier) {
  QLinearGradient g(0, 0, kCardSize, kCardSize);
  g.setColorAt(0, pal.frameLight);
  g.setColorAt(1, pal.frameDark);
  p.fillPath(OutlinePath(), g);
  // A thin bright rim inside the outline.
  p.setPen(QPen(pal.frameLight.lighter(150), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1.5, 1.5, kCardSize - 3, kCardSize - 3), kCornerRadius - 1.5,
                    kCornerRadius - 1.5);
  if (tier >= 2) {  // strong cards get a gold inner line
    p.setPen(QPen(QColor(240, 200, 70), 1.0));
    p.drawRoundedRect(QRectF(3.5, 3.5, kCardSize - 7, kCardSize - 7), 4, 4);
  }
}

void DrawCornerOrnaments(QPainter& p, int tier) {
  if (tier == 0) return;
  const QColor gold = tier >= 2 ? QColor(255, 215, 90) : QColor(215, 215, 225);
  p.setPen(Qt::NoPen);
  const QPointF corners[4] = {{9, 9}, {71, 9}, {71, 71}, {9, 71}};
  for (const QPointF& c : corners) {
    QPainterPath diamond;
    const double s = tier >= 2 ? 3.2 : 2.4;
    diamond.moveTo(c.x(), c.y() - s);
    diamond.lineTo(c.x() + s, c.y());
    diamond.lineTo(c.x(), c.y() + s);
    diamond.lineTo(c.x() - s, c.y());
    diamond.closeSubpath();
    p.setBrush(gold);
    p.drawPath(diamond);
    if (tier == 3) {
      p.setBrush(QColor(200, 30, 60));
      p.drawEllipse(c, 1.2, 1.2);
    }
  }
}

void DrawCode(QPainter& p, const QPointF& centre, char code, const Palette& pal) {
  QRadialGradient g(centre - QPointF(1.5, 1.5), 8);
  g.setColorAt(0, QColor(70, 70, 80));
  g.setColorAt(1, QColor(12, 12, 18));
  p.setBrush(g);
  p.setPen(QPen(QColor(205, 205, 215), 1.0));
  p.drawEllipse(centre, 6.6, 6.6);
  p.setPen(pal.code);
  p.setFont(GothicFont(code == '0' ? 12 : 11, true));
  p.drawText(QRectF(centre.x() - 7, centre.y() - 7.5, 14, 14), Qt::AlignCenter, SideLabel(code));
}

}  // namespace

QString SideLabel(char code) {
  switch (code) {
    case '0':
      return QString::fromUtf8("×");
    case 's':
      return "S";
    case 'a':
      return "A";
    case 'b':
      return "B";
    default:
      return QString(QChar(code));
  }
}

QImage MakeCardMask(int scale) {
  QImage mask = BlankCard(scale);
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      mask.setPixel(x, y, InsideOutline(x, y, scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  return mask;
}

QImage MakeCardFace(const CardDef& card, bool enemy, int scale) {
  const Palette pal = SetPalette(enemy);
  const int tier = Tier(card.id);
  // Side codes: 1 top, 2 right, 3 bottom, 4 left, as the owner holds the card.
  const QPointF at[4] = {{40, 7}, {73, 40}, {40, 73}, {7, 40}};
  QImage image = BlankCard(scale);
  {
    QPainter p(&image);
    CardUnits(p, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Frame.
    DrawFrame(p, pal, tier);
    // Illustration inside the frame.
    const QRectF art(5, 5, 70, 70);
    QPainterPath window;
    window.addRoundedRect(art, 3, 3);
    p.save();
    p.setClipPath(window);
    DrawCardArt(p, card.id, art);
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window);
    DrawCornerOrnaments(p, tier);
    if (!enemy)
      for (int s = 0; s < 4; ++s) DrawCode(p, at[s], card.sides[s], pal);
  }
  if (enemy) {
    // The enemy's card lies turned round: each code sits on the opposite side, upright.
    image = image.mirrored(true, true);
    QPainter p(&image);
    CardUnits(p, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int s = 0; s < 4; ++s) DrawCode(p, at[(s + 2) % 4], card.sides[s], pal);
  }
  CutToOutline(image, scale);
  return image;
}

QImage MakeCardBack(bool enemy, int scale) {
  const Palette pal = SetPalette(enemy);
  QImage image = BlankCard(scale);
  {
    QPainter p(&image);
    CardUnits(p, scale);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFrame(p, pal, 2);
    const QRectF inner(5, 5, 70, 70);
    QPainterPath window;
    window.addRoundedRect(inner, 3, 3);
    p.setClipPath(window);
    QRadialGradient bg(40, 40, 50);
    bg.setColorAt(0, pal.frameDark.lighter(160));
    bg.setColorAt(1, pal.frameDark.darker(160));
    p.fillRect(inner, bg);
    // Lattice of small diamonds.
    p.setPen(QPen(QColor(255, 255, 255, 50), 1.0));
    for (int k = -80; k <= 160; k += 8) {
      p.drawLine(QPointF(k, 0), QPointF(k + 80, 80));
      p.drawLine(QPointF(k, 80), QPointF(k + 80, 0));
    }
    // Central emblem: a gold eight-pointed star in a ring.
    p.setClipping(false);
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
      const double a = i * M_PI / 8 - M_PI / 2;
      const double r = (i % 2 == 0) ? 22 : 9;
      const QPointF pt(40 + r * std::cos(a), 40 + r * std::sin(a));
      if (i == 0)
        star.moveTo(pt);
      else
        star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(90, 60, 10), 1.2));
    QLinearGradient gold(20, 20, 60, 60);
    gold.setColorAt(0, QColor(255, 240, 150));
    gold.setColorAt(1, QColor(200, 140, 30));
    p.setBrush(gold);
    p.drawPath(star);
    p.setBrush(pal.frameDark);
    p.drawEllipse(QPointF(40, 40), 7, 7);
    p.setPen(QColor(255, 235, 160));
    p.setFont(GothicFont(10, true));
    p.drawText(QRectF(33, 33, 14, 14), Qt::AlignCenter, "K");
  }
  CutToOutline(image, scale);
  return enemy ? image.mirrored(true, true) : image;
}

}  // namespace assetgen
