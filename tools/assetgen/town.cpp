// The town map: 576 x 406 pixels. Each of the nine places is drawn inside its hot spot (the
// hot spots are given in twips, 15 to a pixel), so pointing at a building finds its name. The
// same drawing, magnified, gives the sharper maps and the close-up of each place.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {
namespace {
using namespace kit;

// Hot spots in twips (Left, Top, Width, Height), place 0 to 8.
constexpr int kSpots[9][4] = {
    {360, 4320, 1695, 1695},  {2040, 3480, 1455, 1335}, {3600, 4680, 1935, 1215},
    {5880, 4440, 1815, 1575}, {4560, 2400, 1215, 975},  {6000, 0, 1575, 1455},
    {240, 3240, 1455, 975},   {1800, 1200, 1095, 1095}, {6480, 2640, 1815, 1455}};

QRectF Spot(int i) {
  return QRectF(kSpots[i][0] / 15.0, kSpots[i][1] / 15.0, kSpots[i][2] / 15.0, kSpots[i][3] / 15.0);
}

struct HouseStyle {
  QColor wall, roof, door;
  bool chimney = true, flowers = false, flag = false, dome = false, flatRoof = false;
};

void Shadow(QPainter& p, const QRectF& base) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 40, 10, 70));
  p.drawEllipse(base.adjusted(-4, base.height() * 0.6, 6, base.height() * 0.15));
}

void Window(QPainter& p, const QRectF& w, bool lit) {
  p.setPen(QPen(QColor(70, 50, 40), 1));
  p.setBrush(lit ? QColor(255, 235, 150) : QColor(120, 170, 210));
  p.drawRect(w);
  p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
  p.drawLine(QPointF(w.left(), w.center().y()), QPointF(w.right(), w.center().y()));
}

