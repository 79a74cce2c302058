// Illustrations of cards 27 to 39: the arc cards, the great beasts and the four bomb cards.
// They stand in strong light with sparkles; the bomb cards burn on dark ground.
#include <cmath>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {
namespace {
using namespace kit;

const QColor kSkin(250, 214, 180), kBlack(30, 24, 24), kSteel(190, 198, 210), kGold(245, 205, 70);

void Radiant(QPainter& p, unsigned seed, const QColor& top, const QColor& bottom, QPointF centre,
             const QColor& glow) {
  Backdrop(p, top, bottom);
  Rays(p, centre, 16, QColor(255, 255, 255, 34));
  Glow(p, centre, 30, glow);
  Sparkles(p, seed, 6, QColor(255, 250, 210), QRectF(6, 6, 58, 58));
}

void Inferno(QPainter& p, unsigned seed, const QColor& top, const QColor& bottom) {
  Backdrop(p, top, bottom);
  Glow(p, {35, 70}, 46, QColor(255, 110, 20, 170));
  Rng rng(seed);
  for (int i = 0; i < 7; ++i)
    Flame(p, {rng.Range(4, 66), 71}, rng.Range(4, 7), rng.Range(10, 22), QColor(230, 70, 20, 200),
          QColor(255, 200, 60, 220));
  for (int i = 0; i < 10; ++i)
    Dot(p, {rng.Range(5, 65), rng.Range(8, 60)}, rng.Range(0.4, 0.9), QColor(255, 180, 80));
}

void Witch(QPainter& p) {  // 魔女
  Radiant(p, 27, QColor(40, 30, 80), QColor(120, 50, 120), {54, 14}, QColor(200, 160, 255, 120));
  Moon(p, {54, 14}, 8, QColor(55, 35, 90));
  // Riding a broom across the moon.
  Line(p, {6, 52}, {62, 42}, 2, QColor(130, 90, 50));
  Shape(p, Poly({{2, 48}, {12, 50}, {12, 55}, {2, 58}}), QColor(210, 180, 100), 0.6);
  Shape(p, Smooth({{24, 50}, {28, 36}, {36, 32}, {44, 36}, {46, 48}, {36, 52}}),
        QColor(80, 40, 120));
  Shape(p, Smooth({{29, 30}, {26, 40}, {22, 48}, {30, 42}, {31, 34}}), QColor(230, 90, 40), 0.6);
  Ball(p, {35, 27}, 6.5, 6.5, kSkin, 0.7);
  Shape(p, Poly({{22, 23}, {48, 23}, {43, 20}, {30, 1}, {29, 20}}), QColor(60, 35, 100));
  Line(p, {29, 20.5}, {43, 20.5}, 1.6, QColor(230, 190, 70));
  Eye(p, {32.5, 27.5}, 1.4, QColor(120, 40, 160));
  Eye(p, {37.5, 27.5}, 1.4, QColor(120, 40, 160));
  Smile(p, {35, 31}, 3, 1, QColor(150, 30, 60));
  Line(p, {44, 38}, {50, 44}, 2.2, QColor(80, 40, 120));
  Ball(p, {50, 45}, 1.8, 1.8, kSkin, 0.5);
  Line(p, {50, 45}, {58, 32}, 1, QColor(120, 80, 40));
  Star(p, {58, 31}, 3, QColor(255, 240, 150));
  Dot(p, {18, 58}, 1, QColor(255, 240, 160));
  Dot(p, {12, 62}, 0.8, QColor(255, 240, 160));
}

void Wyvern(QPainter& p) {  // ワイバーン
  Radiant(p, 28, QColor(150, 190, 230), QColor(200, 150, 110), {35, 35}, QColor(255, 240, 200, 90));
  const QColor scale(90, 130, 80);
  Wing(p, {32, 32}, 34, 205, scale.darker(110), false);
  Curve(p, {40, 44}, {58, 56}, {64, 44}, 3, scale);
  Shape(p, Poly({{64, 40}, {68, 45}, {62, 46}}), QColor(200, 60, 40), 0.5);
  Shape(p, Smooth({{28, 34}, {40, 32}, {46, 42}, {36, 50}, {26, 44}}), scale);
  Shape(p, Smooth({{28, 36}, {24, 24}, {22, 16}, {28, 12}, {32, 20}, {34, 34}}), scale);
  Shape(p, Smooth({{22, 14}, {12, 16}, {8, 20}, {20, 21}, {28, 17}}), scale);
  Shape(p, Poly({{24, 12}, {27, 5}, {28, 13}}), QColor(230, 220, 190), 0.5);
  Eye(p, {22, 15.5}, 1.3, QColor(250, 200, 30));
  Line(p, {32, 48}, {30, 56}, 1.5, scale.darker(120));
  Line(p, {40, 48}, {42, 56}, 1.5, scale.darker(120));
  Wing(p, {38, 34}, 30, -35, scale, false);
}

void Hydra(QPainter& p) {  // ヒドラ
  Radiant(p, 29, QColor(60, 110, 130), QColor(20, 60, 80), {35, 20}, QColor(150, 255, 220, 80));
  const QColor scale(60, 150, 120);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 130));
  p.drawRect(QRectF(0, 54, 70, 16));
  Shape(p, Smooth({{16, 60}, {24, 46}, {46, 46}, {54, 60}}), scale);
  const QPointF heads[5] = {{12, 24}, {22, 14}, {35, 10}, {48, 14}, {58, 24}};
  for (const QPointF& h : heads) {
    Curve(p, {35 + (h.x() - 35) * 0.3, 50}, {h.x(), 44}, h + QPointF(0, 4), 4.5, scale.darker(120));
    Curve(p, {35 + (h.x() - 35) * 0.3, 50}, {h.x(), 44}, h + QPointF(0, 4), 3, scale);
    Ball(p, h, 4.5, 3.6, scale, 0.6);
    Dot(p, h + QPointF(-1.5, -0.8), 0.9, QColor(250, 60, 40));
    Dot(p, h + QPointF(1.5, -0.8), 0.9, QColor(250, 60, 40));
    Line(p, h + QPointF(0, 3), h + QPointF(0, 6), 0.6, QColor(220, 40, 60));
  }
  p.setOpacity(0.5);
  for (int i = 0; i < 4; ++i)
    Curve(p, {6.0 + i * 16, 62}, {12.0 + i * 16, 59}, {18.0 + i * 16, 62}, 0.8, Qt::white);
  p.setOpacity(1);
}

