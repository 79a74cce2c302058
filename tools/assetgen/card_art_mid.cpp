// Illustrations of cards 14 to 26: the split and long-range cards. Their backgrounds carry
// faint rays of light.
#include <cmath>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {
namespace {
using namespace kit;

const QColor kSkin(250, 214, 180), kBlack(30, 24, 24), kSteel(190, 198, 210), kGold(240, 200, 70);

void Lit(QPainter& p, const QColor& top, const QColor& bottom, QPointF centre) {
  Backdrop(p, top, bottom);
  Rays(p, centre, 12, QColor(255, 255, 255, 28));
}

void Harpy(QPainter& p) {  // ハーピー
  Lit(p, QColor(150, 200, 250), QColor(230, 200, 170), {35, 30});
  const QColor feather(170, 110, 170);
  Wing(p, {30, 34}, 26, 200, feather, true);
  Wing(p, {40, 34}, 26, -20, feather, true);
  Shape(p, Smooth({{30, 34}, {40, 34}, {42, 48}, {35, 52}, {28, 48}}), feather.lighter(120));
  for (double s : {-1.0, 1.0}) {
    Line(p, {35 + s * 3.0, 51}, {35 + s * 4.0, 58}, 1.3, QColor(230, 170, 40));
    Line(p, {35 + s * 4.0, 58}, {35 + s * 6.0, 60}, 1, QColor(230, 170, 40));
    Line(p, {35 + s * 4.0, 58}, {35 + s * 2.5, 60.5}, 1, QColor(230, 170, 40));
  }
  Ball(p, {35, 26}, 7, 7, kSkin, 0.7);
  Shape(p, Smooth({{27, 30}, {27, 20}, {35, 16}, {43, 20}, {44, 32}, {40, 22}, {30, 22}}),
        QColor(120, 50, 110), 0.6);
  Eye(p, {32, 27}, 1.5, QColor(200, 40, 120));
  Eye(p, {38, 27}, 1.5, QColor(200, 40, 120));
  Smile(p, {35, 30.5}, 3, 0.8, QColor(160, 40, 60));
}

void WereCat(QPainter& p) {  // ワーキャット
  Lit(p, QColor(40, 40, 90), QColor(90, 60, 120), {52, 14});
  Moon(p, {52, 14}, 7, QColor(40, 40, 90));
  const QColor fur(230, 160, 70);
  Shape(p, Poly({{22, 64}, {25, 42}, {45, 42}, {48, 64}}), QColor(70, 50, 90));
  for (double s : {-1.0, 1.0})
    Shape(p, Poly({{35 + s * 3, 22}, {35 + s * 12, 12}, {35 + s * 11, 28}}), fur);
  Ball(p, {35, 31}, 11, 10, fur);
  Shape(p, Smooth({{29, 33}, {35, 31}, {41, 33}, {38, 39}, {32, 39}}), QColor(250, 230, 200), 0.5);
  for (double s : {-1.0, 1.0}) {
    Shape(p, Ellipse({35 + s * 5.0, 29}, 2.3, 2.6), QColor(150, 230, 80), 0.6);
    Line(p, {35 + s * 5.0, 27}, {35 + s * 5.0, 31}, 0.9, kBlack);
    Line(p, {35 + s * 4.0, 35}, {35 + s * 13.0, 33}, 0.5, kBlack);
    Line(p, {35 + s * 4.0, 36}, {35 + s * 13.0, 37}, 0.5, kBlack);
  }
  Shape(p, Poly({{33.5, 33}, {36.5, 33}, {35, 35}}), QColor(230, 110, 130), 0.4);
  for (int i = 0; i < 3; ++i) Line(p, {50.0 + i * 2, 44}, {53.0 + i * 2, 52}, 0.9, Qt::white);
  Ball(p, {50, 46}, 3, 3, fur, 0.6);
}

void Centaur(QPainter& p) {  // ケンタウロス
  Lit(p, QColor(190, 220, 250), QColor(120, 170, 100), {20, 20});
  Ground(p, 58, QColor(110, 160, 80));
  const QColor horse(150, 100, 60);
  for (double x : {22.0, 27.0, 46.0, 51.0}) Line(p, {x, 46}, {x, 60}, 2.4, horse.darker(110));
  Shape(p, Smooth({{18, 40}, {30, 36}, {50, 38}, {56, 44}, {50, 50}, {24, 50}}), horse);
  Curve(p, {18, 42}, {10, 46}, {12, 56}, 2.5, QColor(60, 40, 30));
  Shape(p, Smooth({{44, 40}, {42, 26}, {48, 22}, {54, 26}, {52, 40}}), kSkin);
  Shape(p, Smooth({{43, 40}, {42, 30}, {48, 27}, {54, 30}, {53, 40}}), QColor(60, 130, 70), 0.7);
  Line(p, {43, 28}, {53, 38}, 1.2, QColor(120, 80, 40));  // quiver strap
  Ball(p, {48, 17}, 5, 5, kSkin, 0.7);
  Shape(p, Smooth({{43, 17}, {44, 11}, {50, 10}, {54, 14}, {53, 22}, {50, 14}}), QColor(60, 40, 30),
        0.6);
  Dot(p, {50, 17}, 0.9, kBlack);
  p.setPen(QPen(QColor(120, 70, 30), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(52, 16, 12, 26), -90 * 16, 180 * 16);
  Line(p, {58, 17}, {58, 41}, 0.4, QColor(240, 240, 240));
  Line(p, {46, 30}, {60, 29}, 1.2, kSkin.darker(110));
}

void ElfArcher(QPainter& p) {  // エルフの弓兵
  Lit(p, QColor(170, 220, 170), QColor(40, 100, 60), {30, 30});
  for (double x : {10.0, 60.0}) Line(p, {x, 0}, {x, 70}, 5, QColor(70, 60, 40));
  Shape(p, Smooth({{22, 64}, {24, 40}, {35, 36}, {46, 40}, {48, 64}}), QColor(60, 140, 70));
  Ball(p, {33, 26}, 8, 8, kSkin, 0.7);
  Shape(p, Poly({{25, 26}, {16, 20}, {26, 30}}), kSkin, 0.6);
  Shape(p, Poly({{41, 26}, {50, 20}, {40, 30}}), kSkin, 0.6);
  Shape(p, Smooth({{24, 28}, {25, 16}, {33, 13}, {42, 17}, {42, 27}, {44, 40}, {38, 22}, {28, 22}}),
        QColor(250, 230, 140), 0.6);
  Eye(p, {30, 27}, 1.5, QColor(40, 140, 80));
  Eye(p, {36, 27}, 1.5, QColor(40, 140, 80));
  p.setPen(QPen(QColor(140, 90, 40), 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(40, 20, 16, 34), -80 * 16, 160 * 16);
  Line(p, {49, 21}, {49, 53}, 0.4, QColor(240, 240, 240));
  Line(p, {22, 37}, {58, 37}, 0.9, QColor(160, 120, 70));
  Shape(p, Poly({{58, 35}, {63, 37}, {58, 39}}), kSteel, 0.4);
}

void Minotaur(QPainter& p) {  // ミノタウロス
  Lit(p, QColor(220, 160, 110), QColor(120, 60, 40), {35, 30});
  const QColor hide(120, 70, 50);
  Shape(p, Poly({{14, 66}, {18, 44}, {52, 44}, {56, 66}}), hide.darker(110));
  for (double s : {-1.0, 1.0})
    Shape(p,
          Smooth({{35 + s * 8, 22},
                  {35 + s * 20, 20},
                  {35 + s * 25, 9},
                  {35 + s * 20, 16},
                  {35 + s * 12, 17}}),
          QColor(240, 230, 200), 0.6);
  Ball(p, {35, 30}, 12, 13, hide);
  Shape(p, Smooth({{28, 35}, {35, 32}, {42, 35}, {41, 43}, {29, 43}}), hide.lighter(140), 0.6);
  Dot(p, {32, 38}, 1.2, kBlack);
  Dot(p, {38, 38}, 1.2, kBlack);
  p.setPen(QPen(kGold, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(31.5, 39, 7, 7), 200 * 16, 140 * 16);
  Eye(p, {29.5, 27}, 1.8, QColor(230, 40, 30));
  Eye(p, {40.5, 27}, 1.8, QColor(230, 40, 30));
  Line(p, {10, 64}, {14, 20}, 2, QColor(100, 60, 30));
  Shape(p, Smooth({{14, 18}, {4, 22}, {5, 34}, {14, 30}}), kSteel);
  Shape(p, Smooth({{14, 18}, {22, 20}, {21, 31}, {14, 30}}), kSteel);
}

void Vampire(QPainter& p) {  // 吸血鬼
  Lit(p, QColor(30, 20, 50), QColor(90, 20, 40), {35, 30});
  Moon(p, {14, 14}, 6, QColor(30, 20, 50));
  for (QPointF b : {QPointF(54, 12), QPointF(60, 20)}) {
    Wing(p, b, 5, 200, QColor(20, 15, 25), false);
    Wing(p, b, 5, -20, QColor(20, 15, 25), false);
  }
  Shape(p, Poly({{12, 66}, {22, 30}, {35, 40}, {48, 30}, {58, 66}}), QColor(25, 20, 30));
  Shape(p, Poly({{20, 66}, {26, 36}, {35, 42}, {44, 36}, {50, 66}}), QColor(190, 20, 40));
  Shape(p, Poly({{28, 66}, {31, 40}, {39, 40}, {42, 66}}), QColor(40, 40, 50));
  Ball(p, {35, 27}, 8, 9, QColor(235, 230, 240), 0.7);
  Shape(p, Poly({{26, 26}, {28, 16}, {35, 22}, {42, 16}, {44, 26}, {42, 20}, {35, 25}, {28, 20}}),
        QColor(30, 25, 35), 0.6);
  Eye(p, {31.5, 27.5}, 1.5, QColor(220, 20, 40));
  Eye(p, {38.5, 27.5}, 1.5, QColor(220, 20, 40));
  Line(p, {32, 32.5}, {38, 32.5}, 0.8, QColor(120, 20, 30));
  Shape(p, Poly({{33, 32.5}, {34, 32.5}, {33.5, 35}}), Qt::white, 0);
  Shape(p, Poly({{36, 32.5}, {37, 32.5}, {36.5, 35}}), Qt::white, 0);
}

void Wizard(QPainter& p) {  // 魔法使い
  Lit(p, QColor(60, 50, 130), QColor(30, 20, 70), {54, 18});
  Sparkles(p, 20, 7, QColor(255, 250, 200), QRectF(8, 8, 54, 30));
  Shape(p, Smooth({{35, 32}, {48, 42}, {50, 66}, {20, 66}, {22, 42}}), QColor(70, 60, 170));
  Ball(p, {33, 30}, 7, 7, kSkin, 0.7);
  Shape(p, Smooth({{26, 31}, {33, 34}, {40, 31}, {39, 44}, {33, 54}, {27, 44}}),
        QColor(235, 235, 240), 0.6);
  Shape(p, Poly({{20, 26}, {46, 26}, {42, 23}, {36, 4}, {24, 23}}), QColor(80, 60, 180));
  Star(p, {33, 16}, 2.6, kGold);
  Star(p, {38, 21}, 1.6, kGold);
  Line(p, {18, 26}, {48, 26}, 2, QColor(60, 40, 150));
  Dot(p, {30.5, 30}, 0.9, kBlack);
  Dot(p, {35.5, 30}, 0.9, kBlack);
  Line(p, {52, 66}, {54, 22}, 1.8, QColor(130, 90, 50));
  Glow(p, {54, 18}, 9, QColor(140, 220, 255, 210));
  Ball(p, {54, 18}, 3.6, 3.6, QColor(120, 200, 255), 0.6);
}

void Troll(QPainter& p) {  // トロール
  Lit(p, QColor(150, 170, 150), QColor(70, 80, 70), {35, 25});
  const QColor hide(120, 140, 120);
  Shape(p, Smooth({{12, 66}, {14, 40}, {24, 30}, {46, 30}, {56, 40}, {58, 66}}), hide);
  Shape(p, Poly({{20, 52}, {50, 52}, {52, 66}, {18, 66}}), QColor(120, 90, 60));
  Ball(p, {35, 26}, 9, 8, hide);
  Ball(p, {35, 28}, 3.5, 4, hide.lighter(110), 0.6);
  Dot(p, {31, 24}, 1.3, QColor(240, 220, 40));
  Dot(p, {39, 24}, 1.3, QColor(240, 220, 40));
  Line(p, {28, 21}, {33, 22}, 1.4, kBlack);
  Line(p, {42, 21}, {37, 22}, 1.4, kBlack);
  Curve(p, {30, 33}, {35, 31}, {40, 33}, 1, kBlack);
  Shape(p, Smooth({{50, 64}, {54, 40}, {60, 24}, {66, 26}, {62, 42}, {56, 64}}),
        QColor(130, 90, 50));
  Ball(p, {52, 50}, 4, 4, hide, 0.7);
}

void Griffin(QPainter& p) {  // グリフォン
  Lit(p, QColor(120, 180, 240), QColor(230, 210, 160), {35, 35});
  const QColor lion(210, 160, 80), eagle(245, 245, 240);
  Wing(p, {30, 36}, 30, 210, QColor(170, 120, 60), true);
  Shape(p, Smooth({{22, 40}, {40, 36}, {54, 42}, {52, 54}, {26, 54}}), lion);
  for (double x : {28.0, 48.0}) Line(p, {x, 52}, {x, 62}, 2.5, lion.darker(110));
  Curve(p, {52, 46}, {62, 48}, {60, 58}, 1.5, lion.darker(120));
  Shape(p, Smooth({{16, 38}, {20, 24}, {28, 18}, {34, 22}, {32, 40}}), eagle);
  Shape(p, Poly({{18, 24}, {10, 27}, {17, 31}}), QColor(240, 190, 40), 0.6);
  Eye(p, {24, 25}, 1.6, QColor(230, 150, 20));
  Wing(p, {36, 38}, 30, -40, QColor(190, 140, 70), true);
}

void Unicorn(QPainter& p) {  // ユニコーン
  Lit(p, QColor(250, 220, 240), QColor(170, 160, 230), {35, 20});
  Sparkles(p, 23, 8, QColor(255, 255, 255), QRectF(6, 6, 58, 50));
  const QColor white(250, 250, 255);
  Shape(p,
        Smooth({{30, 66},
                {28, 46},
                {22, 34},
                {16, 30},
                {14, 24},
                {22, 18},
                {34, 18},
                {44, 30},
                {50, 48},
                {52, 66}}),
        white);
  Shape(p, Poly({{28, 19}, {40, 2}, {33, 20}}), kGold, 0.6);
  Line(p, {31, 16}, {35, 14}, 0.5, QColor(180, 130, 30));
  Line(p, {34, 11}, {37, 9}, 0.5, QColor(180, 130, 30));
  const QColor mane[4] = {QColor(250, 120, 170), QColor(170, 130, 250), QColor(120, 200, 250),
                          QColor(250, 200, 120)};
  for (int i = 0; i < 4; ++i)
    Shape(p,
          Smooth({{36.0 + i * 3, 18.0 + i * 9},
                  {46.0 + i * 3, 22.0 + i * 9},
                  {50.0 + i * 3, 32.0 + i * 9},
                  {42.0 + i * 3, 26.0 + i * 9}}),
          mane[i], 0.5);
  Eye(p, {25, 24}, 1.7, QColor(120, 80, 200));
  Dot(p, {16, 28}, 0.8, QColor(150, 140, 160));
}

void General(QPainter& p) {  // ジェネラル
  Lit(p, QColor(200, 180, 150), QColor(100, 70, 60), {35, 30});
  Line(p, {12, 66}, {12, 6}, 1.5, QColor(110, 80, 50));
  Shape(p, Poly({{13, 7}, {28, 10}, {13, 20}}), QColor(30, 80, 180), 0.6);
  Shape(p, Poly({{18, 66}, {22, 38}, {48, 38}, {52, 66}}), QColor(180, 30, 40));
  Shape(p, Poly({{24, 66}, {26, 40}, {44, 40}, {46, 66}}), QColor(150, 150, 165));
  for (double s : {-1.0, 1.0})
    Shape(p, Smooth({{35 + s * 6, 38}, {35 + s * 16, 36}, {35 + s * 16, 44}}), kGold, 0.6);
  Ball(p, {35, 28}, 8, 8.5, kSkin, 0.7);
  Shape(p, Smooth({{26, 24}, {28, 14}, {42, 14}, {44, 24}}), QColor(150, 150, 165));
  Shape(p, Poly({{33, 14}, {35, 4}, {37, 14}}), kGold, 0.5);
  Shape(p, Smooth({{29, 32}, {35, 31}, {41, 32}, {39, 34}, {35, 33}, {31, 34}}),
        QColor(120, 110, 100), 0.5);
  Line(p, {30, 26.5}, {33, 27.5}, 1.1, kBlack);
  Line(p, {40, 26.5}, {37, 27.5}, 1.1, kBlack);
  Sword(p, {46, 46}, {62, 16}, 3, QColor(225, 230, 240));
  for (int i = 0; i < 3; ++i) Star(p, {28.0 + i * 3, 46}, 1.2, kGold);
}

void Cyclops(QPainter& p) {  // サイクロプス
  Lit(p, QColor(200, 210, 180), QColor(110, 110, 80), {35, 30});
  const QColor skin(190, 160, 130);
  Shape(p, Smooth({{10, 66}, {12, 46}, {22, 38}, {48, 38}, {58, 46}, {60, 66}}), skin);
  Shape(p, Poly({{18, 54}, {52, 54}, {54, 66}, {16, 66}}), QColor(110, 80, 50));
  Ball(p, {35, 28}, 13, 13, skin);
  Shape(p, Poly({{32, 16}, {35, 6}, {38, 16}}), QColor(240, 230, 200), 0.6);
  Eye(p, {35, 26}, 5, QColor(200, 60, 20));
  Line(p, {28, 19.5}, {42, 19.5}, 1.6, kBlack);
  Line(p, {28, 35}, {42, 35}, 1.2, kBlack);
  Shape(p, Poly({{30, 35}, {32, 35}, {31, 38}}), Qt::white, 0.4);
  Shape(p, Poly({{38, 35}, {40, 35}, {39, 38}}), Qt::white, 0.4);
}

void Paladin(QPainter& p) {  // 聖騎士
  Lit(p, QColor(255, 250, 220), QColor(200, 190, 140), {35, 26});
  Glow(p, {35, 26}, 30, QColor(255, 255, 230, 230));
  for (double s : {-1.0, 1.0})
    Wing(p, {35 + s * 6.0, 38}, 24, s > 0 ? -30 : 210, QColor(250, 250, 255), true);
  Shape(p, Poly({{22, 66}, {25, 38}, {45, 38}, {48, 66}}), QColor(230, 232, 240));
  Shape(p, Poly({{31, 40}, {39, 40}, {39, 66}, {31, 66}}), QColor(60, 90, 200), 0.5);
  Line(p, {35, 44}, {35, 56}, 1.8, kGold);
  Line(p, {31, 48}, {39, 48}, 1.8, kGold);
  Shape(p, Smooth({{26, 30}, {27, 16}, {35, 12}, {43, 16}, {44, 30}, {42, 38}, {28, 38}}),
        QColor(235, 235, 245));
  Shape(p, Poly({{28, 25}, {42, 25}, {42, 27.5}, {28, 27.5}}), QColor(40, 40, 60), 0);
  Line(p, {35, 12}, {35, 22}, 1.4, kGold);
  p.setPen(QPen(kGold, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(35, 8), 7, 2);
  Sword(p, {50, 56}, {58, 14}, 3, QColor(240, 245, 255));
  Glow(p, {57, 20}, 7, QColor(255, 255, 220, 200));
}

}  // namespace

void DrawCardArtMid(QPainter& p, int id, const QRectF&) {
  static void (*const kDraw[13])(QPainter&) = {Harpy,   WereCat, Centaur, ElfArcher, Minotaur,
                                               Vampire, Wizard,  Troll,   Griffin,   Unicorn,
                                               General, Cyclops, Paladin};
  kDraw[id - 14](p);
}

}  // namespace assetgen
