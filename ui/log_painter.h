// Paints a picture again from its PaintLog: at any scale from sharp art for a zoomed view, or at 1x
// with the logic's own raster operations (which gives the logic's canvas again, pixel for pixel,
// and so shows that the log misses nothing).
#pragma once

#include <QImage>
#include <QSize>

#include "ui/paint_log.h"
#include "ui/platform.h"

class QPainter;

namespace korvane {

class CardPictures;
class SharpArt;

// The adventure's own 1x pictures, for a log that starts from the town: the town stands in where
// its sharp copy is missing; the light tile is always laid at its own size.
//
// The message box: the logic lightens the map under it by OR-ing the light grey tile, which on
// shaded art leaves bands of posterised colour; a view paints a clean light box instead, the map
// under it blended kBoxVeil of the way towards the tile's grey. `logicBox` paints it as the
// logic does (to check that the log misses nothing).
struct TownArt {
  const QImage* town = nullptr;
  const QImage* lightTile = nullptr;
  bool logicBox = false;
};
constexpr double kBoxVeil = 0.9;
constexpr QRgb kBoxGrey = 0xffebebeb;  // 235, 235, 235

// The picture of `size` 1x pixels painted `scale` times larger, without the typed lines. Cards are
// laid with their outline as alpha, so their edges stay smooth at every size; the field tiles and
// the corner frame keep their OR and AND; the adventure's texts are written at the scaled size.
QImage PaintLogAt(const PaintLog& log, QSize size, const SharpArt& art, double scale,
                  const TownArt& town = {});

// The picture at 1x, painted as the logic paints: mask with AND, picture with OR.
QImage PaintLogExact(const PaintLog& log, QSize size, const CardPictures& pictures);

// A card as a message box shows it: 160 pixels square at 1x (the card stretched as the board shows
// the card won or lost), `scale` times larger from the sharp art, on `background`.
QImage PaintShownCard(const ShownCard& card, const SharpArt& art, double scale,
                      const QColor& background);

// The typed lines, on a painter in the picture's 1x pixels.
void PaintLines(QPainter& p, const MessageLines& lines);

}  // namespace korvane
