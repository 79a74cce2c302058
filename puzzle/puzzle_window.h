// The puzzle window (詰めKORVANE): a puzzle's position on the real board art with
// "あなたの番：勝てる一手は？"; the player places as in a duel. A wrong placement shows the
// opponent's refutation played out to the last card, then the player tries again; a right one
// plays the opponent's reply and asks for the next, until the puzzle is solved. A solved puzzle
// joins the player's solved list and moves the rating (PuzzleProgress). Keyboard throughout:
//   1-5 a hand card, the arrows a square, Enter places, R again, N / P the next and the previous
//   puzzle, Tab the other list, F1 the keys, Esc closes. The list beside the board shows each
//   puzzle's level and a mark for those solved; clicking one opens it. Two lists: the set the
//   game ships (問題集), and the player's own (自分の対局から), mined from the duel record in the
//   save folder in the background once the window opens.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "puzzle/own_puzzles.h"
#include "puzzle/puzzle_session.h"
#include "solver/puzzle.h"
#include "state/puzzle_progress.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTabBar;

namespace korvane {

class BoardView;
class CardTable;
class SharpArt;
class ViewZoom;

class PuzzleWindow : public QDialog {
 public:
  static constexpr QSize kSize{900, 560};

  // The shipped `puzzles` to go through from `first`; `progress` (may be null) keeps the solved
  // lists and the rating and must outlive the window, as `cards` must.
  PuzzleWindow(std::vector<Puzzle> puzzles, int first, const CardTable& cards, const SharpArt& art,
               PuzzleProgress* progress, QWidget* parent = nullptr, double zoom = 1);
  ~PuzzleWindow() override;

  // Looks for the player's own puzzles in the duel record of `saveDirectory`, off the window's
  // thread; the second list fills when they are found.
  void FindOwnPuzzles(const QString& saveDirectory);
  bool OwnSearched() const { return ownSearched_; }
  const std::vector<OwnPuzzle>& Own() const { return own_; }

  const PuzzleSession* Session() const { return session_ ? &*session_ : nullptr; }
  // The list in view, and the puzzle open in it.
  PuzzleSet Set() const { return set_; }
  void ShowSet(PuzzleSet set);
  int Index() const { return index_[static_cast<int>(set_)]; }
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
  bool focusNextPrevChild(bool) override { return false; }  // Tab switches the lists

 private:
  void Build();
  void Show();
  void FillList();
  void StepRefutation();
  void Solved();
  void MoveCursor(int dc, int dr);
  // The solver's work for the open puzzle, on the window's own worker thread: `work` runs there
  // and returns what to do with the session back on the window's thread. A newer job of the same
  // kind, another puzzle or the window's end drops it.
  struct Job {
    int generation = 0;
    std::shared_ptr<std::atomic<bool>> cancel;
    void Drop();
  };
  using Work = std::function<std::function<void(PuzzleSession&)>(const std::atomic<bool>*)>;
  void OffThread(Job& job, Work work);
  int Count() const;
  const Puzzle& PuzzleAt(int index) const;
  QString ListLine(int index) const;
  QString Title() const;

  std::vector<Puzzle> puzzles_;
  std::vector<OwnPuzzle> own_;
  PuzzleSet set_ = PuzzleSet::Shipped;
  int index_[2] = {0, 0};
  QString ownNote_;
  bool ownSearched_ = false;
  std::unique_ptr<OwnPuzzleMiner> miner_;
  const CardTable& cards_;
  const SharpArt& art_;
  PuzzleProgress* progress_;
  double zoom_;
  std::optional<PuzzleSession> session_;
  QThreadPool solver_;
  Job goal_, refuting_;
  QTimer refutationTimer_;
  QString message_;
  BoardView* board_ = nullptr;
  QLabel *title_ = nullptr, *prompt_ = nullptr, *status_ = nullptr, *rating_ = nullptr;
  QTabBar* sets_ = nullptr;
  QListWidget* list_ = nullptr;  // every puzzle with its level and whether it is solved
  QPushButton *retry_ = nullptr, *next_ = nullptr, *close_ = nullptr;
  QPointer<ViewZoom> follow_;
  int slot_ = -1;
  std::pair<int, int> cursor_{3, 3};
};

// Opens the puzzles window-modal over `parent` at `first` and returns at once; the window deletes
// itself when closed. With a `saveDirectory` it looks for the player's own puzzles there.
PuzzleWindow* ShowPuzzles(QWidget* parent, std::vector<Puzzle> puzzles, int first,
                          const CardTable& cards, const SharpArt& art, PuzzleProgress* progress,
                          double zoom = 1, ViewZoom* follow = nullptr,
                          const QString& saveDirectory = QString());

}  // namespace korvane