void Reaper(QPainter& p) {  // 死神
  Radiant(p, 30, QColor(40, 40, 50), QColor(70, 30, 60), {35, 30}, QColor(150, 120, 255, 70));
  Line(p, {16, 66}, {22, 6}, 1.8, QColor(110, 80, 60));
  QPainterPath blade;
  blade.moveTo(22, 6);
  blade.cubicTo(34, 0, 52, 4, 60, 16);
  blade.cubicTo(50, 10, 36, 8, 22, 10);
  blade.closeSubpath();
  Shape(p, blade, QColor(210, 215, 230), 0.6);
  Shape(p, Smooth({{35, 14}, {48, 22}, {50, 46}, {58, 66}, {12, 66}, {20, 46}, {22, 22}}),
        QColor(30, 25, 40));
  Shape(p, Smooth({{28, 26}, {35, 20}, {42, 26}, {41, 36}, {35, 40}, {29, 36}}), QColor(15, 10, 20),
        0);
  Shape(p, Smooth({{30, 27}, {35, 23}, {40, 27}, {39, 34}, {35, 37}, {31, 34}}),
        QColor(230, 225, 210), 0.5);
  Dot(p, {33, 29}, 1.5, kBlack);
  Dot(p, {37, 29}, 1.5, kBlack);
  Dot(p, {33, 29}, 0.6, QColor(120, 220, 255));
  Dot(p, {37, 29}, 0.6, QColor(120, 220, 255));
  Line(p, {33, 34.5}, {37, 34.5}, 0.5, kBlack);
  Ball(p, {21, 42}, 2.6, 2.6, QColor(230, 225, 210), 0.5);
}

