// Illustrations of cards 0 to 13: the common creatures and people, soft backgrounds and plain
// frames. Stronger cards (card_art_mid.cpp, card_art_high.cpp) get richer light and ornament.
#include <cmath>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/card_art_kit.h"

namespace assetgen {
namespace {
using namespace kit;

const QColor kSkin(250, 214, 180), kBlack(30, 24, 24), kSteel(190, 198, 210);

void Fairy(QPainter& p) {  // 妖精
  Backdrop(p, QColor(200, 240, 210), QColor(110, 190, 120));
  Glow(p, {35, 33}, 26, QColor(255, 255, 220, 200));
  for (int side : {-1, 1}) {
    p.save();
    p.translate(35, 33);
    p.scale(side, 1);
    p.setOpacity(0.75);
    Shape(p, Smooth({{2, 0}, {14, -16}, {22, -12}, {16, -2}}), QColor(170, 230, 255), 0.6);
    Shape(p, Smooth({{2, 2}, {14, 14}, {10, 18}, {3, 8}}), QColor(190, 220, 255), 0.6);
    p.restore();
  }
  Shape(p, Poly({{35, 30}, {44, 50}, {26, 50}}), QColor(250, 150, 190));
  Ball(p, {35, 24}, 7, 7, kSkin, 0.7);
  Shape(p, Smooth({{27, 24}, {29, 15}, {38, 14}, {43, 20}, {44, 27}, {40, 20}, {31, 19}}),
        QColor(250, 220, 90), 0.6);
  Eye(p, {32.5, 25}, 1.4, QColor(60, 140, 60));
  Eye(p, {37.5, 25}, 1.4, QColor(60, 140, 60));
  Smile(p, {35, 28.5}, 3, 1.2, QColor(170, 60, 60));
  Line(p, {44, 36}, {50, 30}, 0.8, QColor(140, 90, 40));
  Star(p, {51, 29}, 3, QColor(255, 250, 150));
  Sparkles(p, 0, 8, QColor(255, 255, 230), QRectF(10, 10, 50, 45));
}

void Slime(QPainter& p) {  // スライム
  Backdrop(p, QColor(170, 215, 245), QColor(90, 150, 110));
  Ground(p, 52, QColor(100, 160, 80));
  Shape(p, Smooth({{35, 14}, {44, 28}, {54, 40}, {52, 52}, {35, 55}, {18, 52}, {16, 40}, {26, 28}}),
        QColor(60, 140, 235), 1.0);
  p.setOpacity(0.7);
  Dot(p, {27, 33}, 3, Qt::white);
  Dot(p, {31, 25}, 1.5, Qt::white);
  p.setOpacity(1);
  Eye(p, {30, 41}, 2.6, QColor(20, 30, 80));
  Eye(p, {40, 41}, 2.6, QColor(20, 30, 80));
  Smile(p, {35, 47}, 8, 3, QColor(20, 30, 90));
}

void Goblin(QPainter& p) {  // ゴブリン
  Backdrop(p, QColor(210, 190, 150), QColor(120, 100, 70));
  const QColor green(120, 170, 70);
  Torso(p, 35, 40, 26, QColor(130, 90, 50));
  Line(p, {31, 46}, {31, 60}, 0.8, QColor(90, 60, 30));  // rope belt and tunic seam
  Line(p, {44, 46}, {51, 50}, 3, green);                 // arm to the club
  for (double s : {-1.0, 1.0})
    Shape(p, Poly({{35 + s * 8, 26}, {35 + s * 22, 18}, {35 + s * 10, 32}}), green);
  Ball(p, {35, 30}, 11, 11, green);
  Shape(p, Poly({{33, 30}, {37, 30}, {35, 37}}), green.darker(120), 0.6);
  Eye(p, {30, 27}, 2.4, QColor(230, 200, 30));
  Eye(p, {40, 27}, 2.4, QColor(230, 200, 30));
  Line(p, {29, 38}, {41, 38}, 1, kBlack);
  Dot(p, {32, 38.7}, 0.8, Qt::white);
  Dot(p, {38, 38.7}, 0.8, Qt::white);
  Line(p, {50, 58}, {56, 36}, 3, QColor(110, 70, 30));
  Ball(p, {56, 35}, 4, 4, QColor(120, 80, 40));
  Ball(p, {52, 50}, 2.4, 2.4, green, 0.6);
}

void ManEater(QPainter& p) {  // マンイーター
  Backdrop(p, QColor(60, 110, 70), QColor(30, 60, 40));
  Curve(p, {35, 68}, {28, 55}, {35, 44}, 3, QColor(60, 150, 60));
  for (double s : {-1.0, 1.0})
    Shape(p, Smooth({{35, 58}, {35 + s * 14, 50}, {35 + s * 24, 54}, {35 + s * 14, 60}}),
          QColor(70, 170, 70));
  // Open jaws with teeth.
  Shape(p, Smooth({{16, 30}, {26, 14}, {44, 14}, {54, 30}, {35, 26}}), QColor(210, 40, 60));
  Shape(p, Smooth({{18, 33}, {35, 30}, {52, 33}, {44, 46}, {26, 46}}), QColor(200, 30, 50));
  Shape(p, Smooth({{22, 30}, {35, 26}, {48, 30}, {35, 36}}), QColor(90, 10, 30), 0);
  for (int i = 0; i < 5; ++i) {
    const double x = 24 + i * 5.5;
    Shape(p, Poly({{x, 27.5}, {x + 2.5, 27.3}, {x + 1.2, 31}}), Qt::white, 0.3);
    Shape(p, Poly({{x, 33.5}, {x + 2.5, 33.5}, {x + 1.2, 30.5}}), Qt::white, 0.3);
  }
  for (QPointF d : {QPointF(26, 19), QPointF(35, 17), QPointF(44, 19), QPointF(30, 42)})
    Dot(p, d, 1.3, QColor(250, 240, 120));
}

void Kobold(QPainter& p) {  // コボルト
  Backdrop(p, QColor(230, 200, 160), QColor(150, 110, 80));
  Ground(p, 56, QColor(130, 110, 70));
  const QColor fur(170, 120, 70);
  Line(p, {48, 60}, {52, 14}, 1.6, QColor(110, 70, 30));
  Shape(p, Poly({{52, 8}, {54.5, 15}, {49.5, 15}}), kSteel, 0.6);
  Torso(p, 35, 38, 22, QColor(120, 90, 150));
  for (double s : {-1.0, 1.0})
    Shape(p, Poly({{35 + s * 4, 22}, {35 + s * 12, 10}, {35 + s * 11, 26}}), fur);
  Ball(p, {35, 29}, 10, 9, fur);
  Shape(p, Smooth({{31, 30}, {35, 28}, {39, 30}, {37, 37}, {33, 37}}), fur.lighter(130), 0.6);
  Dot(p, {35, 30.5}, 1.6, kBlack);
  Eye(p, {30.5, 26}, 1.8, QColor(60, 30, 10));
  Eye(p, {39.5, 26}, 1.8, QColor(60, 30, 10));
  Line(p, {49, 44}, {43, 46}, 2.4, fur);
}

void Thief(QPainter& p) {  // 盗賊
  Backdrop(p, QColor(50, 50, 80), QColor(20, 20, 40));
  Moon(p, {54, 16}, 6, QColor(50, 50, 80));
  const QColor cloak(70, 60, 80);
  Shape(p, Smooth({{35, 12}, {48, 22}, {50, 44}, {56, 62}, {35, 60}, {14, 62}, {20, 44}, {22, 22}}),
        cloak);
  Shape(p, Smooth({{28, 28}, {35, 22}, {42, 28}, {41, 38}, {35, 41}, {29, 38}}), kSkin.darker(210),
        0.6);
  Shape(p, Poly({{28, 33}, {42, 33}, {40, 40}, {35, 42}, {30, 40}}), QColor(40, 40, 50), 0.5);
  for (double x : {31.5, 38.5}) {  // eyes glinting in the hood's shadow
    Shape(p, Ellipse({x, 29.5}, 2.2, 1.2), QColor(255, 215, 70), 0.5);
    Dot(p, {x, 29.5}, 0.7, kBlack);
  }
  Line(p, {22, 52}, {14, 40}, 2, QColor(220, 225, 235));
  Line(p, {23, 53}, {21, 50}, 2.5, QColor(100, 60, 30));
  Star(p, {15, 41}, 3, Qt::white, 4);
  Shape(p, Smooth({{44, 50}, {52, 47}, {55, 55}, {47, 58}}), QColor(160, 120, 60), 0.7);
  Dot(p, {49.5, 52}, 1.2, QColor(250, 220, 60));
}

void Orc(QPainter& p) {  // オーク
  Backdrop(p, QColor(180, 150, 120), QColor(90, 60, 50));
  const QColor skin(110, 140, 90);
  Torso(p, 35, 42, 40, QColor(110, 80, 60));
  for (double s : {-1.0, 1.0})
    Ball(p, {35 + s * 17.0, 48}, 6, 4.5, QColor(130, 130, 140));  // pauldrons
  Ball(p, {35, 31}, 14, 13, skin);
  Shape(p, Smooth({{21, 26}, {25, 14}, {35, 11}, {45, 14}, {49, 26}, {35, 22}}),
        QColor(120, 120, 130));
  Line(p, {35, 11}, {35, 22}, 1.2, QColor(80, 80, 90));
  Eye(p, {29, 29}, 2.2, QColor(200, 40, 30));
  Eye(p, {41, 29}, 2.2, QColor(200, 40, 30));
  Line(p, {26, 25.5}, {32, 27}, 1.4, kBlack);
  Line(p, {44, 25.5}, {38, 27}, 1.4, kBlack);
  Shape(p, Smooth({{31, 33}, {35, 31}, {39, 33}, {37, 37}, {33, 37}}), skin.darker(120), 0.6);
  Line(p, {28, 40}, {42, 40}, 1.2, kBlack);
  for (double s : {-1.0, 1.0})
    Shape(p, Poly({{35 + s * 4.5, 40.5}, {35 + s * 6.5, 40.5}, {35 + s * 5.5, 34}}),
          QColor(250, 245, 220), 0.5);
  Line(p, {56, 62}, {58, 24}, 2, QColor(110, 70, 30));
  Shape(p, Smooth({{58, 22}, {66, 24}, {66, 36}, {58, 34}}), kSteel);
}

void Priest(QPainter& p) {  // 僧侶
  Backdrop(p, QColor(235, 235, 250), QColor(170, 180, 220));
  Glow(p, {35, 24}, 22, QColor(255, 250, 200, 220));
  Shape(p, Smooth({{35, 30}, {48, 40}, {52, 64}, {18, 64}, {22, 40}}), QColor(245, 245, 250));
  Shape(p, Poly({{32, 34}, {38, 34}, {38, 64}, {32, 64}}), QColor(70, 110, 200), 0.5);
  Line(p, {35, 40}, {35, 50}, 1.6, QColor(240, 200, 60));
  Line(p, {31, 44}, {39, 44}, 1.6, QColor(240, 200, 60));
  Ball(p, {35, 24}, 7.5, 7.5, kSkin, 0.7);
  Shape(p, Smooth({{27, 24}, {29, 15}, {41, 15}, {43, 24}, {40, 19}, {30, 19}}),
        QColor(110, 80, 50), 0.6);
  Curve(p, {31, 25}, {32.5, 26.5}, {34, 25}, 0.8, kBlack);
  Curve(p, {36, 25}, {37.5, 26.5}, {39, 25}, 0.8, kBlack);
  Smile(p, {35, 28.5}, 3, 1, QColor(170, 80, 70));
  Line(p, {53, 64}, {53, 18}, 1.6, QColor(150, 110, 60));
  p.setPen(QPen(QColor(240, 200, 60), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(53, 15), 4, 4);
  Dot(p, {53, 15}, 1.6, QColor(120, 200, 255));
}

void Apprentice(QPainter& p) {  // 見習い剣士
  Backdrop(p, QColor(180, 220, 250), QColor(120, 180, 110));
  Ground(p, 56, QColor(110, 170, 80));
  Shape(p, Poly({{24, 62}, {27, 38}, {43, 38}, {46, 62}}), QColor(60, 120, 200));
  Shape(p, Poly({{27, 44}, {43, 44}, {43, 48}, {27, 48}}), QColor(130, 90, 50), 0.5);
  Ball(p, {35, 27}, 8.5, 8.5, kSkin, 0.7);
  Shape(p, Smooth({{26, 27}, {26, 18}, {35, 15}, {44, 18}, {44, 27}, {40, 21}, {30, 21}}),
        QColor(90, 60, 40), 0.6);
  Shape(p, Poly({{26, 21}, {44, 21}, {44, 23.5}, {26, 23.5}}), QColor(220, 40, 40), 0.4);
  Line(p, {26, 22}, {20, 26}, 1.5, QColor(220, 40, 40));
  Eye(p, {31.5, 28}, 1.6, QColor(60, 40, 20));
  Eye(p, {38.5, 28}, 1.6, QColor(60, 40, 20));
  Smile(p, {35, 32}, 4, 1.5, QColor(150, 60, 50));
  Sword(p, {48, 48}, {58, 16}, 3, QColor(215, 220, 230));
  Ball(p, {47, 48}, 2.6, 2.6, kSkin, 0.6);
}

void Skeleton(QPainter& p) {  // スケルトン
  Backdrop(p, QColor(70, 60, 90), QColor(25, 20, 35));
  const QColor bone(235, 230, 210);
  for (int i = 0; i < 4; ++i)
    Curve(p, {26, 44.0 + i * 4}, {35, 47.0 + i * 4}, {44, 44.0 + i * 4}, 1.6, bone);
  Line(p, {35, 38}, {35, 62}, 2, bone);
  Line(p, {26, 41}, {18, 54}, 1.6, bone);
  Line(p, {44, 41}, {52, 30}, 1.6, bone);
  Sword(p, {52, 32}, {60, 8}, 2.6, QColor(160, 150, 140));
  Shape(p, Smooth({{25, 24}, {28, 14}, {42, 14}, {45, 24}, {42, 32}, {40, 38}, {30, 38}, {28, 32}}),
        bone);
  Dot(p, {30.5, 25}, 3.3, kBlack);
  Dot(p, {39.5, 25}, 3.3, kBlack);
  Dot(p, {30.5, 25}, 1, QColor(255, 80, 60));
  Dot(p, {39.5, 25}, 1, QColor(255, 80, 60));
  Shape(p, Poly({{35, 28}, {36.5, 32}, {33.5, 32}}), kBlack, 0);
  for (int i = 0; i < 4; ++i) Line(p, {31.0 + i * 2.7, 34.5}, {31.0 + i * 2.7, 37.5}, 0.6, kBlack);
}

void Knight(QPainter& p) {  // ナイト
  Backdrop(p, QColor(170, 200, 240), QColor(80, 110, 160));
  Shape(p, Poly({{20, 64}, {23, 40}, {47, 40}, {50, 64}}), kSteel);
  Shape(p, Smooth({{25, 30}, {26, 16}, {35, 12}, {44, 16}, {45, 30}, {43, 40}, {27, 40}}), kSteel);
  Shape(p, Poly({{27, 25}, {43, 25}, {43, 28}, {27, 28}}), QColor(30, 30, 40), 0);
  Line(p, {35, 28}, {35, 39}, 1.2, QColor(120, 125, 140));
  Shape(p, Smooth({{35, 12}, {40, 4}, {50, 6}, {44, 12}, {38, 14}}), QColor(220, 40, 50));
  // Shield with a lion-yellow cross.
  Shape(p, Smooth({{10, 38}, {24, 36}, {25, 50}, {17, 62}, {9, 50}}), QColor(40, 70, 170));
  Line(p, {17, 40}, {17, 57}, 2, QColor(240, 200, 60));
  Line(p, {11, 46}, {23, 46}, 2, QColor(240, 200, 60));
  Line(p, {52, 66}, {62, 8}, 2.2, QColor(160, 120, 70));
  Shape(p, Poly({{62, 3}, {64.5, 12}, {59.5, 11}}), kSteel, 0.6);
}

void Golem(QPainter& p) {  // ゴーレム
  Backdrop(p, QColor(190, 180, 160), QColor(110, 100, 90));
  const QColor stone(150, 140, 125);
  Shape(p, Poly({{14, 40}, {22, 34}, {24, 56}, {14, 58}}), stone);
  Shape(p, Poly({{56, 40}, {48, 34}, {46, 56}, {56, 58}}), stone);
  Shape(p, Poly({{20, 30}, {50, 30}, {52, 56}, {18, 56}}), stone);
  Shape(p, Poly({{22, 56}, {32, 56}, {31, 66}, {21, 66}}), stone.darker(110));
  Shape(p, Poly({{38, 56}, {48, 56}, {49, 66}, {39, 66}}), stone.darker(110));
  Shape(p, Poly({{27, 14}, {43, 14}, {44, 30}, {26, 30}}), stone.lighter(110));
  Line(p, {24, 42}, {34, 46}, 0.6, stone.darker(170));
  Line(p, {40, 36}, {46, 50}, 0.6, stone.darker(170));
  for (double x : {31.0, 39.0}) {
    Glow(p, {x, 21}, 4, QColor(120, 240, 255, 200));
    Dot(p, {x, 21}, 1.5, QColor(220, 255, 255));
  }
  Line(p, {30, 26}, {40, 26}, 1, stone.darker(180));
  Glow(p, {35, 43}, 4, QColor(120, 240, 255, 160));
  Star(p, {35, 43}, 2.5, QColor(200, 255, 255), 4);
}

void Lizardman(QPainter& p) {  // リザードマン
  Backdrop(p, QColor(180, 220, 200), QColor(70, 120, 110));
  const QColor scales(80, 150, 90);
  Curve(p, {42, 58}, {60, 62}, {62, 48}, 3.5, scales);
  Shape(p, Poly({{24, 62}, {26, 38}, {42, 38}, {44, 62}}), scales);
  Shape(p, Poly({{28, 42}, {40, 42}, {39, 60}, {29, 60}}), QColor(220, 210, 150), 0.5);
  Shape(p, Smooth({{26, 30}, {28, 20}, {38, 18}, {50, 24}, {50, 30}, {38, 34}}), scales);
  Shape(p, Poly({{30, 19}, {34, 12}, {36, 18}, {39, 13}, {40, 19}}), QColor(200, 60, 50), 0.5);
  Eye(p, {34, 24}, 2, QColor(240, 170, 30));
  Line(p, {40, 30}, {50, 28}, 0.8, kBlack);
  Dot(p, {48, 25}, 0.6, kBlack);
  Line(p, {20, 64}, {20, 10}, 1.6, QColor(120, 80, 40));
  Shape(p, Poly({{20, 3}, {23, 12}, {17, 12}}), kSteel, 0.6);
  Ball(p, {22, 44}, 2.5, 2.5, scales, 0.6);
}

void DwarfWarrior(QPainter& p) {  // ドワーフ戦士
  Backdrop(p, QColor(200, 170, 130), QColor(110, 80, 60));
  Shape(p, Poly({{16, 64}, {20, 42}, {50, 42}, {54, 64}}), QColor(150, 60, 50));
  Ball(p, {35, 30}, 10, 9, kSkin, 0.7);
  Shape(p, Smooth({{24, 32}, {35, 36}, {46, 32}, {44, 50}, {35, 58}, {26, 50}}),
        QColor(210, 120, 50));
  Shape(p, Smooth({{24, 27}, {26, 17}, {35, 14}, {44, 17}, {46, 27}}), QColor(170, 170, 180));
  for (double s : {-1.0, 1.0})
    Shape(p, Smooth({{35 + s * 10, 22}, {35 + s * 16, 16}, {35 + s * 17, 6}, {35 + s * 13, 16}}),
          QColor(240, 230, 200), 0.6);
  Eye(p, {31, 29}, 1.6, QColor(60, 90, 160));
  Eye(p, {39, 29}, 1.6, QColor(60, 90, 160));
  Ball(p, {35, 33}, 2.4, 2, kSkin.darker(110), 0.5);
  Line(p, {52, 62}, {56, 26}, 2, QColor(110, 70, 30));
  Shape(p, Smooth({{56, 22}, {65, 20}, {66, 34}, {57, 32}}), kSteel);
  Shape(p, Smooth({{56, 22}, {49, 20}, {48, 32}, {56, 32}}), kSteel);
}

}  // namespace

void DrawCardArt(QPainter& p, int id, const QRectF& area) {
  p.save();
  p.translate(area.topLeft());
  p.scale(area.width() / kBox, area.height() / kBox);
  if (id <= 13)
    DrawCardArtLow(p, id, QRectF(0, 0, kBox, kBox));
  else if (id <= 26)
    DrawCardArtMid(p, id, QRectF(0, 0, kBox, kBox));
  else
    DrawCardArtHigh(p, id, QRectF(0, 0, kBox, kBox));
  p.restore();
}

void DrawCardArtLow(QPainter& p, int id, const QRectF&) {
  static void (*const kDraw[14])(QPainter&) = {Fairy,  Slime, Goblin,    ManEater,    Kobold,
                                               Thief,  Orc,   Priest,    Apprentice,  Skeleton,
                                               Knight, Golem, Lizardman, DwarfWarrior};
  kDraw[id](p);
}

}  // namespace assetgen