// A front-facing house filling most of `r`: wall, roof, door, two windows.
void House(QPainter& p, const QRectF& r, const HouseStyle& s) {
  const double w = r.width(), h = r.height();
  // A flat-roofed house is a modern two-storey block; the others are cottages under a roof.
  const double top = s.flatRoof ? 0.2 : 0.46;
  const QRectF body(r.left() + w * 0.14, r.top() + h * top, w * 0.72, h * (0.9 - top));
  Shadow(p, QRectF(body.left(), body.bottom() - 6, body.width(), 10));
  if (s.chimney) {
    const QRectF c(body.right() - w * 0.2, r.top() + h * 0.14, w * 0.08, h * 0.22);
    Shape(p, Poly({c.topLeft(), c.topRight(), c.bottomRight(), c.bottomLeft()}),
          QColor(150, 90, 70), 1);
  }
  Shape(p, Poly({body.topLeft(), body.topRight(), body.bottomRight(), body.bottomLeft()}), s.wall,
        1);
  if (s.flatRoof) {
    Shape(p,
          Poly({{body.left() - w * 0.05, body.top() - h * 0.1},
                {body.right() + w * 0.05, body.top() - h * 0.1},
                {body.right() + w * 0.05, body.top() + 2},
                {body.left() - w * 0.05, body.top() + 2}}),
          s.roof, 1);
  } else {
    Shape(p,
          Poly({{body.left() - w * 0.1, body.top() + 2},
                {r.left() + w * 0.3, r.top() + h * 0.1},
                {r.right() - w * 0.3, r.top() + h * 0.1},
                {body.right() + w * 0.1, body.top() + 2}}),
          s.roof, 1);
    // Roof tiles: a few horizontal lines.
    p.setPen(QPen(s.roof.darker(140), 0.8));
    for (double t : {0.35, 0.65}) {
      const double y = r.top() + h * 0.1 + (body.top() - r.top() - h * 0.1) * t;
      const double inset = (1 - t) * w * 0.2;
      p.drawLine(QPointF(r.left() + w * 0.1 + inset, y), QPointF(r.right() - w * 0.1 - inset, y));
    }
  }
  if (s.dome) {  // a little observatory on the roof
    Ball(p, {r.left() + w * 0.5, r.top() + h * 0.14}, w * 0.1, h * 0.09, QColor(200, 210, 220));
    Line(p, {r.left() + w * 0.5, r.top() + h * 0.12}, {r.left() + w * 0.64, r.top() + h * 0.02},
         2.2, QColor(80, 80, 100));
  }
  if (s.flag) {
    const QPointF pole(body.left() - 2, r.top() + h * 0.05);
    Line(p, pole, {pole.x(), body.top() + 4}, 1.2, QColor(90, 70, 50));
    Shape(p, Poly({pole, pole + QPointF(-13, 4), pole + QPointF(0, 8)}), QColor(240, 60, 30), 0.6);
  }
  const QRectF door(body.center().x() - w * 0.08, body.bottom() - body.height() * 0.62, w * 0.16,
                    body.height() * 0.62);
  Shape(p, Poly({door.topLeft(), door.topRight(), door.bottomRight(), door.bottomLeft()}), s.door,
        1);
  Dot(p, {door.right() - 2.5, door.center().y()}, 1, QColor(240, 210, 90));
  const double ww = w * 0.14;
  if (s.flatRoof)  // upper floor: a long window band
    for (int k = 0; k < 3; ++k)
      Window(p, QRectF(body.left() + w * 0.06 + k * w * 0.2, body.top() + h * 0.06, ww, ww * 0.7),
             k == 2);
  const double wy = body.top() + body.height() * (s.flatRoof ? 0.55 : 0.25);
  Window(p, QRectF(body.left() + w * 0.06, wy, ww, ww * 0.8), false);
  Window(p, QRectF(body.right() - w * 0.06 - ww, wy, ww, ww * 0.8), false);
  if (s.flowers) {
    for (int k = 0; k < 6; ++k) {
      const QColor c = k % 2 ? QColor(250, 120, 170) : QColor(255, 230, 90);
      Dot(p, {body.left() + 4 + k * (body.width() - 8) / 5, body.bottom() + 3}, 2.2, c);
    }
  }
}

void Tree(QPainter& p, QPointF base, double size, const QColor& leaves) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 40, 10, 60));
  p.drawEllipse(QRectF(base.x() - size * 0.6, base.y() - size * 0.12, size * 1.2, size * 0.3));
  Shape(p,
        Poly({base + QPointF(-size * 0.1, 0), base + QPointF(size * 0.1, 0),
              base + QPointF(size * 0.07, -size * 0.6), base + QPointF(-size * 0.07, -size * 0.6)}),
        QColor(120, 80, 50), 0.8);
  Ball(p, base + QPointF(0, -size * 0.85), size * 0.5, size * 0.45, leaves, 0.8);
  Ball(p, base + QPointF(-size * 0.22, -size * 0.7), size * 0.28, size * 0.24, leaves.lighter(105),
       0);
}

