// The duel's pictures painted as the duel window paints them: cards as sprites (the mask with AND,
// then the picture with OR), field tiles with OR, each operation written into a paint log so that
// a zoomed view can paint it again sharply. The duel window, the review board and the puzzle board
// all paint a board through here.
#pragma once

#include <QImage>
#include <QRect>
#include <functional>

#include "engine/duel_state.h"
#include "ui/paint_log.h"
#include "ui/sprite.h"

namespace korvane {

class CardPictures;

// One card picture at `r` (stretched; a negative width mirrors it): mask, then picture.
void PaintCard(QImage& target, PaintLog* log, const CardPictures& pictures, const QImage& picture,
               const QRect& r);
// A picture alone at `r`, combined by `op` (the field tiles, the corner frames).
void CombineArt(QImage& target, PaintLog* log, const CardPictures& pictures, const QImage& picture,
                const QRect& r, RasterOp op);

// The whole board of `s` on a fresh copy of the board image: cards face up in their owner's
// frame, backs of flipped cards, the fields' colours on empty squares (blue, red, purple where
// both meet). Squares for which `skip` says true are left as the board image (a flip being shown
// there).
void PaintBoardState(QImage& canvas, PaintLog* log, const CardPictures& pictures,
                     const DuelState& s, const std::function<bool(int c, int r)>& skip = {});

// A hand picture (81 x 81, on the window's grey): the card `id` face up in the player's or the
// enemy's frame; an empty slot stays grey.
void PaintHandCard(QImage& target, PaintLog* log, const CardPictures& pictures, int id, bool enemy);

}  // namespace korvane
