// One 詰めKORVANE puzzle being solved, without any widget: the position, the player's tries, the
// opponent's replies from the solution, and after a wrong placement the refutation (perfect play
// by both sides to the last card) to be shown before the player tries again.
//
// The session itself never searches: the goal (the position's value) and a refutation take the
// solver up to a few hundred milliseconds, so the window works them out off its thread with
// GoalMargin and RefutationLine and hands them in with SetMargin and SetRefutation.
#pragma once

#include <QDate>
#include <atomic>
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
  // The position the goal is the value of.
  const DuelState& Asked() const { return asked_; }

  const Puzzle& Of() const { return puzzle_; }
  Phase State() const { return phase_; }
  // What the board shows now.
  const DuelState& Position() const { return shown_; }
  // The puzzle's goal, once handed in: a win (true) or holding a draw (false), from the value
  // of the position.
  void SetMargin(int margin) { margin_ = margin; }
  bool GoalKnown() const { return margin_.has_value(); }
  bool GoalIsWin() const { return margin_.value_or(0) > 0; }
  int Margin() const { return margin_.value_or(0); }
  // Wrong placements so far.
  int Wrong() const { return wrong_; }
  // The player's placements of the solution found so far, and how many it has.
  int Found() const { return static_cast<int>(step_ + 1) / 2; }
  int ToFind() const { return static_cast<int>(puzzle_.solution.size() + 1) / 2; }
  // The opponent's reply made after the last right placement, if any.
  std::optional<Placement> LastReply() const { return lastReply_; }

  // The player puts `slot` on (column, row). Right: the placement is made and the opponent's
  // reply from the solution follows (or the puzzle is solved). Wrong: the placement is made and
  // the refutation of the position it leaves (Position()) is awaited. Refused: not legal now,
  // or not the player's turn.
  Try Place(int slot, int column, int row);

  // After a wrong placement: the refutation, RefutationLine of the position it left.
  void SetRefutation(std::vector<Placement> line);
  bool RefutationKnown() const { return refutationKnown_; }
  // The refutation's next placement is made; false when it has all been shown (the board then
  // holds the end of the duel) or is not known yet.
  bool ShowNextRefutation();
  bool RefutationShown() const { return refutationKnown_ && refuted_ >= refutation_.size(); }
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
  std::optional<int> margin_;
  int wrong_ = 0;
  Phase phase_ = Phase::Asking;
  std::vector<Placement> refutation_;
  bool refutationKnown_ = false;
  size_t refuted_ = 0;  // refutation placements shown
  std::optional<Placement> lastReply_;
};

// The solver's part, for any thread: the value of the asked position (the player's margin with
// perfect play), and the refutation of a wrong placement (perfect play by both sides from the
// position it left to the last card). nullopt when `stop` was set first.
std::optional<int> GoalMargin(const DuelState& asked, const std::atomic<bool>* stop = nullptr);
std::optional<std::vector<Placement>> RefutationLine(const DuelState& afterWrong,
                                                     const std::atomic<bool>* stop = nullptr);

// The puzzle of the day out of `count`: the same all day, another the next.
int PuzzleOfTheDay(const QDate& date, int count);

}  // namespace korvane