void Road(QPainter& p, std::initializer_list<QPointF> points, double width) {
  QPainterPath path;
  const std::vector<QPointF> v(points);
  path.moveTo(v[0]);
  for (size_t i = 1; i + 1 < v.size(); ++i) path.quadTo(v[i], (v[i] + v[i + 1]) / 2);
  path.lineTo(v.back());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 140, 90), width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(QColor(225, 200, 150), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void FairyTree(QPainter& p, const QRectF& r) {
  const QPointF c = r.center();
  Glow(p, c, r.width() * 0.75, QColor(255, 250, 190, 120));
  Tree(p, {c.x(), r.bottom() - 3}, r.height() * 0.78, QColor(90, 190, 120));
  Sparkles(p, 7, 14, QColor(255, 255, 220), r.adjusted(6, 4, -6, -22));
  for (QPointF d : {QPointF(-18, -30), QPointF(14, -36), QPointF(20, -18)})
    Glow(p, c + d, 4, QColor(255, 200, 240, 230));
}

void DeadTree(QPainter& p, QPointF base, double size) {
  const QColor bark(90, 70, 60);
  Line(p, base, base + QPointF(1, -size), 3, bark);
  Line(p, base + QPointF(0.5, -size * 0.55), base + QPointF(-size * 0.4, -size * 0.9), 2, bark);
  Line(p, base + QPointF(0.8, -size * 0.7), base + QPointF(size * 0.35, -size * 1.05), 1.6, bark);
  Line(p, base + QPointF(-size * 0.25, -size * 0.75), base + QPointF(-size * 0.3, -size), 1.2,
       bark);
}

void CardSquare(QPainter& p, const QRectF& r) {
  // Paved plaza with a diamond of tiles and a big card monument.
  const QRectF plaza = r.adjusted(4, 10, -4, -6);
  p.setPen(QPen(QColor(130, 120, 110), 1.5));
  p.setBrush(QColor(200, 190, 175));
  p.drawRoundedRect(plaza, 10, 10);
  const QPointF c = plaza.center() + QPointF(0, 6);
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) {
      if (std::abs(dx) + std::abs(dy) > 2) continue;
      const QPointF t = c + QPointF(dx * 11, dy * 8);
      p.setPen(QPen(QColor(120, 110, 100), 0.8));
      p.setBrush((dx + dy) % 2 ? QColor(150, 170, 220) : QColor(230, 150, 150));
      p.drawRect(QRectF(t.x() - 5, t.y() - 3.5, 10, 7));
    }
  // Two banners, blue and red.
  for (int s : {-1, 1}) {
    const QPointF pole(c.x() + s * plaza.width() * 0.42, plaza.top() + 2);
    Line(p, pole, pole + QPointF(0, 40), 1.5, QColor(90, 70, 50));
    Shape(p, Poly({pole + QPointF(0, 2), pole + QPointF(-s * 12, 6), pole + QPointF(0, 12)}),
          s < 0 ? QColor(50, 90, 220) : QColor(220, 50, 50), 0.6);
  }
  // The monument: two standing cards.
  for (int s : {-1, 1}) {
    p.save();
    p.translate(c.x() + s * 8, plaza.top() + 14);
    p.rotate(s * 10);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(s < 0 ? QColor(60, 100, 230) : QColor(230, 60, 60));
    p.drawRoundedRect(QRectF(-7, -10, 14, 20), 2, 2);
    Star(p, {0, 0}, 4, QColor(255, 230, 110));
    p.restore();
  }
}

