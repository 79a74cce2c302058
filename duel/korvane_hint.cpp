// The move hint: the best move for the player, worked out off the window's thread and marked
// until the position changes.
#include <algorithm>
#include <chrono>
#include <cstdint>

#include "duel/hint_worker.h"
#include "duel/korvane.h"
#include "solver/analyst.h"
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
  hintWorker_->Start(
      Duel, Weights, HintBudget,
      [this, position](const PlayerHint& h) {
        // Arrives from the event loop, at any moment: only for the position it was asked for.
        if (position != position_ || !HintAllowed() || !h.valid) return;
        if (!IsValidSlot(h.slot) || Duel.PlayerPlayed[h.slot] || !IsPlayable(h.column, h.row) ||
            Duel.BoardCard[h.column][h.row] != kEmptySquare) {
          return;
        }
        Hint = HintMark{h.slot, BoardSquare{h.column, h.row}, h.exact};
        if (OnHintShown) OnHintShown(OpponentIndex());
        if (Changed) Changed();
      },
      analyst_);
}

void Korvane::StartAnalyst() {
  RetireAnalyst();
  if (!UseAnalyst || game_.TutorialMode != 0 || OpponentIndex() <= 0) return;
  analyst_ = std::make_shared<Analyst>();
  analyst_->Start(Duel);
}

void Korvane::RetireAnalyst() {
  std::erase_if(retiring_, [](std::future<void>& f) {
    return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  });
  if (!analyst_) return;
  // Stopping joins its thread, which may take a moment on a busy machine.
  retiring_.push_back(std::async(std::launch::async, [old = std::move(analyst_)] { old->Stop(); }));
  analyst_.reset();
}

void Korvane::PositionChanged() {
  ++position_;
  Hint.reset();
  hintWorker_->Cancel();
}

}  // namespace korvane