void FairyQueen(QPainter& p) {  // フェアリー
  Radiant(p, 31, QColor(40, 60, 120), QColor(120, 80, 170), {35, 32}, QColor(255, 230, 255, 170));
  for (int side : {-1, 1}) {
    p.save();
    p.translate(35, 32);
    p.scale(side, 1);
    p.setOpacity(0.85);
    Shape(p, Smooth({{2, -2}, {12, -22}, {28, -20}, {22, -4}}), QColor(250, 150, 220), 0.6);
    Shape(p, Smooth({{2, 2}, {20, 6}, {22, 20}, {8, 16}}), QColor(150, 200, 255), 0.6);
    p.setOpacity(1);
    Dot(p, {16, -12}, 2, QColor(255, 255, 200));
    Dot(p, {14, 10}, 1.5, QColor(255, 255, 200));
    p.restore();
  }
  Shape(p, Smooth({{35, 30}, {41, 40}, {46, 56}, {35, 54}, {24, 56}, {29, 40}}),
        QColor(200, 240, 255));
  Ball(p, {35, 24}, 6.5, 6.5, kSkin, 0.7);
  Shape(p, Smooth({{28, 24}, {29, 16}, {41, 16}, {42, 24}, {43, 36}, {40, 20}, {30, 20}, {27, 36}}),
        QColor(200, 230, 250), 0.6);
  Shape(p, Poly({{30, 17}, {31, 12}, {33, 15}, {35, 10}, {37, 15}, {39, 12}, {40, 17}}), kGold,
        0.5);
  Dot(p, {35, 14}, 0.9, QColor(230, 40, 90));
  Eye(p, {32.5, 25}, 1.4, QColor(150, 60, 200));
  Eye(p, {37.5, 25}, 1.4, QColor(150, 60, 200));
  Smile(p, {35, 28.5}, 2.6, 0.8, QColor(170, 60, 90));
}

void Hero(QPainter& p) {  // 勇者
  Radiant(p, 32, QColor(255, 230, 160), QColor(200, 110, 60), {52, 10}, QColor(255, 255, 210, 220));
  Shape(p, Smooth({{24, 40}, {14, 66}, {56, 66}, {46, 40}}), QColor(200, 30, 40));
  Shape(p, Poly({{24, 66}, {26, 40}, {44, 40}, {46, 66}}), QColor(60, 100, 210));
  Shape(p, Poly({{26, 46}, {44, 46}, {44, 50}, {26, 50}}), QColor(120, 80, 40), 0.5);
  Dot(p, {35, 48}, 1.5, kGold);
  Ball(p, {35, 30}, 8, 8, kSkin, 0.7);
  Shape(p,
        Smooth({{26, 31},
                {25, 20},
                {30, 16},
                {36, 15},
                {44, 19},
                {45, 30},
                {42, 23},
                {35, 22},
                {29, 24}}),
        QColor(110, 60, 30), 0.6);
  Shape(p, Poly({{28, 22}, {42, 22}, {41, 24.5}, {29, 24.5}}), kGold, 0.4);
  Dot(p, {35, 23}, 1.1, QColor(60, 160, 255));
  Eye(p, {31.5, 30}, 1.6, QColor(40, 80, 160));
  Eye(p, {38.5, 30}, 1.6, QColor(40, 80, 160));
  Smile(p, {35, 34}, 3.5, 1, QColor(150, 60, 50));
  Glow(p, {52, 10}, 12, QColor(255, 255, 255, 230));
  Sword(p, {48, 42}, {52, 4}, 3.4, QColor(235, 245, 255));
  Ball(p, {48, 42}, 2.6, 2.6, kSkin, 0.6);
}