void OldHouse(QPainter& p, const QRectF& r) {
  const QColor wall(120, 110, 120), roof(60, 50, 70);
  const double w = r.width(), h = r.height();
  // Two towers and a main hall.
  const QRectF hall(r.left() + w * 0.2, r.top() + h * 0.35, w * 0.6, h * 0.55);
  for (int s : {-1, 1}) {
    const double x = s < 0 ? r.left() + w * 0.04 : r.right() - w * 0.24;
    const QRectF tower(x, r.top() + h * 0.28, w * 0.2, h * 0.62);
    Shape(p, Poly({tower.topLeft(), tower.topRight(), tower.bottomRight(), tower.bottomLeft()}),
          wall.darker(110), 1);
    Shape(p,
          Poly({tower.topLeft() + QPointF(-2, 1),
                tower.topRight() + QPointF(2, 1),
                {tower.center().x(), r.top() + h * 0.02}}),
          roof, 1);
    Window(p, QRectF(tower.center().x() - 3, tower.top() + 10, 6, 9), false);
  }
  Shape(p, Poly({hall.topLeft(), hall.topRight(), hall.bottomRight(), hall.bottomLeft()}), wall, 1);
  Shape(p,
        Poly({hall.topLeft() + QPointF(-4, 1), hall.topRight() + QPointF(4, 1),
              hall.topRight() + QPointF(-8, -h * 0.2), hall.topLeft() + QPointF(8, -h * 0.2)}),
        roof, 1);
  for (int k = 0; k < 3; ++k)
    Window(p, QRectF(hall.left() + 6 + k * (hall.width() - 18) / 2, hall.top() + 6, 6, 8), k == 1);
  const QRectF door(hall.center().x() - 6, hall.bottom() - 18, 12, 18);
  QPainterPath arch;
  arch.moveTo(door.bottomLeft());
  arch.lineTo(door.left(), door.top() + 6);
  arch.quadTo(door.center().x(), door.top() - 4, door.right(), door.top() + 6);
  arch.lineTo(door.bottomRight());
  arch.closeSubpath();
  Shape(p, arch, QColor(60, 40, 40), 1);
  // Boards across a broken window, a crack, and bats over the roof: nobody has lived here
  // for a long time.
  const QRectF broken(hall.right() - 16, hall.top() + 22, 8, 10);
  Window(p, broken, false);
  Line(p, broken.topLeft() + QPointF(-1, 2), broken.bottomRight() + QPointF(1, -3), 2,
       QColor(140, 100, 60));
  Line(p, broken.bottomLeft() + QPointF(-1, -2), broken.topRight() + QPointF(1, 3), 2,
       QColor(140, 100, 60));
  p.setPen(QPen(QColor(50, 40, 50), 0.8));
  p.setBrush(Qt::NoBrush);
  QPainterPath crack;
  crack.moveTo(hall.left() + 10, hall.top() + 18);
  crack.lineTo(hall.left() + 14, hall.top() + 26);
  crack.lineTo(hall.left() + 11, hall.top() + 32);
  crack.lineTo(hall.left() + 15, hall.top() + 40);
  p.drawPath(crack);
  for (QPointF b :
       {QPointF(r.center().x() - 8, r.top() + 6), QPointF(r.center().x() + 12, r.top() + 12)}) {
    Wing(p, b, 5, 200, QColor(30, 25, 35), false);
    Wing(p, b, 5, -20, QColor(30, 25, 35), false);
  }
  // Ivy on the walls.
  Rng rng(5);
  for (int k = 0; k < 40; ++k)
    Dot(p, {rng.Range(hall.left(), hall.right()), rng.Range(hall.top() + h * 0.2, hall.bottom())},
        rng.Range(0.8, 1.8), QColor(60, 110, 60, 200));
}

