// The duel window's keyboard. Every key stands for a click and calls that click's handler of the
// Korvane logic, which decides as it does for the mouse; a key for a hidden control does
// nothing, exactly like a click that cannot reach it.
//
//   deck list   arrows move the list cursor (the page follows), PageUp/PageDown turn the page,
//               Space presses the card (preview), Enter presses and double-clicks it (takes it)
//   buttons     S "勝負！" (and Enter once five are taken), R "選び直す", Q "終わり"; A the album
//               (its button); Backspace gives the taken cards back with one to four taken, as
//               "選び直す" does with five
//   board       1-5 choose a hand card, PageUp/PageDown the previous/next card still in hand
//               (a controller's shoulder buttons), arrows move the square cursor, Enter or Space
//               place on its square as a click there does; H the move hint
//   tutorial    Enter or Space press "ふむふむ"
//   window      Esc closes as the close button does, F1 shows the keys, F2 switches the pace,
//               F3 shows the rules page; while the result line is up any key only ends it
#pragma once

#include <QString>
#include <Qt>
#include <initializer_list>
#include <optional>

#include "duel/korvane.h"
#include "ui/key_help.h"

class QPainter;
class QWidget;

namespace korvane {

class DuelKeys {
 public:
  // What the view does after a key: the logic's handlers have already run.
  enum class Action { Ignored, Handled, Close, Help, PaceChanged, Album, Review, Rules };

  explicit DuelKeys(Korvane& logic) : k_(logic) {}
  Action Press(int key, Qt::KeyboardModifiers modifiers);

  // The card under the list cursor while the list shows it, else -1.
  int ListCursor() const;
  // The square under the board cursor while the board shows it.
  std::optional<BoardSquare> BoardCursor() const;

 private:
  Action ListKey(int key);
  Action BoardKey(int key);
  bool Owned(int card) const;
  void MoveListCursor(int key);
  // Makes sure the list shows the cursor's page, through the scroll bar's handler.
  void ShowCursorPage();
  // After a card was taken: the nearest card still shown on the page, or none.
  void RepairListCursor();
  void MoveBoardCursor(int key);
  // Chooses the previous (-1) or next (1) hand card not yet played.
  void StepHandCard(int step);

  Korvane& k_;
  int listCursor_ = -1;
  bool listShown_ = false;
  BoardSquare boardCursor_{3, 3};
  bool boardShown_ = false;
};

// The help text of F1 for the duel window, with the pace in use.
QString DuelKeyHelp(Pace pace);
// The pace as the player reads it.
QString PaceName(Pace pace);

// Marks over the board picture, in its 1x pixel coordinates: the enemy's last card, the hint's
// square and the keyboard's square cursor.
void PaintBoardMarks(QPainter& p, const std::optional<BoardSquare>& enemyMark,
                     const std::optional<BoardSquare>& cursor,
                     const std::optional<Korvane::HintMark>& hint = std::nullopt);
// The hint's mark over the hand card it means, 81 x 81.
void PaintHintCard(QPainter& p, const Korvane::HintMark& hint);
// What the hint's tag says: "最善手" (perfect play) or "参考手" (the opponent's way of thinking).
QString HintCaption(bool exact);
// The list cursor over an 80 x 80 card picture.
void PaintListCursor(QPainter& p);

}  // namespace korvane
