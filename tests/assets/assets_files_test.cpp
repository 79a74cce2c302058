// The generated pictures: names, sizes, colours and the agreement between mask and faces that
// the duel's AND/OR painting relies on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <array>
#include <cmath>
#include <vector>

#include "tests/image_difference.h"

namespace {

using korvane::testing::MeanDifference;

const QString kData = KORVANE_DATA_DIR;

QImage Load(const QString& rel) { return QImage(kData + "/" + rel); }

QString Card(bool enemy, int i) {
  return QString("cards/%1CardPic%2.png").arg(enemy ? "E" : "").arg(i, 2, 10, QChar('0'));
}

// "cards/CardPic00.png" at 1x, "cards/CardPic00@2x.png" at 2x.
QString AtScale(const QString& rel, int scale) {
  return scale == 1 ? rel : rel.left(rel.size() - 4) + QString("@%1x.png").arg(scale);
}

TEST(AssetPictures, EveryPictureExistsWithItsSizeAndNoAlpha) {
  struct Want {
    QString rel;
    int w, h;
  };
  std::vector<Want> want = {
      {"cards/CardMask.png", 80, 80},         {"duel/MyField.png", 10, 10},
      {"duel/EnemyField.png", 10, 10},        {"duel/CornerMask.png", 80, 80},
      {"duel/CornerFrame.png", 80, 80},       {"duel/Board.png", 402, 402},
      {"adventure/Town.png", 576, 406},       {"adventure/Logo.png", 302, 189},
      {"adventure/Logo_en.png", 302, 189},    {"adventure/LightTile.png", 10, 10},
      {"adventure/PlayerPic0.png", 100, 100}, {"adventure/PlayerPic1.png", 100, 100}};
  for (int i = 0; i <= 40; ++i) {
    want.push_back({Card(false, i), 80, 80});
    want.push_back({Card(true, i), 80, 80});
  }
  for (int i = 0; i < 6; ++i) want.push_back({QString("adventure/OppPic%1.png").arg(i), 100, 100});
  // Every one of them also at 2x and 3x; the icon only once; a close-up per place at 3x.
  std::vector<std::pair<Want, int>> all;
  for (int scale = 1; scale <= 3; ++scale)
    for (const Want& w : want) all.push_back({{AtScale(w.rel, scale), w.w, w.h}, scale});
  all.push_back({{"icon.png", 64, 64}, 1});
  for (int i = 0; i < 9; ++i)
    all.push_back({{QString("adventure/CloseUp%1@3x.png").arg(i), 576, 406}, 3});
  for (const auto& [w, scale] : all) {
    const QImage img = Load(w.rel);
    ASSERT_FALSE(img.isNull()) << w.rel.toStdString();
    EXPECT_EQ(img.size(), QSize(w.w, w.h) * scale) << w.rel.toStdString();
    EXPECT_FALSE(img.hasAlphaChannel()) << w.rel.toStdString();
  }
}

TEST(AssetPictures, SharperPicturesAreTheSamePicturesDrawnLarger) {
  // Brought back to 1x, a 2x or 3x picture looks like the 1x one, and not like its neighbour.
  const struct {
    const char* rel;
    const char* other;
  } cases[] = {{"cards/CardPic07.png", "cards/CardPic08.png"},
               {"cards/ECardPic31.png", "cards/ECardPic32.png"},
               {"cards/CardPic40.png", "cards/ECardPic40.png"},
               {"duel/Board.png", nullptr},
               {"adventure/Town.png", nullptr},
               {"adventure/Logo.png", nullptr},
               {"adventure/OppPic2.png", "adventure/OppPic3.png"}};
  for (const auto& c : cases)
    for (int scale : {2, 3}) {
      const QImage small = Load(c.rel);
      const QImage large =
          Load(AtScale(c.rel, scale))
              .scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      ASSERT_FALSE(large.isNull()) << c.rel;
      EXPECT_LT(MeanDifference(small, large), 10) << c.rel << " at " << scale << "x";
      if (c.other) {
        EXPECT_GT(MeanDifference(Load(c.other), large), 20) << c.rel << " at " << scale << "x";
      }
    }
  // Each close-up shows its place's hot spot, stretched over the picture as the window does.
  const QImage town = Load("adventure/Town.png");
  const QRect spot0(24, 288, 113, 113), spot4(304, 160, 81, 65);
  const QImage zoomed0 =
      town.copy(spot0).scaled(576, 406, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage closeUp0 = Load("adventure/CloseUp0@3x.png")
                              .scaled(576, 406, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(MeanDifference(zoomed0, closeUp0), 12);
  EXPECT_GT(MeanDifference(town.copy(spot4).scaled(576, 406), closeUp0), 20);
}

TEST(AssetPictures, FacesAreBlackWhereverTheMaskIsWhite) {
  for (int scale = 1; scale <= 3; ++scale) {
    const int size = 80 * scale;
    const QImage mask = Load(AtScale("cards/CardMask.png", scale));
    ASSERT_FALSE(mask.isNull());
    int inside = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb m = mask.pixel(x, y) & 0xffffff;
        ASSERT_TRUE(m == 0 || m == 0xffffff)
            << "mask is not pure black and white at " << x << "," << y << " at " << scale << "x";
        inside += m == 0;
      }
    // The corners are cut, the rest is card.
    EXPECT_EQ(mask.pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_EQ(mask.pixel(size - 1, size - 1) & 0xffffff, 0xffffffu);
    EXPECT_EQ(mask.pixel(size / 2, 0) & 0xffffff, 0u);
    EXPECT_GT(inside, 6200 * scale * scale);
    EXPECT_LT(inside, 6400 * scale * scale);
    for (bool enemy : {false, true})
      for (int i = 0; i <= 40; ++i) {
        const QString rel = AtScale(Card(enemy, i), scale);
        const QImage face = Load(rel);
        ASSERT_FALSE(face.isNull());
        int lit = 0;
        for (int y = 0; y < size; ++y)
          for (int x = 0; x < size; ++x) {
            const QRgb f = face.pixel(x, y) & 0xffffff;
            if ((mask.pixel(x, y) & 0xffffff) == 0xffffff)
              ASSERT_EQ(f, 0u) << rel.toStdString() << " at " << x << "," << y;
            else
              lit += f != 0;
          }
        EXPECT_GT(lit, 5000 * scale * scale) << rel.toStdString() << " is mostly black";
      }
  }
}

TEST(AssetPictures, PlayerFramesAreBlueEnemyFramesRedAndTheEnemyFaceIsTurned) {
  for (int i = 0; i <= 40; ++i) {
    const QImage mine = Load(Card(false, i)), theirs = Load(Card(true, i));
    // Frame pixels between the corner and the side code.
    for (QPoint at : {QPoint(20, 2), QPoint(60, 77), QPoint(2, 60)}) {
      const QColor m(mine.pixel(at)), t(theirs.pixel(at));
      EXPECT_GT(m.blue(), m.red() + 60) << "card " << i;
      EXPECT_GT(t.red(), t.blue() + 60) << "card " << i;
    }
    if (i == 40) continue;
    // The illustration is the same picture turned by 180 degrees.
    int same = 0, total = 0;
    for (int y = 20; y < 60; ++y)
      for (int x = 20; x < 60; ++x, ++total)
        same += (mine.pixel(x, y) & 0xffffff) == (theirs.pixel(79 - x, 79 - y) & 0xffffff);
    EXPECT_EQ(same, total) << "card " << i;
  }
}

TEST(AssetPictures, SideCodesUseTheSetColours) {
  // Card 39 shows "1" at the top: its glyph pixels are red for the player; the enemy's copy,
  // turned, has the light-blue glyph at the bottom.
  const QImage mine = Load(Card(false, 39)), theirs = Load(Card(true, 39));
  auto count = [](const QImage& img, QRect r, auto pred) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += pred(QColor(img.pixel(x, y)));
    return n;
  };
  auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
  auto lightBlue = [](QColor c) { return c.blue() > 200 && c.green() > 150 && c.red() < 170; };
  EXPECT_GT(count(mine, QRect(36, 3, 9, 8), red), 6);
  EXPECT_GT(count(theirs, QRect(36, 69, 9, 8), lightBlue), 6);
  EXPECT_EQ(count(mine, QRect(36, 3, 9, 8), lightBlue), 0);
  EXPECT_EQ(count(theirs, QRect(36, 69, 9, 8), red), 0);
}

TEST(AssetPictures, TilesAndBracketsHaveTheirExactColours) {
  const QImage blue = Load("duel/MyField.png"), red = Load("duel/EnemyField.png");
  const QImage light = Load("adventure/LightTile.png");
  for (int y = 0; y < blue.height(); ++y)
    for (int x = 0; x < blue.width(); ++x) {
      ASSERT_EQ(blue.pixel(x, y) & 0xffffff, 0x0000ffu);
      ASSERT_EQ(red.pixel(x, y) & 0xffffff, 0xff0000u);
    }
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(light.pixel(x, y) & 0xffffff, 0xebebebu);
  // Mask OR then frame AND must turn exactly the bracket pixels yellow and leave the rest.
  const QImage mask = Load("duel/CornerMask.png"), frame = Load("duel/CornerFrame.png");
  int brackets = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) {
      const QRgb m = mask.pixel(x, y) & 0xffffff, f = frame.pixel(x, y) & 0xffffff;
      ASSERT_TRUE((m == 0xffffff && f == 0xffff00) || (m == 0 && f == 0xffffff)) << x << "," << y;
      brackets += m != 0;
    }
  EXPECT_EQ(mask.pixel(0, 0) & 0xffffff, 0xffffffu);
  EXPECT_EQ(mask.pixel(40, 40) & 0xffffff, 0u);
  EXPECT_GT(brackets, 200);
  EXPECT_LT(brackets, 1200);
}

TEST(AssetPictures, BoardIsStoneOnTheDiamondAndBrickOutside) {
  const QImage board = Load("duel/Board.png");
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) {
      double red = 0, green = 0, blue = 0;
      for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
          const QColor px(board.pixel((c - 1) * 80 + x, (r - 1) * 80 + y));
          red += px.red();
          green += px.green();
          blue += px.blue();
        }
      red /= 6400, green /= 6400, blue /= 6400;
      if (std::abs(c - 3) + std::abs(r - 3) <= 2) {
        EXPECT_LT(std::abs(red - blue), 15) << "square " << c << "," << r << " is not grey";
        EXPECT_GT(red, 80);
      } else {
        EXPECT_GT(red, green + 40) << "square " << c << "," << r << " is not brick";
      }
    }
}

}  // namespace

