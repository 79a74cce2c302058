// The puzzle window (詰めKORVANE): a puzzle's position on the real board art with
// "あなたの番：勝てる一手は？"; the player places as in a duel. A wrong placement shows the
// opponent's refutation played out to the last card, then the player tries again; a right one
// plays the opponent's reply and asks for the next, until the puzzle is solved. A solved puzzle
// joins the player's solved list and moves the rating (PuzzleProgress). Keyboard throughout:
//   1-5 a hand card, the arrows a square, Enter places, R again, N / P the next and the previous
//   puzzle, F1 the keys, Esc closes. The list of puzzles beside the board shows each one's level
//   and a mark for those solved; clicking one opens it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <utility>
#include <vector>

#include "puzzle/puzzle_session.h"
#include "solver/puzzle.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {

class BoardView;
class CardTable;
class PuzzleProgress;
class SharpArt;
class ViewZoom;

class PuzzleWindow : public QDialog {
 public:
  static constexpr QSize kSize{900, 560};

  // `puzzles` to go through from `first`; `progress` (may be null) keeps the solved list and the
  // rating and must outlive the window.
  PuzzleWindow(std::vector<Puzzle> puzzles, int first, const CardTable& cards, const SharpArt& art,
               PuzzleProgress* progress, QWidget* parent = nullptr, double zoom = 1);

  const PuzzleSession* Session() const { return session_ ? &*session_ : nullptr; }
  int Index() const { return index_; }
  QString StatusText() const;

  // Follows the windows' zoom keys from now on.
  void Follow(ViewZoom* zoom);
  void SetZoom(double zoom);

  void OpenPuzzle(int index);
  // As a click on the square with the selected hand card.
  void PlaceOn(int column, int row);
  void SelectSlot(int slot);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Build();
  void Show();
  void FillList();
  void StepRefutation();
  void Solved();
  void MoveCursor(int dc, int dr);

  std::vector<Puzzle> puzzles_;
  int index_ = 0;
  const CardTable& cards_;
  const SharpArt& art_;
  PuzzleProgress* progress_;
  double zoom_;
  std::optional<PuzzleSession> session_;
  QTimer refutationTimer_;
  QString message_;
  BoardView* board_ = nullptr;
  QLabel *title_ = nullptr, *prompt_ = nullptr, *status_ = nullptr, *rating_ = nullptr;
  QListWidget* list_ = nullptr;  // every puzzle with its level and whether it is solved
  QPushButton *retry_ = nullptr, *next_ = nullptr, *close_ = nullptr;
  QPointer<ViewZoom> follow_;
  int slot_ = -1;
  std::pair<int, int> cursor_{3, 3};
};

// Opens the puzzles window-modal over `parent` at `first` and returns at once; the window deletes
// itself when closed.
PuzzleWindow* ShowPuzzles(QWidget* parent, std::vector<Puzzle> puzzles, int first,
                          const CardTable& cards, const SharpArt& art, PuzzleProgress* progress,
                          double zoom = 1, ViewZoom* follow = nullptr);

}  // namespace korvane
