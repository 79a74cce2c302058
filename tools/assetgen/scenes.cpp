// Duel pictures (field tiles, corner brackets, board) and the small adventure pictures (logo,
// light tile, icon). Each is drawn in its 1x units; `scale` multiplies the pixels.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

// Four L-shaped brackets hugging the corners of an 80 x 80 card. Drawn without smoothing so
// that the mask and the frame cover exactly the same pixels.
void FillBrackets(QImage& image, QRgb colour, int scale) {
  const int size = kCardSize * scale, kLength = 22 * scale, kThick = 4 * scale;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int dx = std::min(x, size - 1 - x), dy = std::min(y, size - 1 - y);
      const bool arm = (dx < kThick && dy < kLength) || (dy < kThick && dx < kLength);
      if (arm) image.setPixel(x, y, colour);
    }
  }
}

// Grey stone slab with a little grain and a bevel.
void DrawStone(QPainter& p, const QRect& r, Rng& rng) {
  // Kept below 128 so that the ORed field tiles read as strong blue, red and purple.
  const int base = rng.Int(104, 118);
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, QColor(base + 22, base + 22, base + 24));
  g.setColorAt(1, QColor(base - 18, base - 18, base - 14));
  p.fillRect(r, g);
  for (int i = 0; i < 140; ++i) {
    const int x = r.x() + rng.Int(2, r.width() - 3), y = r.y() + rng.Int(2, r.height() - 3);
    const int v = rng.Int(-28, 28);
    const int c = std::clamp(base + v, 0, 255);
    p.fillRect(x, y, 1 + rng.Int(0, 1), 1, QColor(c, c, c + 3));
  }
  for (int i = 0; i < 2; ++i) {  // faint cracks
    QPainterPath crack;
    QPointF pt(r.x() + rng.Range(10, 70), r.y() + rng.Range(10, 70));
    crack.moveTo(pt);
    for (int k = 0; k < 4; ++k) {
      pt += QPointF(rng.Range(-7, 7), rng.Range(-7, 7));
      pt.setX(std::clamp(pt.x(), r.x() + 4.0, r.right() - 4.0));
      pt.setY(std::clamp(pt.y(), r.y() + 4.0, r.bottom() - 4.0));
      crack.lineTo(pt);
    }
    p.setPen(QPen(QColor(110, 110, 115, 110), 0.8));
    p.drawPath(crack);
  }
  p.setPen(QPen(QColor(170, 170, 176), 2));
  p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
  p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
  p.setPen(QPen(QColor(60, 60, 66), 2));
  p.drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
}

// Brick wall: courses of 10 pixels, bricks of 20, offset every other course.
void DrawBrick(QPainter& p, const QRect& r, Rng& rng) {
  p.fillRect(r, QColor(92, 80, 72));  // mortar
  for (int row = 0; row < 8; ++row) {
    const int y = r.y() + row * 10;
    const int shift = (row % 2) ? -10 : 0;
    for (int x0 = shift; x0 < 80; x0 += 20) {
      const int x = r.x() + std::max(x0, 0);
      const int w = std::min(x0 + 20, 80) - std::max(x0, 0);
      const QRect brick(x + 1, y + 1, w - 2, 8);
      if (brick.width() <= 0) continue;
      const int red = rng.Int(130, 170), green = rng.Int(50, 70), blue = rng.Int(38, 52);
      QLinearGradient g(brick.topLeft(), brick.bottomLeft());
      g.setColorAt(0, QColor(red + 20, green + 14, blue + 10));
      g.setColorAt(1, QColor(red - 25, green - 14, blue - 10));
      p.fillRect(brick, g);
    }
  }
}

}  // namespace