namespace {

// Meadow green as the town picture paints its open ground.
bool IsMeadow(QColor c) {
  return c.green() > c.red() + 40 && c.green() > c.blue() + 50 && c.blue() < 110 &&
         c.green() >= 130 && c.green() <= 215;
}

TEST(AssetPictures, EveryPlaceIsDrawnInsideItsHotSpot) {
  // Hot spots of the nine places in twips, 15 to a pixel.
  const int spots[9][4] = {
      {360, 4320, 1695, 1695},  {2040, 3480, 1455, 1335}, {3600, 4680, 1935, 1215},
      {5880, 4440, 1815, 1575}, {4560, 2400, 1215, 975},  {6000, 0, 1575, 1455},
      {240, 3240, 1455, 975},   {1800, 1200, 1095, 1095}, {6480, 2640, 1815, 1455}};
  const QImage town = Load("adventure/Town.png");
  ASSERT_FALSE(town.isNull());
  auto built = [&](QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += !IsMeadow(QColor(town.pixel(x, y)));
    return double(n) / (r.width() * r.height());
  };
  for (int i = 0; i < 9; ++i) {
    const QRect r(spots[i][0] / 15, spots[i][1] / 15, spots[i][2] / 15, spots[i][3] / 15);
    ASSERT_TRUE(town.rect().contains(r)) << "place " << i;
    EXPECT_GT(built(r), 0.45) << "place " << i << " is mostly empty meadow";
  }
  // The open ground between them is mostly meadow: the places are not smeared everywhere.
  EXPECT_LT(built(QRect(0, 0, 110, 180)), 0.4);
}

TEST(AssetPictures, PortraitsAreDistinctPeople) {
  std::vector<QImage> faces;
  for (int i = 0; i < 6; ++i) faces.push_back(Load(QString("adventure/OppPic%1.png").arg(i)));
  faces.push_back(Load("adventure/PlayerPic0.png"));
  faces.push_back(Load("adventure/PlayerPic1.png"));
  for (size_t a = 0; a < faces.size(); ++a)
    for (size_t b = a + 1; b < faces.size(); ++b) {
      int differ = 0;
      for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) differ += faces[a].pixel(x, y) != faces[b].pixel(x, y);
      EXPECT_GT(differ, 3000) << "portraits " << a << " and " << b << " look alike";
    }
}

