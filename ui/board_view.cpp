#include "ui/board_view.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

#include "ui/accessibility.h"
#include "ui/duel_painter.h"
#include "ui/fonts.h"
#include "ui/high_contrast.h"
#include "ui/log_painter.h"
#include "ui/picture_view.h"
#include "ui/sharp_art.h"
#include "ui/square_speech.h"
#include "ui/view_zoom.h"

namespace korvane {

std::pair<int, int> NextPlayableSquare(std::pair<int, int> from, int dc, int dr) {
  auto [c, r] = from;
  for (int n = 0; n < 5; ++n) {
    c += dc;
    r += dr;
    if (IsPlayable(c, r)) return {c, r};
  }
  return from;
}
namespace {

// Where the duel window puts the board and the hands while a duel runs (1x pixels).
constexpr QRect kField{88, 0, 406, 406};
QRect EnemyHandRect(int i) { return {0, 80 * i, 81, 81}; }
QRect PlayerHandRect(int i) { return {502, 81 * i + 3, 81, 81}; }

}  // namespace

BoardView::BoardView(QWidget* parent, const SharpArt& art) : QWidget(parent), art_(art) {
  setAutoFillBackground(true);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(grey);
  field_ = new PictureView(
      this, [this]() -> const QImage& { return board_; }, 2);
  field_->Sharp = [this](double scale) { return Sharp(boardLog_, board_, scale); };
  field_->Revision = [this] { return boardLog_.Revision(); };
  field_->OnPress = [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint p) {
    if (p.x() < 0 || p.y() < 0 || p.x() >= 400 || p.y() >= 400 || !OnSquare) return;
    OnSquare(p.x() / 80 + 1, p.y() / 80 + 1);
  };
  field_->OnOverlay = [this](QPainter& p) { PaintBoardMarks(p); };
  for (int i = 0; i < kHandSize; ++i) {
    enemyHand_[i] = new PictureView(this, [this, i]() -> const QImage& { return enemyPic_[i]; });
    enemyHand_[i]->Sharp = [this, i](double s) { return Sharp(enemyLog_[i], enemyPic_[i], s); };
    enemyHand_[i]->Revision = [this, i] { return enemyLog_[i].Revision(); };
    playerHand_[i] = new PictureView(this, [this, i]() -> const QImage& { return playerPic_[i]; });
    playerHand_[i]->Sharp = [this, i](double s) { return Sharp(playerLog_[i], playerPic_[i], s); };
    playerHand_[i]->Revision = [this, i] { return playerLog_[i].Revision(); };
    playerHand_[i]->OnPress = [this, i](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
      if (OnHand) OnHand(i);
    };
    playerHand_[i]->OnOverlay = [this, i](QPainter& p) {
      if (selected_ != i) return;
      p.setBrush(Qt::NoBrush);
      PaintFrame(p, QRect(2, 2, 76, 76), QPen(QColor(255, 255, 0), 4));
    };
  }
  SetPosition(state_);
  Layout();
}

void BoardView::SetCards(const CardTable* cards) {
  if (!cards || cards_) return;
  cards_ = cards;
  AccessibleParts board;
  board.name = [] { return QCoreApplication::translate("Speech", "盤"); };
  board.items = [this] { return cards_ ? int(DiamondSquares().size()) : 0; };
  board.itemName = [this](int i) { return SquareSpeech(state_, *cards_, DiamondSquares()[i]); };
  board.itemRect = [this](int i) {
    const BoardSquare sq = DiamondSquares()[i];
    const double b = field_->Border();
    return QRectF((b + 80 * (sq.column - 1)) * zoom_, (b + 80 * (sq.row - 1)) * zoom_, 80 * zoom_,
                  80 * zoom_)
        .toRect();
  };
  board.focusedItem = [this] {
    return cursor_ ? DiamondIndex({cursor_->first, cursor_->second}) : -1;
  };
  MakeAccessible(field_, std::move(board));
  for (int i = 0; i < kHandSize; ++i) {
    AccessibleParts mine, theirs;
    mine.name = [this, i] { return HandSpeech(state_, *cards_, true, i); };
    mine.focused = [this, i] { return selected_ == i && !cursor_; };
    theirs.name = [this, i] { return HandSpeech(state_, *cards_, false, i); };
    MakeAccessible(playerHand_[i], std::move(mine));
    MakeAccessible(enemyHand_[i], std::move(theirs));
  }
}

void BoardView::SetPosition(const DuelState& s) {
  state_ = s;
  PaintBoardState(board_, &boardLog_, art_.Small(), s);
  for (int i = 0; i < kHandSize; ++i) {
    PaintHandCard(playerPic_[i], &playerLog_[i], art_.Small(), s.PlayerHand[i], false);
    PaintHandCard(enemyPic_[i], &enemyLog_[i], art_.Small(), s.EnemyHand[i], true);
    // A placed card's picture is hidden, as in the duel.
    playerHand_[i]->setVisible(!s.PlayerPlayed[i] && IsValidCardId(s.PlayerHand[i]));
    enemyHand_[i]->setVisible(!s.EnemyPlayed[i] && IsValidCardId(s.EnemyHand[i]));
    playerHand_[i]->update();
    enemyHand_[i]->update();
  }
  field_->update();
  if (cards_) {
    TellChanged(field_);
    for (int i = 0; i < kHandSize; ++i) TellChanged(playerHand_[i]), TellChanged(enemyHand_[i]);
  }
}

void BoardView::SetMarks(std::vector<Mark> marks) {
  marks_ = std::move(marks);
  field_->update();
}

void BoardView::SetSelectedSlot(int slot) {
  const bool moved = slot != selected_;
  selected_ = slot;
  for (PictureView* v : playerHand_) v->update();
  if (moved && IsValidSlot(slot) && cards_) TellFocus(playerHand_[slot]);
}

void BoardView::SetCursor(std::optional<std::pair<int, int>> square) {
  const bool moved = square != cursor_;
  cursor_ = square;
  field_->update();
  if (moved && square && cards_) TellFocus(field_, DiamondIndex({square->first, square->second}));
}

void BoardView::SetZoom(double zoom) {
  if (zoom <= 0) return;
  zoom_ = zoom;
  Layout();
}

void BoardView::Layout() {
  setFixedSize(ZoomRect(QRect(QPoint(0, 0), kSize), zoom_).size());
  field_->setGeometry(ZoomRect(kField, zoom_));
  field_->SetZoom(zoom_);
  for (int i = 0; i < kHandSize; ++i) {
    enemyHand_[i]->setGeometry(ZoomRect(EnemyHandRect(i), zoom_));
    playerHand_[i]->setGeometry(ZoomRect(PlayerHandRect(i), zoom_));
    enemyHand_[i]->SetZoom(zoom_);
    playerHand_[i]->SetZoom(zoom_);
  }
}

QImage BoardView::Sharp(const PaintLog& log, const QImage& small, double scale) const {
  if (!log.Complete()) return {};
  return PaintLogAt(log, small.size(), art_, scale);
}

void BoardView::PaintBoardMarks(QPainter& p) const {
  p.save();
  p.setBrush(Qt::NoBrush);
  for (const Mark& m : marks_) {
    const QRect r(80 * (m.column - 1), 80 * (m.row - 1), 80, 80);
    PaintFrame(p, r.adjusted(2, 2, -3, -3),
               QPen(m.colour, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (m.tag.isEmpty()) continue;
    PaintTag(p, QRect(r.x() + 10, r.y() + 50, 60, 16), m.colour, m.tag, GothicFont(11, true));
  }
  if (cursor_) {
    PaintCursorFrame(p, QRect(80 * (cursor_->first - 1), 80 * (cursor_->second - 1), 80, 80)
                            .adjusted(8, 8, -9, -9));
  }
  p.restore();
}

}  // namespace korvane
