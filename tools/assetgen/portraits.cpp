// Portraits, 100 x 100, all drawn by one routine from a short description of each person, so
// the six characters and the player share one style: a bust on a coloured ground, large eyes,
// the hair in a back and a front layer.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {
namespace {
using namespace kit;

enum class Hair { Short, Spiky, Messy, TwinTails, Ponytail, Slick, Long, Bob };
enum class Eyes { Round, Happy, Sharp, Sad, Wide, Narrow };
enum class Mouth { Smile, Grin, Open, Smirk, Flat, Small };

struct Person {
  QColor bgTop, bgBottom, skin, hair, iris, clothes, trim;
  Hair hair_;
  Eyes eyes;
  Mouth mouth;
  bool blush = false, glasses = false, ribbons = false, cards = false, tie = false, ghost = false,
       stubble = false, flames = false, hairpin = false, cap = false;
};

const QColor kSkin(252, 222, 196), kInk(50, 35, 35);

Person Describe(int who) {
  switch (who) {
    case 0: {  // 高原 良絵: cheerful, draws cute cards
      Person p{QColor(255, 220, 235),
               QColor(250, 170, 200),
               kSkin,
               QColor(170, 110, 70),
               QColor(200, 90, 60),
               QColor(250, 160, 190),
               QColor(255, 255, 255),
               Hair::TwinTails,
               Eyes::Happy,
               Mouth::Grin};
      p.blush = p.ribbons = true;
      return p;
    }
    case 1: {  // 真道 祐樹: the card fan
      Person p{QColor(200, 225, 255),
               QColor(90, 140, 230),
               kSkin,
               QColor(40, 40, 60),
               QColor(60, 90, 180),
               QColor(40, 90, 200),
               QColor(250, 210, 60),
               Hair::Spiky,
               Eyes::Round,
               Mouth::Grin};
      p.cards = true;
      return p;
    }
    case 2: {  // 風見 誠: curious
      Person p{QColor(220, 250, 210),
               QColor(120, 190, 120),
               kSkin,
               QColor(130, 90, 50),
               QColor(70, 130, 60),
               QColor(240, 200, 90),
               QColor(120, 90, 50),
               Hair::Messy,
               Eyes::Wide,
               Mouth::Open};
      p.glasses = true;
      return p;
    }
    case 3: {  // 横田 真央: fiery
      Person p{QColor(255, 210, 150), QColor(230, 80, 40),  kSkin,
               QColor(200, 50, 40),   QColor(220, 120, 20), QColor(40, 40, 50),
               QColor(240, 80, 40),   Hair::Ponytail,       Eyes::Sharp,
               Mouth::Smirk};
      p.flames = true;
      return p;
    }
    case 4: {  // 高峰 武: cool, older
      Person p{QColor(190, 200, 215), QColor(70, 80, 100), QColor(240, 208, 180),
               QColor(70, 70, 80),    QColor(60, 60, 70),  QColor(40, 40, 50),
               QColor(240, 240, 245), Hair::Slick,         Eyes::Narrow,
               Mouth::Smirk};
      p.tie = p.stubble = true;
      return p;
    }
    case 5: {  // 速水 結: the ghost girl
      Person p{QColor(120, 110, 170), QColor(30, 30, 60),   QColor(246, 246, 252),
               QColor(25, 25, 35),    QColor(110, 90, 160), QColor(245, 245, 255),
               QColor(180, 180, 210), Hair::Long,           Eyes::Sad,
               Mouth::Small};
      p.ghost = true;
      return p;
    }
    case 6: {  // the player, a boy
      Person p{QColor(255, 240, 200), QColor(250, 190, 90), kSkin,
               QColor(110, 70, 40),   QColor(90, 60, 30),   QColor(60, 160, 90),
               QColor(255, 255, 255), Hair::Short,          Eyes::Round,
               Mouth::Smile};
      return p;
    }
    default: {  // the player, a girl
      Person p{QColor(230, 245, 255),
               QColor(150, 200, 240),
               kSkin,
               QColor(100, 60, 40),
               QColor(110, 70, 40),
               QColor(250, 200, 80),
               QColor(255, 255, 255),
               Hair::Bob,
               Eyes::Round,
               Mouth::Smile};
      p.hairpin = p.blush = true;
      return p;
    }
  }
}

QPainterPath FaceShape() {
  return Smooth({{50, 26}, {66, 32}, {69, 50}, {64, 66}, {50, 78}, {36, 66}, {31, 50}, {34, 32}});
}

void BackHair(QPainter& p, const Person& d) {
  const QColor h = d.hair;
  switch (d.hair_) {
    case Hair::TwinTails:
      for (int s : {-1, 1})
        Shape(p,
              Smooth({{50 + s * 16.0, 36},
                      {50 + s * 30.0, 44},
                      {50 + s * 34.0, 70},
                      {50 + s * 26.0, 86},
                      {50 + s * 22.0, 60}}),
              h, 1);
      break;
    case Hair::Ponytail:
      Shape(p, Smooth({{58, 24}, {78, 20}, {90, 36}, {86, 64}, {78, 46}, {66, 36}}), h, 1);
      break;
    case Hair::Long:
      Shape(p, Smooth({{50, 18}, {72, 28}, {76, 60}, {80, 100}, {20, 100}, {24, 60}, {28, 28}}), h,
            1);
      break;
    case Hair::Bob:
      Shape(p, Smooth({{50, 18}, {72, 30}, {74, 66}, {62, 72}, {38, 72}, {26, 66}, {28, 30}}), h,
            1);
      break;
    default:
      Shape(p, Smooth({{50, 18}, {70, 28}, {71, 50}, {29, 50}, {30, 28}}), h, 1);
  }
}

void FrontHair(QPainter& p, const Person& d) {
  const QColor h = d.hair;
  switch (d.hair_) {
    case Hair::Spiky:
      Shape(p,
            Poly({{30, 46},
                  {26, 30},
                  {32, 26},
                  {30, 12},
                  {42, 20},
                  {46, 6},
                  {54, 18},
                  {64, 8},
                  {64, 22},
                  {76, 20},
                  {70, 32},
                  {72, 46},
                  {64, 34},
                  {56, 38},
                  {50, 30},
                  {44, 38},
                  {38, 32}}),
            h, 1);
      break;
    case Hair::Messy:
      Shape(p,
            Smooth({{29, 48},
                    {28, 28},
                    {40, 16},
                    {58, 15},
                    {72, 26},
                    {72, 46},
                    {66, 34},
                    {60, 40},
                    {54, 32},
                    {46, 40},
                    {40, 32},
                    {34, 40}}),
            h, 1);
      Shape(p, Poly({{48, 16}, {44, 6}, {54, 14}}), h, 1);
      break;
    case Hair::Slick:
      Shape(p,
            Smooth({{31, 44},
                    {30, 28},
                    {42, 18},
                    {60, 18},
                    {70, 28},
                    {69, 44},
                    {64, 32},
                    {50, 28},
                    {40, 30},
                    {34, 36}}),
            h, 1);
      p.setPen(QPen(h.lighter(150), 0.8));
      for (int k = 0; k < 3; ++k) p.drawLine(QPointF(40 + k * 7, 22), QPointF(52 + k * 6, 28));
      break;
    case Hair::Long:
      Shape(p,
            Smooth({{30, 56},
                    {29, 30},
                    {40, 20},
                    {60, 20},
                    {71, 30},
                    {70, 56},
                    {66, 40},
                    {60, 36},
                    {50, 38},
                    {40, 36},
                    {34, 40}}),
            h, 1);
      break;
    case Hair::Bob:
      Shape(p,
            Smooth({{30, 60},
                    {29, 30},
                    {42, 20},
                    {60, 20},
                    {71, 30},
                    {70, 60},
                    {66, 44},
                    {62, 36},
                    {46, 40},
                    {36, 38},
                    {34, 46}}),
            h, 1);
      break;
    default:  // Short, TwinTails, Ponytail: soft bangs
      Shape(p,
            Smooth({{30, 50},
                    {29, 30},
                    {40, 19},
                    {60, 19},
                    {71, 30},
                    {70, 50},
                    {66, 38},
                    {58, 40},
                    {54, 33},
                    {46, 40},
                    {40, 34},
                    {34, 40}}),
            h, 1);
  }
  p.setPen(QPen(h.lighter(160), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(38, 22, 24, 12), 40 * 16, 100 * 16);  // shine
}

void DrawEyes(QPainter& p, const Person& d) {
  for (int s : {-1, 1}) {
    const QPointF c(50 + s * 8.5, 52);
    switch (d.eyes) {
      case Eyes::Happy:
        Curve(p, c + QPointF(-4, 1.5), c + QPointF(0, -5), c + QPointF(4, 1.5), 1.8, kInk);
        break;
      case Eyes::Narrow:
        Shape(p,
              Smooth({c + QPointF(-5, 0.5), c + QPointF(0, -2.2), c + QPointF(5, 0),
                      c + QPointF(0, 2.2)}),
              Qt::white, 0.8);
        Dot(p, c + QPointF(-s * 0.5, 0), 1.8, d.iris);
        Dot(p, c + QPointF(-s * 0.5, 0), 0.9, kInk);
        Line(p, c + QPointF(-5, -1), c + QPointF(5, -2), 1.4, kInk);
        break;
      default: {
        const double r = d.eyes == Eyes::Wide ? 5.0 : 4.5;
        Eye(p, c, r, d.iris);
        if (d.eyes == Eyes::Sharp) {  // the lid slants down toward the nose
          const double inner = -1.6, outer = -3.6;
          const double left = s < 0 ? outer : inner, right = s < 0 ? inner : outer;
          Shape(p,
                Poly({c + QPointF(-5.5, -7), c + QPointF(5.5, -7), c + QPointF(5.5, right),
                      c + QPointF(-5.5, left)}),
                d.skin, 0);
          Line(p, c + QPointF(-5, left), c + QPointF(5, right), 1.6, kInk);
        } else if (d.eyes == Eyes::Sad) {
          Shape(p,
                Poly({c + QPointF(-5.5, -5.5), c + QPointF(5.5, -5.5), c + QPointF(5.5, -2),
                      c + QPointF(-5.5, -2.5)}),
                d.skin, 0);
          Line(p, c + QPointF(-5, -2.5), c + QPointF(5, -2.5), 1.1, kInk);
        } else {
          Curve(p, c + QPointF(-4.6, -3), c + QPointF(0, -6.5), c + QPointF(4.6, -3), 1.3, kInk);
        }
      }
    }
    // Eyebrows say the mood.
    const QPointF b = c + QPointF(0, d.eyes == Eyes::Wide ? -10 : -8.5);
    if (d.eyes == Eyes::Sharp)  // inner ends low: fierce
      Line(p, b + QPointF(-s * 4, 1.5), b + QPointF(s * 4, -2), 1.6, d.hair.darker(150));
    else if (d.eyes == Eyes::Narrow)
      Line(p, b + QPointF(-s * 4, 0.5), b + QPointF(s * 4, -0.5), 1.4, d.hair.darker(150));
    else if (d.eyes == Eyes::Sad)
      Line(p, b + QPointF(-s * 4, -1.5), b + QPointF(s * 4, 1.5), 1, d.hair.darker(130));
    else
      Curve(p, b + QPointF(-4, 0.5), b + QPointF(0, -1.5), b + QPointF(4, 0.5), 1.1,
            d.hair.darker(140));
  }
}

void DrawMouth(QPainter& p, const Person& d) {
  const QPointF m(50, 67);
  switch (d.mouth) {
    case Mouth::Smile:
      Smile(p, m, 8, 3, QColor(170, 70, 70));
      break;
    case Mouth::Grin: {
      QPainterPath g;
      g.moveTo(m + QPointF(-6, -1));
      g.quadTo(m + QPointF(0, 8), m + QPointF(6, -1));
      g.closeSubpath();
      Shape(p, g, QColor(200, 70, 80), 0.8);
      Shape(p,
            Poly({m + QPointF(-5, -0.8), m + QPointF(5, -0.8), m + QPointF(4, 1),
                  m + QPointF(-4, 1)}),
            Qt::white, 0);
      break;
    }
    case Mouth::Open:
      Ball(p, m + QPointF(0, 1), 2.6, 3, QColor(190, 70, 80), 0.8);
      break;
    case Mouth::Smirk:
      Curve(p, m + QPointF(-5, 0.5), m + QPointF(1, 2), m + QPointF(6, -2), 1.3,
            QColor(150, 60, 60));
      break;
    case Mouth::Flat:
      Line(p, m + QPointF(-4.5, 0.5), m + QPointF(4.5, 0), 1.2, QColor(140, 80, 70));
      break;
    case Mouth::Small:
      Curve(p, m + QPointF(-2.5, 0.5), m + QPointF(0, 1.5), m + QPointF(2.5, 0.5), 1,
            QColor(160, 110, 140));
      break;
  }
}

void Body(QPainter& p, const Person& d) {
  Shape(p, Poly({{44, 70}, {56, 70}, {57, 84}, {43, 84}}), d.skin.darker(112), 0.8);  // neck
  const QPainterPath shoulders =
      Smooth({{50, 80}, {68, 80}, {84, 87}, {93, 104}, {7, 104}, {16, 87}, {32, 80}});
  Shape(p, shoulders, d.clothes, 1);
  // Collar.
  Shape(p, Poly({{40, 80}, {50, 92}, {60, 80}, {56, 78}, {50, 86}, {44, 78}}), d.trim, 0.8);
  if (d.tie) {
    Shape(p, Poly({{48, 86}, {52, 86}, {54, 100}, {50, 104}, {46, 100}}), QColor(160, 30, 40), 0.8);
    Shape(p, Poly({{38, 80}, {50, 96}, {62, 80}, {70, 84}, {56, 104}, {44, 104}, {30, 84}}),
          d.clothes, 1);
  }
}

}  // namespace

QImage MakePortrait(int who, int scale) {
  const Person d = Describe(who);
  QImage image(100 * scale, 100 * scale, QImage::Format_RGB32);
  QPainter p(&image);
  if (scale != 1) p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  // Ground.
  QLinearGradient bg(0, 0, 0, 100);
  bg.setColorAt(0, d.bgTop);
  bg.setColorAt(1, d.bgBottom);
  p.fillRect(QRect(0, 0, 100, 100), bg);
  Glow(p, {50, 40}, 46, QColor(255, 255, 255, d.ghost ? 40 : 90));
  if (d.flames) {
    Rng rng(3);
    for (int k = 0; k < 9; ++k)
      Flame(p, {rng.Range(0, 100), 102}, rng.Range(7, 12), rng.Range(30, 55),
            QColor(255, 120, 30, 170), QColor(255, 220, 90, 180));
  }
  if (d.ghost) {
    for (QPointF w : {QPointF(14, 24), QPointF(86, 40), QPointF(80, 14)}) {
      Glow(p, w, 8, QColor(150, 220, 255, 200));
      Dot(p, w, 2.5, QColor(230, 250, 255));
    }
  }
  // The person, back to front.
  if (d.ghost) p.setOpacity(0.95);
  BackHair(p, d);
  Body(p, d);
  for (int s : {-1, 1}) Ball(p, {50 + s * 19.0, 53}, 3.5, 5, d.skin, 0.8);  // ears
  QRadialGradient face(QPointF(46, 44), 40);
  face.setColorAt(0, d.skin.lighter(106));
  face.setColorAt(1, d.skin.darker(110));
  p.setBrush(face);
  p.setPen(QPen(Ink(d.skin), 1));
  p.drawPath(FaceShape());
  if (d.stubble) {
    p.setOpacity(0.25);
    Shape(p, Smooth({{36, 64}, {50, 70}, {64, 64}, {58, 76}, {50, 78}, {42, 76}}),
          QColor(90, 90, 100), 0);
    p.setOpacity(d.ghost ? 0.95 : 1);
  }
  DrawEyes(p, d);
  Line(p, {50, 58}, {49, 61}, 0.9, d.skin.darker(140));  // nose
  DrawMouth(p, d);
  if (d.blush)
    for (int s : {-1, 1}) Glow(p, {50 + s * 12.0, 61}, 4.5, QColor(255, 120, 140, 150));
  FrontHair(p, d);
  // Things they carry or wear.
  if (d.ribbons)
    for (int s : {-1, 1}) {
      const QPointF c(50 + s * 20.0, 34);
      Shape(p, Poly({c, c + QPointF(-6, -5), c + QPointF(-6, 5)}), QColor(240, 70, 120), 0.8);
      Shape(p, Poly({c, c + QPointF(6, -5), c + QPointF(6, 5)}), QColor(240, 70, 120), 0.8);
      Dot(p, c, 1.8, QColor(255, 150, 180));
    }
  if (d.hairpin) Star(p, {64, 32}, 4, QColor(255, 220, 60));
  if (d.glasses) {
    p.setPen(QPen(QColor(60, 60, 70), 1.3));
    p.setBrush(QColor(220, 240, 255, 50));
    for (int s : {-1, 1}) p.drawEllipse(QPointF(50 + s * 8.5, 52), 6, 5.5);
    p.drawLine(QPointF(47.5, 51), QPointF(52.5, 51));
  }
  if (d.cards) {
    for (int k = 0; k < 3; ++k) {
      p.save();
      p.translate(76, 96);
      p.rotate(-30 + k * 18);
      p.setPen(QPen(QColor(30, 30, 40), 0.8));
      p.setBrush(k == 1 ? QColor(220, 50, 50) : QColor(50, 90, 220));
      p.drawRoundedRect(QRectF(-6, -26, 12, 17), 2, 2);
      Star(p, {0, -17.5}, 3, QColor(255, 225, 100));
      p.restore();
    }
    Ball(p, {76, 92}, 5, 4, d.skin, 0.8);
  }
  if (d.cap) Shape(p, Smooth({{30, 30}, {50, 14}, {70, 30}}), d.clothes, 1);
  if (d.ghost) {  // she fades out below the shoulders
    p.setOpacity(1);
    QLinearGradient fade(0, 76, 0, 100);
    QColor clear = d.bgBottom;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, QColor(d.bgBottom.red(), d.bgBottom.green(), d.bgBottom.blue(), 235));
    p.fillRect(QRectF(0, 76, 100, 24), fade);
  }
  return image;
}

}  // namespace assetgen