// The side codes of assets/cards.tsv, as the faces must show them.
std::vector<std::array<char, 4>> SideCodes() {
  std::vector<std::array<char, 4>> codes;
  QFile f(QString(KORVANE_ASSETS_SRC) + "/cards.tsv");
  if (!f.open(QIODevice::ReadOnly)) return codes;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
    const QStringList w = line.split('\t');
    if (line.startsWith('#') || w.size() < 6) continue;
    codes.push_back(
        {w[1][0].toLatin1(), w[2][0].toLatin1(), w[3][0].toLatin1(), w[4][0].toLatin1()});
  }
  return codes;
}

// The middle of the code badge on side s (0 top, 1 right, 2 bottom, 3 left), player view.
QRect Badge(int s) {
  const QPoint at[4] = {{40, 7}, {73, 40}, {40, 73}, {7, 40}};
  return QRect(at[s] - QPoint(3, 3), QSize(7, 7));  // inside the ring
}

bool SameRegion(const QImage& a, const QImage& b, QRect r, bool turnB) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb pb = turnB ? b.pixel(79 - x, 79 - y) : b.pixel(x, y);
      if ((a.pixel(x, y) & 0xffffff) != (pb & 0xffffff)) return false;
    }
  return true;
}

TEST(AssetPictures, EachFaceShowsItsOwnCodesOnTheRightSides) {
  const auto codes = SideCodes();
  ASSERT_EQ(codes.size(), 40u);
  std::vector<QImage> mine, theirs;
  for (int i = 0; i < 40; ++i) {
    mine.push_back(Load(Card(false, i)));
    theirs.push_back(Load(Card(true, i)).mirrored(true, true));  // turned back to player view
  }
  // Two cards show the same badge on a side exactly when they carry the same code there.
  for (int s = 0; s < 4; ++s)
    for (int i = 0; i < 40; ++i)
      for (int j = i + 1; j < 40; ++j) {
        const bool same = codes[i][s] == codes[j][s];
        EXPECT_EQ(SameRegion(mine[i], mine[j], Badge(s), false), same)
            << "cards " << i << " and " << j << ", side " << s + 1;
        EXPECT_EQ(SameRegion(theirs[i], theirs[j], Badge(s), false), same)
            << "enemy cards " << i << " and " << j << ", side " << s + 1;
      }
}