// The whole town in its 576 x 406 units, whatever the painter's transform.
void DrawTown(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  // Meadow with a little texture.
  QLinearGradient grass(0, 0, 0, 406);
  grass.setColorAt(0, QColor(120, 180, 95));
  grass.setColorAt(1, QColor(100, 165, 80));
  p.fillRect(QRect(0, 0, 576, 406), grass);
  Rng rng(406);
  for (int i = 0; i < 1400; ++i) {
    const QPointF at(rng.Range(0, 576), rng.Range(0, 406));
    const int g = rng.Int(-20, 20);
    p.setPen(QPen(QColor(110 + g, 175 + g, 85 + g), 1));
    p.drawLine(at, at + QPointF(rng.Range(-1, 1), -rng.Range(1.5, 3.5)));
  }
  // A pond and a stream in the open ground of the north-west.
  p.setPen(QPen(QColor(70, 120, 160), 2));
  p.setBrush(QColor(110, 170, 220));
  p.drawPath(Smooth({{210, 40}, {270, 24}, {330, 40}, {340, 80}, {290, 104}, {230, 92}}));
  p.setPen(QPen(QColor(200, 230, 250), 1.2));
  for (QPointF w : {QPointF(250, 55), QPointF(290, 75), QPointF(300, 45)})
    p.drawLine(w, w + QPointF(14, 0));
  // Roads between the places.
  Road(
      p,
      {{0, 202}, {70, 204}, {150, 196}, {230, 214}, {290, 240}, {400, 252}, {470, 286}, {576, 288}},
      14);
  Road(p, {{400, 252}, {410, 180}, {420, 120}, {452, 96}}, 11);  // up to the old house
  Road(p, {{150, 196}, {156, 150}}, 9);                          // the fairy tree
  Road(p, {{344, 222}, {350, 246}}, 8);                          // 高峰's door
  Road(p, {{64, 278}, {64, 292}, {140, 300}, {184, 318}}, 9);    // the player's door to 真道's
  Road(p, {{184, 304}, {188, 360}, {190, 410}}, 9);
  Road(p, {{-10, 404}, {586, 404}}, 12);  // the lane along the south edge
  for (double x : {80.0, 304.0, 452.0}) Road(p, {{x, 380}, {x, 404}}, 8);
  Road(p, {{380, 404}, {380, 330}, {390, 290}, {400, 252}}, 10);
  // Trees in the open ground, placed away from every hot spot.
  const QPointF trees[] = {{20, 40},   {50, 90},   {30, 150},  {90, 30},  {180, 30},
                           {200, 150}, {250, 150}, {360, 120}, {370, 30}, {555, 110},
                           {520, 150}, {560, 385}, {225, 380}, {10, 320}, {285, 190}};
  for (const QPointF& t : trees) {
    bool clear = true;
    for (int i = 0; i < 9; ++i) clear = clear && !Spot(i).adjusted(-8, -30, 8, 4).contains(t);
    if (clear) Tree(p, t, rng.Range(22, 30), QColor(70 + rng.Int(0, 30), 140 + rng.Int(0, 30), 70));
  }
  // The nine places.
  House(p, Spot(0).adjusted(6, 6, -6, -14),
        {QColor(255, 240, 230), QColor(240, 130, 160), QColor(200, 120, 120), true, true});
  House(p, Spot(1).adjusted(2, 2, -2, -6),
        {QColor(235, 235, 245), QColor(70, 110, 210), QColor(120, 90, 60)});
  House(p, Spot(2).adjusted(12, 0, -12, -4),
        {QColor(240, 235, 210), QColor(80, 160, 110), QColor(110, 90, 60), false, false, false,
         true});
  House(p, Spot(3).adjusted(4, 4, -4, -10),
        {QColor(250, 225, 200), QColor(210, 60, 40), QColor(130, 60, 40), true, false, true});
  House(p, Spot(4).adjusted(2, 0, -2, 0),
        {QColor(200, 205, 215), QColor(70, 75, 90), QColor(60, 60, 70), false, false, false, false,
         true});
  OldHouse(p, Spot(5).adjusted(2, 0, -2, -4));
  DeadTree(p, {524, 70}, 30);
  House(p, Spot(6).adjusted(4, -4, -4, -2),
        {QColor(250, 240, 210), QColor(200, 120, 60), QColor(150, 100, 60), true, true});
  FairyTree(p, Spot(7));
  CardSquare(p, Spot(8));
}

}  // namespace

QImage MakeTown(int scale) {
  QImage image(576 * scale, 406 * scale, QImage::Format_RGB32);
  QPainter p(&image);
  if (scale != 1) p.scale(scale, scale);
  DrawTown(p);
  return image;
}

QImage MakeTownCloseUp(int place, int scale) {
  // The window's zoom takes the hot spot in whole pixels and stretches it over the picture.
  const QRect spot(kSpots[place][0] / 15, kSpots[place][1] / 15, kSpots[place][2] / 15,
                   kSpots[place][3] / 15);
  QImage image(576 * scale, 406 * scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.scale(double(image.width()) / spot.width(), double(image.height()) / spot.height());
  p.translate(-spot.topLeft());
  p.setClipRect(spot);
  DrawTown(p);
  return image;
}

}  // namespace assetgen