void Pegasus(QPainter& p) {  // ペガサス
  Radiant(p, 33, QColor(70, 130, 220), QColor(230, 200, 230), {35, 30}, QColor(255, 255, 255, 90));
  for (QPointF c : {QPointF(10, 60), QPointF(60, 62)}) Ball(p, c, 13, 5, Qt::white, 0);
  const QColor white(250, 250, 255), shade(200, 210, 240);
  Wing(p, {38, 38}, 30, -75, shade, true);  // far wing
  for (double x : {24.0, 30.0, 44.0, 49.0}) {
    const QPointF hoof(x < 40 ? x - 7 : x + 3, x < 40 ? 57 : 58);
    Line(p, {x, 46}, hoof, 3.8, Ink(shade));
    Line(p, {x, 46}, hoof, 2.4, shade);
  }
  Curve(p, {52, 42}, {62, 42}, {62, 56}, 3, QColor(170, 190, 240));  // tail
  Shape(p, Smooth({{20, 40}, {34, 36}, {50, 38}, {54, 46}, {46, 50}, {24, 50}}), white);
  // Neck and head, looking left.
  Shape(p, Smooth({{20, 44}, {14, 34}, {12, 24}, {18, 18}, {26, 22}, {30, 38}}), white);
  Shape(p, Smooth({{16, 18}, {8, 24}, {6, 30}, {12, 31}, {20, 24}}), white);
  Shape(p, Poly({{18, 16}, {21, 10}, {23, 17}}), white, 0.8);          // ear
  Curve(p, {20, 16}, {30, 22}, {30, 36}, 2.4, QColor(150, 180, 250));  // mane
  Eye(p, {14, 23}, 1.3, QColor(60, 90, 200));
  Dot(p, {8, 29}, 0.7, QColor(120, 120, 150));
  Wing(p, {36, 38}, 32, -60, white, true);  // near wing
}

void Phoenix(QPainter& p) {  // フェニックス
  Inferno(p, 34, QColor(120, 20, 20), QColor(240, 140, 30));
  Glow(p, {35, 32}, 30, QColor(255, 230, 120, 200));
  const QColor fire(240, 90, 30), gold(255, 190, 50);
  Wing(p, {32, 32}, 32, 215, fire, true);
  Wing(p, {38, 32}, 32, -35, fire, true);
  Wing(p, {32, 34}, 22, 200, gold, true);
  Wing(p, {38, 34}, 22, -20, gold, true);
  for (int i = -1; i <= 1; ++i)
    Curve(p, {35, 44}, {35.0 + i * 10, 54}, {35.0 + i * 6, 66}, 2.2, i ? fire : gold);
  Shape(p, Smooth({{30, 30}, {35, 22}, {40, 30}, {38, 46}, {32, 46}}), gold);
  Ball(p, {35, 20}, 4.5, 4.5, gold, 0.6);
  Shape(p, Poly({{35, 20}, {39, 22}, {35, 24}}), QColor(240, 170, 40), 0.5);
  Dot(p, {34, 19}, 1, kBlack);
  Flame(p, {35, 17}, 3, 9, fire, gold);
}

void Dragon(QPainter& p) {  // ドラゴン
  Inferno(p, 35, QColor(80, 20, 30), QColor(200, 80, 30));
  const QColor scale(190, 40, 40);
  Wing(p, {40, 30}, 30, -50, scale.darker(130), false);
  Shape(p, Smooth({{40, 66}, {42, 46}, {40, 32}, {48, 28}, {56, 40}, {56, 66}}), scale);
  Shape(p, Smooth({{14, 30}, {20, 22}, {34, 18}, {46, 24}, {48, 34}, {36, 38}, {22, 38}, {14, 36}}),
        scale);
  for (double x : {24.0, 32.0, 40.0})
    Shape(p, Poly({{x, 20}, {x + 4, 12}, {x + 5, 20}}), QColor(240, 220, 180), 0.5);
  Shape(p, Smooth({{34, 19}, {40, 8}, {48, 4}, {44, 12}, {42, 20}}), QColor(240, 220, 180), 0.6);
  Eye(p, {33, 26}, 2, QColor(255, 220, 40));
  Line(p, {14, 34}, {32, 34}, 0.9, kBlack);
  Dot(p, {17, 28}, 0.9, kBlack);
  for (double x : {20.0, 25.0}) Shape(p, Poly({{x, 34}, {x + 2, 34}, {x + 1, 37}}), Qt::white, 0.3);
  Flame(p, {14, 35}, 6, 14, QColor(255, 120, 20), QColor(255, 240, 120));
  p.save();
  p.translate(14, 35);
  p.rotate(-90);
  Flame(p, {0, 0}, 7, 16, QColor(255, 120, 20, 220), QColor(255, 240, 140));
  p.restore();
}