// A small flat tile; the board stretches it over a whole square.
QImage MakeFieldTile(const QColor& colour, int scale) {
  QImage image(10 * scale, 10 * scale, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage MakeCornerMask(int scale) {
  QImage image(kCardSize * scale, kCardSize * scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  FillBrackets(image, qRgb(255, 255, 255), scale);
  return image;
}

QImage MakeCornerFrame(int scale) {
  QImage image(kCardSize * scale, kCardSize * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  FillBrackets(image, qRgb(255, 255, 0), scale);
  return image;
}

QImage MakeBoard(int scale) {
  QImage image(402 * scale, 402 * scale, QImage::Format_RGB32);
  image.fill(QColor(40, 34, 30));
  QPainter p(&image);
  if (scale != 1) p.scale(scale, scale);
  Rng rng(402);
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      const QRect square((c - 1) * 80, (r - 1) * 80, 80, 80);  // same squares as DrawBoard
      if (std::abs(c - 3) + std::abs(r - 3) <= 2)
        DrawStone(p, square, rng);
      else
        DrawBrick(p, square, rng);
    }
  }
  return image;
}

QImage MakeLightTile(int scale) {
  QImage image(10 * scale, 10 * scale, QImage::Format_RGB32);
  image.fill(QColor(235, 235, 235));
  return image;
}

QImage MakeLogo(int scale, bool english) {
  QImage image(302 * scale, 189 * scale, QImage::Format_RGB32);
  QPainter p(&image);
  if (scale != 1) p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  // Night sky with a glow behind the title.
  const QRect all(0, 0, 302, 189);
  QLinearGradient sky(0, 0, 0, 189);
  sky.setColorAt(0, QColor(12, 16, 48));
  sky.setColorAt(1, QColor(52, 24, 80));
  p.fillRect(all, sky);
  QRadialGradient glow(151, 92, 150);
  glow.setColorAt(0, QColor(255, 210, 120, 110));
  glow.setColorAt(1, QColor(255, 210, 120, 0));
  p.fillRect(all, glow);
  Rng rng(189);
  for (int i = 0; i < 70; ++i) {
    const double s = rng.Range(0.4, 1.4);
    p.setBrush(QColor(255, 255, 230, rng.Int(90, 230)));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(rng.Range(0, 302), rng.Range(0, 189)), s, s);
  }
  // Two fanned cards, blue and red, behind the letters.
  const struct {
    double angle, x;
    QColor frame;
  } fan[] = {{-14, 112, QColor(40, 70, 210)}, {14, 190, QColor(210, 40, 40)}};
  for (const auto& f : fan) {
    p.save();
    p.translate(f.x, 96);
    p.rotate(f.angle);
    p.setPen(QPen(QColor(255, 230, 160), 1.5));
    p.setBrush(f.frame);
    p.drawRoundedRect(QRectF(-32, -44, 64, 88), 6, 6);
    p.setBrush(f.frame.darker(180));
    p.drawRoundedRect(QRectF(-26, -38, 52, 76), 3, 3);
    p.restore();
  }
  // The title in gold with a dark outline.
  const QString title = QString::fromUtf8("ＫＯＲＶＡＮＥ");
  QFont font = GothicFont(44, true);
  QPainterPath text;
  text.addText(0, 0, font, title);
  const QRectF b = text.boundingRect();
  text.translate(151 - b.center().x(), 96 - b.center().y());
  p.setPen(QPen(QColor(20, 10, 30), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  QLinearGradient gold(0, 70, 0, 120);
  gold.setColorAt(0, QColor(255, 250, 200));
  gold.setColorAt(0.5, QColor(255, 205, 60));
  gold.setColorAt(1, QColor(190, 110, 20));
  p.setPen(QPen(QColor(120, 60, 10), 1.2));
  p.setBrush(gold);
  p.drawPath(text);
  // A thin ornament line under the title.
  p.setPen(QPen(QColor(255, 220, 130), 1.2));
  p.drawLine(QPointF(40, 132), QPointF(262, 132));
  p.setBrush(QColor(255, 220, 130));
  for (double x : {40.0, 151.0, 262.0}) {
    QPainterPath d;
    d.moveTo(x, 127);
    d.lineTo(x + 5, 132);
    d.lineTo(x, 137);
    d.lineTo(x - 5, 132);
    d.closeSubpath();
    p.drawPath(d);
  }
  p.setPen(QColor(230, 220, 255));
  p.setFont(GothicFont(13, false));
  p.drawText(QRectF(0, 142, 302, 24), Qt::AlignCenter,
             english ? QStringLiteral("Cards & Adventure")
                     : QString::fromUtf8("カード ＆ アドベンチャー"));
  return image;
}

QImage MakeIcon() {
  QImage image(64, 64, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 0, 64);
  bg.setColorAt(0, QColor(20, 26, 70));
  bg.setColorAt(1, QColor(60, 30, 90));
  p.fillRect(image.rect(), bg);
  p.save();
  p.translate(26, 34);
  p.rotate(-12);
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(QColor(220, 40, 40));
  p.drawRoundedRect(QRectF(-16, -22, 32, 44), 4, 4);
  p.restore();
  p.save();
  p.translate(38, 30);
  p.rotate(10);
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(QColor(40, 80, 220));
  p.drawRoundedRect(QRectF(-16, -22, 32, 44), 4, 4);
  p.setPen(QPen(QColor(255, 220, 90), 1));
  p.setBrush(QColor(255, 220, 90));
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = i * M_PI / 5 - M_PI / 2, r = i % 2 ? 4.5 : 11;
    const QPointF pt(r * std::cos(a), r * std::sin(a));
    i ? star.lineTo(pt) : star.moveTo(pt);
  }
  star.closeSubpath();
  p.drawPath(star);
  p.restore();
  return image;
}

}  // namespace assetgen
