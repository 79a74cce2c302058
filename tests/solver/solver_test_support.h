// What the solver tests share: positions reached by random play from a random deal, and a
// plain full-width minimax on the engine's own placing code (no pruning, no table), as the
// reference every solver answer is held against.
#pragma once

#include <algorithm>
#include <vector>

#include "ai/ai.h"
#include "engine/rules.h"
#include "solver/solver.h"
#include "tests/engine/engine_test_support.h"

namespace korvane::test {

inline const CardTable& Cards() {
  static const CardTable table = SourceCardTable();
  return table;
}

inline int Pick(RandomSource& rng, int n) {
  return std::min(n - 1, static_cast<int>(rng.Next() * n));
}

// One placement as the duel makes it, written out on the engine's operations.
inline void Advance(DuelState& s, bool enemy, int slot, int c, int r) {
  s.SelectedSlot = static_cast<int16_t>(slot);
  if (enemy) {
    PlaceEnemyCard(s, c, r);
  } else {
    PlacePlayerCard(s, c, r);
  }
  ComputeFields(s);
}

inline int CardsLeft(const DuelState& s) {
  int left = 0;
  for (int k = 0; k < kHandSize; ++k) left += !s.PlayerPlayed[k] + !s.EnemyPlayed[k];
  return left;
}

// A random deal (now and then from a small pool, so that hands hold identical cards), then
// random placements in turn until `left` cards remain.
inline DuelState RandomPosition(RandomSource& rng, int left) {
  DuelState s;
  const bool pool = rng.Next() < 0.3;
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(pool ? 36 + Pick(rng, 4) : Pick(rng, kCardKinds));
    s.EnemyHand[k] = static_cast<int16_t>(pool ? 29 + Pick(rng, 4) : Pick(rng, kCardKinds));
  }
  ResetBoard(s);
  LoadHandSides(s, Cards());
  ComputeFields(s);
  DecideFirstTurn(s);
  while (CardsLeft(s) > left) {
    const std::vector<Placement> moves = LegalPlacements(s);
    const Placement m = moves[Pick(rng, static_cast<int>(moves.size()))];
    Advance(s, m.enemy, m.slot, m.column, m.row);
  }
  return s;
}

// The final margin (player's face-up cards minus the enemy's, as the end test counts them) with
// the player maximising and the enemy minimising, every move tried to the end.
inline int ReferenceMargin(const DuelState& s) {
  const bool enemy = s.Turn == TurnState::Enemy;
  const auto& played = enemy ? s.EnemyPlayed : s.PlayerPlayed;
  int best = enemy ? 99 : -99;
  bool any = false;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (!IsPlayable(c, r) || s.BoardCard[c][r] != kEmptySquare) continue;
      for (int slot = 0; slot < kHandSize; ++slot) {
        if (played[slot]) continue;
        DuelState next = s;
        Advance(next, enemy, slot, c, r);
        const int v = ReferenceMargin(next);
        best = enemy ? std::min(best, v) : std::max(best, v);
        any = true;
      }
    }
  }
  if (any) return best;
  DuelState end = s;
  const std::optional<DuelOutcome> out = EndTest(end);
  EXPECT_TRUE(out.has_value());
  return out ? out->PlayerScore - out->EnemyScore : 0;
}

}  // namespace korvane::test
