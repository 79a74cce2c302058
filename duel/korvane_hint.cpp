// The move hint: the best move for the player, worked out off the window's thread and marked
// until the position changes.
#include <cstdint>

#include "duel/hint_worker.h"
#include "duel/korvane.h"
#include "state/game_state.h"

namespace korvane {

bool Korvane::HintAllowed() const {
  return open_ && Ctl.Field.Visible && Duel.Turn == TurnState::Player && game_.TutorialMode == 0 &&
         !settling_ && !asking_ && OpponentIndex() > 0;
}

bool Korvane::HintPending() const { return hintWorker_->Busy(); }

bool Korvane::HintSolving() const { return !hintWorker_->Idle(); }

void Korvane::RequestHint() {
  // Asked already: the mark is up, or on its way.
  if (!HintAllowed() || Hint || hintWorker_->Busy()) return;
  const uint64_t position = position_;
  hintWorker_->Start(Duel, Weights, HintBudget, [this, position](const PlayerHint& h) {
    // Arrives from the event loop, at any moment: only for the position it was asked for.
    if (position != position_ || !HintAllowed() || !h.valid) return;
    if (!IsValidSlot(h.slot) || Duel.PlayerPlayed[h.slot] || !IsPlayable(h.column, h.row) ||
        Duel.BoardCard[h.column][h.row] != kEmptySquare) {
      return;
    }
    Hint = HintMark{h.slot, BoardSquare{h.column, h.row}, h.exact};
    if (OnHintShown) OnHintShown(OpponentIndex());
    if (Changed) Changed();
  });
}

void Korvane::PositionChanged() {
  ++position_;
  Hint.reset();
  hintWorker_->Cancel();
}

}  // namespace korvane
