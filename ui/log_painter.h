// Paints a picture again from its PaintLog: at any scale from sharp art for a zoomed view, or at 1x
// with the logic's own raster operations (which gives the logic's canvas again, pixel for pixel,
// and so shows that the log misses nothing).
#pragma once

#include <QImage>
#include <QSize>

#include "ui/paint_log.h"

class QPainter;

namespace korvane {

class CardPictures;
class SharpArt;

// The adventure's own 1x pictures, for a log that starts from the town: the town stands in where
// its sharp copy is missing; the light tile is always laid at its own size.
struct TownArt {
  const QImage* town = nullptr;
  const QImage* lightTile = nullptr;
};

// The picture of `size` 1x pixels painted `scale` times larger, without the typed lines. Cards are
// laid with their outline as alpha, so their edges stay smooth at every size; the field tiles and
// the corner frame keep their OR and AND; the adventure's texts are written at the scaled size.
QImage PaintLogAt(const PaintLog& log, QSize size, const SharpArt& art, double scale,
                  const TownArt& town = {});

// The picture at 1x, painted as the logic paints: mask with AND, picture with OR.
QImage PaintLogExact(const PaintLog& log, QSize size, const CardPictures& pictures);

// The typed lines, on a painter in the picture's 1x pixels.
void PaintLines(QPainter& p, const MessageLines& lines);

}  // namespace korvane