void BombRock(QPainter& p) {  // 爆弾岩
  Inferno(p, 36, QColor(40, 30, 40), QColor(110, 50, 30));
  const QColor rock(120, 110, 105);
  Shape(p, Smooth({{14, 44}, {18, 28}, {30, 20}, {46, 22}, {56, 34}, {56, 52}, {44, 62}, {24, 62}}),
        rock, 1.2);
  Line(p, {20, 40}, {26, 44}, 0.7, rock.darker(170));
  Line(p, {46, 50}, {52, 46}, 0.7, rock.darker(170));
  Curve(p, {40, 22}, {46, 10}, {56, 10}, 1.5, QColor(80, 60, 40));
  Glow(p, {57, 9}, 7, QColor(255, 220, 80, 230));
  Star(p, {57, 9}, 4, QColor(255, 250, 200), 4);
  Line(p, {24, 33}, {32, 37}, 2, kBlack);
  Line(p, {46, 33}, {38, 37}, 2, kBlack);
  Eye(p, {29, 40}, 2.4, QColor(230, 40, 30));
  Eye(p, {41, 40}, 2.4, QColor(230, 40, 30));
  Shape(p, Smooth({{28, 49}, {35, 46}, {42, 49}, {40, 54}, {30, 54}}), QColor(60, 20, 20), 0.6);
  for (int i = 0; i < 4; ++i)
    Shape(p, Poly({{30.0 + i * 3, 48.5}, {32.5 + i * 3, 48}, {31.2 + i * 3, 50.5}}), Qt::white, 0);
}

void Wisp(QPainter& p) {  // ウィル・オ・ウィスプ
  Backdrop(p, QColor(10, 20, 40), QColor(30, 50, 60));
  for (double x : {8.0, 60.0, 50.0}) Line(p, {x, 70}, {x + 2, 40}, 2.5, QColor(20, 30, 30));
  Glow(p, {35, 36}, 32, QColor(80, 220, 255, 180));
  Rng rng(37);
  for (int i = 0; i < 5; ++i)
    Glow(p, {rng.Range(8, 62), rng.Range(10, 60)}, rng.Range(2, 4), QColor(170, 255, 255, 220));
  Shape(p, Smooth({{35, 12}, {42, 26}, {48, 40}, {44, 52}, {35, 56}, {26, 52}, {22, 40}, {28, 26}}),
        QColor(150, 240, 255), 0);
  Shape(p, Smooth({{35, 26}, {40, 36}, {42, 46}, {35, 51}, {28, 46}, {30, 36}}),
        QColor(235, 255, 255), 0);
  Dot(p, {31, 41}, 2, QColor(20, 60, 90));
  Dot(p, {39, 41}, 2, QColor(20, 60, 90));
  Ball(p, {35, 47}, 2, 1.6, QColor(20, 60, 90), 0);
  Ball(p, {35, 63}, 18, 3, QColor(30, 60, 60), 0);
}

