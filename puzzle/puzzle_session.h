// One 詰めKORVANE puzzle being solved, without any widget: the position, the player's tries, the
// opponent's replies from the solution, and after a wrong placement the refutation (perfect play
// by both sides to the last card) to be shown before the player tries again.
#pragma once

#include <QDate>
#include <optional>
#include <vector>

#include "engine/card_table.h"
#include "engine/duel_state.h"
#include "engine/placement.h"
#include "engine/rules.h"
#include "solver/puzzle.h"

namespace korvane {

class PuzzleSession {
 public:
  enum class Phase {
    Asking,   // the player's turn: which placement?
    Refuted,  // a wrong placement was made; the refutation is being shown
    Solved,   // every placement of the solution was found
  };
  enum class Try { Refused, Right, Wrong };

  // nullopt when the puzzle's placements cannot be made (a damaged file).
  static std::optional<PuzzleSession> Open(const Puzzle& puzzle, const CardTable& cards);

  const Puzzle& Of() const { return puzzle_; }
  Phase State() const { return phase_; }
  // What the board shows now.
  const DuelState& Position() const { return shown_; }
  // The puzzle's goal: a win (true) or holding a draw (false), from the solution's value.
  bool GoalIsWin() const { return margin_ > 0; }
  int Margin() const { return margin_; }
  // Wrong placements so far.
  int Wrong() const { return wrong_; }
  // The player's placements of the solution found so far, and how many it has.
  int Found() const { return static_cast<int>(step_ + 1) / 2; }
  int ToFind() const { return static_cast<int>(puzzle_.solution.size() + 1) / 2; }
  // The opponent's reply made after the last right placement, if any.
  std::optional<Placement> LastReply() const { return lastReply_; }

  // The player puts `slot` on (column, row). Right: the placement is made and the opponent's
  // reply from the solution follows (or the puzzle is solved). Wrong: the placement is made and
  // the refutation is ready to be shown. Refused: not legal now, or not the player's turn.
  Try Place(int slot, int column, int row);

  // After a wrong placement: the refutation's next placement is made; false when it has all
  // been shown (the board then holds the end of the duel).
  bool ShowNextRefutation();
  const std::vector<Placement>& Refutation() const { return refutation_; }
  // The face-up count on the board (after the refutation: the duel's end).
  FaceUpCount Count() const;

  // Back to the position before the wrong placement, to try again.
  void Retry();

 private:
  PuzzleSession(Puzzle puzzle, DuelState position);

  Puzzle puzzle_;
  DuelState asked_;  // the position of the placement the player is looking for
  DuelState shown_;
  size_t step_ = 0;  // index of that placement in the solution
  int margin_ = 0;
  int wrong_ = 0;
  Phase phase_ = Phase::Asking;
  std::vector<Placement> refutation_;
  size_t refuted_ = 0;  // refutation placements shown
  std::optional<Placement> lastReply_;
};

// The puzzle of the day out of `count`: the same all day, another the next.
int PuzzleOfTheDay(const QDate& date, int count);

}  // namespace korvane
