// The fields with their patterns stay four different pictures for every kind of colour vision:
// the squares of no field, the player's, the opponent's and both are painted on the board art as
// the zoomed board paints them, seen through simulated protanopia, deuteranopia and tritanopia,
// and compared.
#include "ui/field_patterns.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cmath>
#include <string>

#include "ui/card_pictures.h"
#include "ui/log_painter.h"
#include "ui/paint_log.h"
#include "ui/sharp_art.h"

namespace korvane {
namespace {

constexpr int kScale = 2;  // the board at 2x, as a zoomed window shows it

double Linear(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

using Matrix = std::array<std::array<double, 3>, 3>;
// Full dichromacy in linear RGB (Machado, Oliveira and Fernandes, 2009, severity 1).
const Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                          {0.114503, 0.786281, 0.099216},
                          {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                          {-0.078411, 0.930809, 0.147602},
                          {0.004733, 0.691367, 0.303900}}};

// The lightness (relative luminance) of every pixel as the vision `m` sees it.
std::vector<double> Seen(const QImage& image, const Matrix& m) {
  std::vector<double> out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb px = image.pixel(x, y);
      const double rgb[3] = {Linear(qRed(px)), Linear(qGreen(px)), Linear(qBlue(px))};
      double sim[3];
      for (int i = 0; i < 3; ++i)
        sim[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
      out.push_back(0.2126 * sim[0] + 0.7152 * sim[1] + 0.0722 * sim[2]);
    }
  }
  return out;
}

// How different two squares look: the share of pixels whose lightness differs by a tenth or more
// (a pattern where the other has none, or another one), or the whole square when their mean
// lightness differs by that much.
double Difference(const std::vector<double>& a, const std::vector<double>& b) {
  int differing = 0;
  double meanA = 0, meanB = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    differing += std::abs(a[i] - b[i]) >= 0.1;
    meanA += a[i];
    meanB += b[i];
  }
  if (std::abs(meanA - meanB) / a.size() >= 0.1) return 1.0;
  return double(differing) / a.size();
}

const SharpArt& Art() {
  static const CardPictures pictures(QStringLiteral(KORVANE_DATA_DIR), nullptr);
  static const SharpArt art(pictures, QStringLiteral(KORVANE_DATA_DIR));
  return art;
}

const QRect kSquare(160, 160, 80, 80);  // the board's middle square

// The board painted from `log` as a zoomed duel window paints it, with or without the patterns.
QImage Board(const PaintLog& log, bool patterns) {
  SetFieldPatterns(patterns);
  QImage out = PaintLogAt(log, {402, 402}, Art(), kScale);
  SetFieldPatterns(false);
  return out;
}

// The middle square in a field state, its tiles laid as the duel lays them.
QImage Square(bool player, bool opponent, bool patterns) {
  PaintLog log;
  log.ClearToBoard();
  if (player)
    log.Add(PaintOp::OnArt(PaintOp::Kind::Combine, {ArtKind::MyField}, RasterOp::Or, kSquare));
  if (opponent)
    log.Add(PaintOp::OnArt(PaintOp::Kind::Combine, {ArtKind::EnemyField}, RasterOp::Or, kSquare));
  const QRect r(kSquare.topLeft() * kScale, kSquare.size() * kScale);
  return Board(log, patterns).copy(r);
}

TEST(FieldPatterns, TheFourFieldStatesStayApartForEveryColourVision) {
  const std::pair<const char*, const Matrix*> visions[] = {{"normal", &kNormal},
                                                           {"protanopia", &kProtanopia},
                                                           {"deuteranopia", &kDeuteranopia},
                                                           {"tritanopia", &kTritanopia}};
  const char* names[] = {"none", "player", "opponent", "both"};
  double worstWithout = 1.0;
  for (bool patterns : {false, true}) {
    const QImage squares[] = {Square(false, false, patterns), Square(true, false, patterns),
                              Square(false, true, patterns), Square(true, true, patterns)};
    for (const auto& [vision, matrix] : visions) {
      std::vector<std::vector<double>> seen;
      for (const QImage& s : squares) seen.push_back(Seen(s, *matrix));
      for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
          const double d = Difference(seen[a], seen[b]);
          if (!patterns) {
            worstWithout = std::min(worstWithout, d);
            continue;
          }
          EXPECT_GE(d, 0.15) << vision << ": " << names[a] << " against " << names[b];
        }
      }
    }
  }
  // Colour alone mixes up at least two of the states for some of the visions: the reason for
  // the patterns, and a sign that the measure can tell.
  EXPECT_LT(worstWithout, 0.15);

  // A card laid over a field square afterwards shows no pattern through it.
  PaintLog fieldThenCard;
  fieldThenCard.ClearToBoard();
  fieldThenCard.Add(
      PaintOp::OnArt(PaintOp::Kind::Combine, {ArtKind::MyField}, RasterOp::Or, kSquare));
  fieldThenCard.Add(
      PaintOp::OnArt(PaintOp::Kind::Sprite, {ArtKind::Card, 3}, RasterOp::Or, kSquare));
  EXPECT_TRUE(Board(fieldThenCard, true) == Board(fieldThenCard, false));
}

}  // namespace
}  // namespace korvane