void Behemoth(QPainter& p) {  // ベヒーモス
  Inferno(p, 38, QColor(40, 20, 60), QColor(120, 40, 60));
  const QColor hide(110, 60, 140);
  Shape(p, Smooth({{6, 66}, {8, 40}, {20, 24}, {50, 24}, {62, 40}, {64, 66}}), hide, 1.1);
  for (double s : {-1.0, 1.0})
    Shape(p,
          Smooth({{35 + s * 12, 22},
                  {35 + s * 24, 18},
                  {35 + s * 30, 4},
                  {35 + s * 22, 12},
                  {35 + s * 12, 14}}),
          QColor(235, 225, 190), 0.6);
  Ball(p, {35, 30}, 14, 12, hide.lighter(110));
  Eye(p, {28.5, 26}, 2.4, QColor(255, 210, 30));
  Eye(p, {41.5, 26}, 2.4, QColor(255, 210, 30));
  Line(p, {24, 22}, {31, 24}, 1.6, kBlack);
  Line(p, {46, 22}, {39, 24}, 1.6, kBlack);
  Shape(p, Smooth({{26, 36}, {35, 34}, {44, 36}, {42, 42}, {28, 42}}), QColor(60, 20, 40), 0.6);
  for (double s : {-1.0, 1.0})
    Shape(p, Poly({{35 + s * 6.0, 40}, {35 + s * 9.0, 40}, {35 + s * 10.0, 32}}),
          QColor(245, 240, 220), 0.5);
  for (double x : {12.0, 54.0})
    for (int k = 0; k < 3; ++k)
      Shape(p, Poly({{x + k * 2.5, 62}, {x + 1 + k * 2.5, 66}, {x + 2 + k * 2.5, 62}}), Qt::white,
            0.3);
}

void DemonLord(QPainter& p) {  // 魔王
  Inferno(p, 39, QColor(20, 0, 20), QColor(140, 20, 30));
  Glow(p, {35, 28}, 28, QColor(200, 30, 80, 130));
  Wing(p, {28, 36}, 28, 200, QColor(60, 20, 50), false);
  Wing(p, {42, 36}, 28, -20, QColor(60, 20, 50), false);
  Shape(p, Poly({{14, 66}, {22, 36}, {48, 36}, {56, 66}}), QColor(30, 20, 40));
  Shape(p, Poly({{22, 66}, {26, 38}, {35, 50}, {44, 38}, {48, 66}}), QColor(160, 20, 40));
  Shape(p, Poly({{30, 66}, {32, 44}, {38, 44}, {40, 66}}), QColor(40, 30, 50));
  for (double s : {-1.0, 1.0})
    Shape(p, Smooth({{35 + s * 6, 20}, {35 + s * 16, 14}, {35 + s * 18, 2}, {35 + s * 12, 14}}),
          QColor(230, 220, 200), 0.6);
  Ball(p, {35, 27}, 8, 9, QColor(170, 150, 190), 0.8);
  Shape(p, Poly({{27, 20}, {29, 12}, {32, 17}, {35, 9}, {38, 17}, {41, 12}, {43, 20}}), kGold, 0.6);
  Dot(p, {35, 16}, 1.1, QColor(220, 20, 40));
  Glow(p, {31.5, 27}, 3.5, QColor(255, 40, 40, 220));
  Glow(p, {38.5, 27}, 3.5, QColor(255, 40, 40, 220));
  Line(p, {30, 27}, {33, 27.5}, 1.3, QColor(255, 230, 120));
  Line(p, {40, 27}, {37, 27.5}, 1.3, QColor(255, 230, 120));
  Line(p, {31, 32.5}, {39, 32.5}, 0.9, kBlack);
  Shape(p, Poly({{32, 32.5}, {33, 32.5}, {32.5, 35}}), Qt::white, 0);
  Shape(p, Poly({{37, 32.5}, {38, 32.5}, {37.5, 35}}), Qt::white, 0);
}

}  // namespace

void DrawCardArtHigh(QPainter& p, int id, const QRectF&) {
  static void (*const kDraw[13])(QPainter&) = {Witch, Wyvern,   Hydra,    Reaper, FairyQueen,
                                               Hero,  Pegasus,  Phoenix,  Dragon, BombRock,
                                               Wisp,  Behemoth, DemonLord};
  kDraw[id - 27](p);
}

}  // namespace assetgen
