// Paints a duel picture again from its PaintLog: at any scale from sharp art for the zoomed view,
// or at 1x with the logic's own raster operations (which gives the logic's canvas again, pixel for
// pixel, and so shows that the log misses nothing).
#pragma once

#include <QImage>
#include <QSize>

#include "duel/paint_log.h"

namespace korvane {

class CardPictures;
class SharpArt;

// The picture of `size` 1x pixels painted `scale` times larger. Cards are laid with their outline
// as alpha, so their edges stay smooth at every size; the field tiles and the corner frame keep
// their OR and AND.
QImage PaintLogAt(const PaintLog& log, QSize size, const SharpArt& art, double scale);

// The picture at 1x, painted as the logic paints: mask with AND, picture with OR.
QImage PaintLogExact(const PaintLog& log, QSize size, const CardPictures& pictures);

}  // namespace korvane
