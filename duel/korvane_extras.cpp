// The duel window's view extras: the score, the result line, the placement preview, the face of
// an enemy card placed face down at once, and the deck selection's instruction and preview mark.
#include "duel/korvane_extras.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

#include "engine/rules.h"
#include "ui/fonts.h"
#include "ui/high_contrast.h"

namespace korvane {
namespace {

QRect SquareRect(int c, int r) { return QRect(80 * (c - 1), 80 * (r - 1), 80, 80); }

// A rounded, dark, half-transparent panel, so the text reads on brick, stone and colour alike.
void Panel(QPainter& p, const QRectF& r, int alpha = 205) { PaintPanel(p, r, alpha); }

}  // namespace

QString ResultText(const DuelOutcome& out) {
  switch (out.result) {
    case DuelResult::PlayerWon:
      return QCoreApplication::translate("DuelViews", "勝ち %1 対 %2")
          .arg(out.PlayerScore)
          .arg(out.EnemyScore);
    case DuelResult::EnemyWon:
      return QCoreApplication::translate("DuelViews", "負け %1 対 %2")
          .arg(out.PlayerScore)
          .arg(out.EnemyScore);
    case DuelResult::Draw:
      break;
  }
  return QCoreApplication::translate("DuelViews", "引き分け %1 対 %2")
      .arg(out.PlayerScore)
      .arg(out.EnemyScore);
}

QString ScoreCountText(FaceUpCount count) {
  return QCoreApplication::translate("DuelViews", "あなた %1 − %2 相手")
      .arg(count.player)
      .arg(count.enemy);
}

QString TurnText(TurnState turn) {
  switch (turn) {
    case TurnState::Player:
      return QCoreApplication::translate("DuelViews", "あなたの番");
    case TurnState::Enemy:
      return QCoreApplication::translate("DuelViews", "相手の番");
    case TurnState::Nobody:
      break;
  }
  return {};
}

QString AtOnceText(const QString& cardName) {
  return QCoreApplication::translate("DuelViews", "相手の「%1」は伏せて置かれた").arg(cardName);
}

QString DeckInstruction() {
  return QCoreApplication::translate(
      "DuelViews",
      "押す：試しに見る　ダブルクリック/Enter：手札に取る　矢印：選ぶ　Backspace：取り直す");
}

QString DeckPreviewTag() { return QCoreApplication::translate("DuelViews", "お試し"); }

void PaintScore(QPainter& p, FaceUpCount count, TurnState turn, const QString& atOnceName) {
  p.save();
  const QString turnText = TurnText(turn);
  const double height = turnText.isEmpty() ? 26 : atOnceName.isEmpty() ? 44 : 72;
  const QRectF box(4, 4, 152, height);
  Panel(p, box);
  p.setFont(GothicFont(15, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(box.left(), box.top() + 2, box.width(), 22), Qt::AlignCenter,
             ScoreCountText(count));
  p.setFont(GothicFont(12, true));
  p.setPen(turn == TurnState::Player ? QColor(140, 200, 255) : QColor(255, 150, 150));
  p.drawText(QRectF(box.left(), box.top() + 23, box.width(), 18), Qt::AlignCenter, turnText);
  if (!atOnceName.isEmpty()) {
    p.setFont(GothicFont(11));
    p.setPen(QColor(255, 230, 150));
    p.drawText(QRectF(box.left() + 4, box.top() + 42, box.width() - 8, 28),
               Qt::AlignCenter | Qt::TextWordWrap, AtOnceText(atOnceName));
  }
  p.restore();
}

void PaintResultLine(QPainter& p, const DuelOutcome& out) {
  p.save();
  const QRectF band(20, 170, 362, 62);
  Panel(p, band, 225);
  p.setFont(GothicFont(30, true));
  const QColor colour = out.result == DuelResult::PlayerWon  ? QColor(255, 225, 90)
                        : out.result == DuelResult::EnemyWon ? QColor(255, 140, 140)
                                                             : QColor(230, 230, 230);
  p.setPen(colour);
  p.drawText(band, Qt::AlignCenter, ResultText(out));
  p.restore();
}

void PaintPlacementPreview(QPainter& p, const PlacementPreview& preview, const QImage& card) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The fields the card would add: a blue frame inside each square.
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (!preview.covers[c][r]) continue;
      const QRect sq = SquareRect(c, r);
      p.fillRect(sq.adjusted(6, 6, -6, -6), QColor(60, 120, 255, 70));
      PaintFrame(p, sq.adjusted(6, 6, -7, -7), QPen(QColor(80, 170, 255), 3, Qt::DotLine));
    }
  }
  // The card itself, faint, on its square.
  const QRect target = SquareRect(preview.move.column, preview.move.row);
  p.setOpacity(0.55);
  p.drawImage(target, card);
  p.setOpacity(1);
  // Every card that would turn: a cross, red for the enemy's, yellow with a warning for the
  // player's own.
  for (const Flip& f : preview.flips) {
    const QRect sq = SquareRect(f.column, f.row);
    const bool own = preview.TurnsOwn(f.column, f.row);
    const QColor colour = own ? QColor(255, 215, 0) : QColor(255, 60, 60);
    PaintStrokes(p,
                 {QLineF(sq.topLeft() + QPoint(18, 18), sq.bottomRight() - QPoint(18, 18)),
                  QLineF(sq.topRight() + QPoint(-18, 18), sq.bottomLeft() + QPoint(18, -18))},
                 QPen(colour, 5, Qt::SolidLine, Qt::RoundCap), 2);
    if (own) {
      const QRectF tag(sq.left() + 8, sq.bottom() - 22, 64, 16);
      Panel(p, tag, 230);
      p.setFont(GothicFont(11, true));
      p.setPen(colour);
      const bool placed = f.column == preview.move.column && f.row == preview.move.row;
      p.drawText(tag, Qt::AlignCenter,
                 placed ? QCoreApplication::translate("DuelViews", "すぐ裏返る")
                        : QCoreApplication::translate("DuelViews", "自分のも裏に"));
    }
  }
  p.restore();
}

void PaintAtOnceFace(QPainter& p, BoardSquare square, const QImage& face) {
  const QRect sq = SquareRect(square.column, square.row);
  p.drawImage(sq, face);
  p.save();
  const QRectF tag(sq.left() + 5, sq.top() + 32, 70, 16);
  Panel(p, tag, 230);
  p.setFont(GothicFont(11, true));
  p.setPen(QColor(255, 230, 150));
  p.drawText(tag, Qt::AlignCenter, QCoreApplication::translate("DuelViews", "伏せ"));
  p.restore();
}

void PaintDeckPreviewMark(QPainter& p) {
  p.save();
  p.fillRect(QRect(0, 0, 80, 80), QColor(255, 255, 255, 90));
  PaintFrame(p, QRect(3, 3, 73, 73), QPen(QColor(255, 255, 255), 2, Qt::DashLine));
  const QRectF tag(12, 56, 56, 17);
  Panel(p, tag, 230);
  p.setFont(GothicFont(11, true));
  p.setPen(Qt::white);
  p.drawText(tag, Qt::AlignCenter, DeckPreviewTag());
  p.restore();
}

std::optional<PlacementPreview> PreviewOf(const Korvane& k, std::optional<BoardSquare> square) {
  if (!square || !k.PreviewAllowed()) return std::nullopt;
  return PreviewPlacement(k.Duel,
                          Placement{false, k.Duel.SelectedSlot, square->column, square->row});
}

}  // namespace korvane
