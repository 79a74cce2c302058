// BoardView: a duel position on the real board art, laid out as the duel window lays out a duel
// in play (the enemy's hand on the left, the board, the player's hand on the right), drawn at
// any zoom from the sharp art, with marks of its own over it. It shows what it is given and
// reports clicks; the window that holds it decides what they mean (the review, the puzzles).
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "engine/duel_state.h"
#include "ui/paint_log.h"

class QPainter;

namespace korvane {

class CardTable;
class PictureView;
class SharpArt;

// The key cursor's next square over the 13 squares of the diamond: the first playable square
// from `from` in the direction (dc, dr), or `from` when there is none.
std::pair<int, int> NextPlayableSquare(std::pair<int, int> from, int dc, int dr);

class BoardView : public QWidget {
 public:
  // The size at 1x: the duel window's client area.
  static constexpr QSize kSize{587, 406};

  BoardView(QWidget* parent, const SharpArt& art);

  // The position to show: its board, and both hands with the cards still to be played.
  void SetPosition(const DuelState& s);
  const DuelState& Position() const { return state_; }

  // A frame over a square, with a short tag along its bottom (may be empty).
  struct Mark {
    int column = 0, row = 0;
    QColor colour;
    QString tag;
  };
  void SetMarks(std::vector<Mark> marks);
  // The player's hand card chosen for the next placement (-1 none), and the keyboard's square.
  void SetSelectedSlot(int slot);
  void SetCursor(std::optional<std::pair<int, int>> square);

  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }

  // The card table the squares and hand cards are read from for a screen reader (without one
  // they are not described).
  void SetCards(const CardTable* cards);

  std::function<void(int column, int row)> OnSquare;
  std::function<void(int slot)> OnHand;  // the player's hand

 private:
  void Layout();
  void PaintBoardMarks(QPainter& p) const;
  QImage Sharp(const PaintLog& log, const QImage& small, double scale) const;

  const SharpArt& art_;
  DuelState state_;
  double zoom_ = 1;
  QImage board_;
  PaintLog boardLog_;
  std::array<QImage, kHandSize> playerPic_, enemyPic_;
  std::array<PaintLog, kHandSize> playerLog_, enemyLog_;
  PictureView* field_ = nullptr;
  std::array<PictureView*, kHandSize> playerHand_{}, enemyHand_{};
  std::vector<Mark> marks_;
  int selected_ = -1;
  std::optional<std::pair<int, int>> cursor_;
  const CardTable* cards_ = nullptr;
};

}  // namespace korvane