TEST(AssetPictures, EnemyCodesLieOnTheTurnedRoundSideAndReadUpright) {
  // The glyph of a badge centred on the pixel corner `centre`: the bright pixels within the
  // badge's dark disc (red for the player, light blue for the enemy), optionally turned round.
  auto glyph = [](const QImage& img, QPoint centre, bool turned) {
    std::vector<bool> m;
    for (int dy = -6; dy <= 5; ++dy)
      for (int dx = -6; dx <= 5; ++dx) {
        if ((dx + 0.5) * (dx + 0.5) + (dy + 0.5) * (dy + 0.5) > 30) continue;
        const QPoint d = turned ? QPoint(-1 - dx, -1 - dy) : QPoint(dx, dy);
        m.push_back(QColor(img.pixel(centre + d)).value() > 120);
      }
    return m;
  };
  auto differ = [](const std::vector<bool>& a, const std::vector<bool>& b) {
    int n = 0;
    for (size_t k = 0; k < a.size(); ++k) n += a[k] != b[k];
    return n;
  };
  const auto codes = SideCodes();
  ASSERT_EQ(codes.size(), 40u);
  const QPoint at[4] = {{40, 7}, {73, 40}, {40, 73}, {7, 40}};
  for (int i = 0; i < 40; ++i) {
    const QImage mine = Load(Card(false, i)), theirs = Load(Card(true, i));
    for (int s = 0; s < 4; ++s) {
      // Side s of the enemy's card lies opposite, and shows the same upright glyph.
      const std::vector<bool> upright = glyph(mine, at[s], false);
      const std::vector<bool> turned = glyph(mine, at[s], true);
      const std::vector<bool> shown = glyph(theirs, at[(s + 2) % 4], false);
      const int same = differ(upright, shown);
      EXPECT_LE(same, 3) << "card " << i << " side " << s + 1;
      // Turning the whole face round would show the turned glyph ("2" reads "Z").
      EXPECT_GT(differ(turned, shown), same + 5) << "card " << i << " side " << s + 1;
    }
  }
}

TEST(AssetPictures, EveryCardHasItsOwnIllustration) {
  std::vector<QImage> faces;
  for (int i = 0; i <= 40; ++i) faces.push_back(Load(Card(false, i)));
  for (int i = 0; i <= 40; ++i)
    for (int j = i + 1; j <= 40; ++j) {
      int differ = 0;
      for (int y = 16; y < 64; ++y)
        for (int x = 16; x < 64; ++x) differ += faces[i].pixel(x, y) != faces[j].pixel(x, y);
      EXPECT_GT(differ, 48 * 48 / 3) << "cards " << i << " and " << j << " look alike";
    }
}

}  // namespace
