#include "puzzle/puzzle_session.h"

#include "engine/duel_model.h"
#include "engine/rules.h"
#include "solver/solver.h"

namespace korvane {

std::optional<PuzzleSession> PuzzleSession::Open(const Puzzle& puzzle, const CardTable& cards) {
  std::optional<DuelState> position = PuzzlePosition(puzzle, cards);
  if (!position || position->Turn != TurnState::Player || puzzle.solution.empty()) {
    return std::nullopt;
  }
  return PuzzleSession(puzzle, *position);
}

PuzzleSession::PuzzleSession(Puzzle puzzle, DuelState position)
    : puzzle_(std::move(puzzle)), asked_(position), shown_(position) {}

std::optional<int> GoalMargin(const DuelState& asked, const std::atomic<bool>* stop) {
  // Only the best value is needed.
  SolveLimits limits;
  limits.stop = stop;
  limits.allBest = false;
  limits.principalLine = false;
  const SolveResult r = Solve(asked, limits);
  if (!r.finished) return std::nullopt;
  return r.margin;
}

std::optional<std::vector<Placement>> RefutationLine(const DuelState& afterWrong,
                                                     const std::atomic<bool>* stop) {
  // One best move a position is enough.
  SolveLimits limits;
  limits.stop = stop;
  limits.allBest = false;
  const SolveResult r = Solve(afterWrong, limits);
  if (!r.finished) return std::nullopt;
  return r.line;
}

PuzzleSession::Try PuzzleSession::Place(int slot, int column, int row) {
  if (phase_ != Phase::Asking) return Try::Refused;
  const Placement m{false, slot, column, row};
  if (!IsLegalPlacement(shown_, m)) return Try::Refused;
  const Placement& key = puzzle_.solution[step_];
  // Cards of one kind on the same square are the same placement.
  const bool right = column == key.column && row == key.row &&
                     shown_.PlayerHand[slot] == shown_.PlayerHand[key.slot];
  PlayPlacement(shown_, m);
  if (!right) {
    ++wrong_;
    phase_ = Phase::Refuted;
    refutation_.clear();
    refutationKnown_ = false;
    refuted_ = 0;
    lastReply_.reset();
    return Try::Wrong;
  }
  lastReply_.reset();
  if (step_ + 1 >= puzzle_.solution.size()) {
    phase_ = Phase::Solved;
    return Try::Right;
  }
  lastReply_ = puzzle_.solution[step_ + 1];
  PlayPlacement(shown_, *lastReply_);
  step_ += 2;
  asked_ = shown_;
  return Try::Right;
}

void PuzzleSession::SetRefutation(std::vector<Placement> line) {
  if (phase_ != Phase::Refuted || refutationKnown_) return;
  refutation_ = std::move(line);
  refutationKnown_ = true;
}

bool PuzzleSession::ShowNextRefutation() {
  if (phase_ != Phase::Refuted || !refutationKnown_ || refuted_ >= refutation_.size()) return false;
  PlayPlacement(shown_, refutation_[refuted_++]);
  return true;
}

FaceUpCount PuzzleSession::Count() const { return CountFaceUp(shown_); }

void PuzzleSession::Retry() {
  if (phase_ != Phase::Refuted) return;
  shown_ = asked_;
  refutation_.clear();
  refutationKnown_ = false;
  refuted_ = 0;
  phase_ = Phase::Asking;
}

int PuzzleOfTheDay(const QDate& date, int count) {
  if (count <= 0 || !date.isValid()) return 0;
  // Days step through the set by a stride prime to any count below it, so that neighbouring
  // days do not show neighbouring puzzles.
  const qint64 day = date.toJulianDay();
  return static_cast<int>(((day * 7919) % count + count) % count);
}

}  // namespace korvane
