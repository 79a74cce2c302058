// The move hint and the album's view of the collections: what the duel window offers the player
// besides the game itself.
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

bool Korvane::AlbumAllowed() const {
  return open_ && Ctl.Picture1.Visible && !Ctl.Field.Visible && game_.TutorialMode == 0 &&
         !settling_ && !asking_ && !enemyMoving_ && Duel.Turn == TurnState::Nobody;
}

GameState Korvane::AlbumState() const {
  GameState shown = game_;
  for (int16_t id : Duel.PlayerHand) {
    // Shown only: a count at its limit stays there rather than stopping the game.
    if (IsValidCardId(id) && shown.Collections[0][id] < INT16_MAX) ++shown.Collections[0][id];
  }
  const int person = OpponentIndex();
  if (person > 0) shown.Collections[person] = OpponentStock;
  return shown;
}

}  // namespace korvane
