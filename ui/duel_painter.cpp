#include "ui/duel_painter.h"

#include "ui/card_pictures.h"

namespace korvane {
namespace {

const QRgb kHandBack = qRgb(192, 192, 192);  // what a cleared hand picture shows

}  // namespace

void PaintCard(QImage& target, PaintLog* log, const CardPictures& pictures, const QImage& picture,
               const QRect& r) {
  PaintSprite(target, pictures.Mask(), picture, r.x(), r.y(), r.width(), r.height());
  if (log)
    log->Add(PaintOp::OnArt(PaintOp::Kind::Sprite, pictures.Identify(picture), RasterOp::Or, r));
}

void CombineArt(QImage& target, PaintLog* log, const CardPictures& pictures, const QImage& picture,
                const QRect& r, RasterOp op) {
  Combine(target, picture, r.x(), r.y(), r.width(), r.height(), op);
  if (log) log->Add(PaintOp::OnArt(PaintOp::Kind::Combine, pictures.Identify(picture), op, r));
}

void PaintBoardState(QImage& canvas, PaintLog* log, const CardPictures& pictures,
                     const DuelState& s, const std::function<bool(int c, int r)>& skip) {
  canvas = pictures.Board().copy();
  if (log) log->ClearToBoard();
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int v = s.BoardCard[c][r];
      const QRect square(80 * (c - 1), 80 * (r - 1), 80, 80);
      if (skip && skip(c, r)) continue;
      if (v == kBlockedSquare) continue;
      if (v == kFlippedPlayerCard) {
        PaintCard(canvas, log, pictures, pictures.Card(kCardBack), square);
      } else if (v == kFlippedEnemyCard) {
        PaintCard(canvas, log, pictures, pictures.EnemyCard(kCardBack), square);
      } else if (v == kEmptySquare) {
        // Blue OR red makes purple where both fields meet.
        if (s.PlayerFieldMap[c][r] > 0) {
          CombineArt(canvas, log, pictures, pictures.MyField(), square, RasterOp::Or);
        }
        if (s.EnemyFieldMap[c][r] > 0) {
          CombineArt(canvas, log, pictures, pictures.EnemyField(), square, RasterOp::Or);
        }
      } else if (v >= 1 && v <= kHandSize) {
        PaintCard(canvas, log, pictures, pictures.Card(s.PlayerHand[v - 1]), square);
      } else if (v <= -1 && v >= -kHandSize) {
        PaintCard(canvas, log, pictures, pictures.EnemyCard(s.EnemyHand[-v - 1]), square);
      }
    }
  }
}

void PaintHandCard(QImage& target, PaintLog* log, const CardPictures& pictures, int id,
                   bool enemy) {
  if (target.size() != QSize(81, 81)) target = BlankImage(81, 81, kHandBack);
  target.fill(kHandBack);
  if (log) log->ClearTo(kHandBack);
  if (!IsValidCardId(id)) return;
  PaintCard(target, log, pictures, enemy ? pictures.EnemyCard(id) : pictures.Card(id),
            QRect(0, 0, 80, 80));
}

}  // namespace korvane
