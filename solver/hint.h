// The move hint for the player: which hand card to put on which square.
//
// For the duel window (no Qt here; call it from a worker thread):
//
//   std::atomic<bool> stop{false};               // set it when the position changes
//   PlayerHint h = HintForPlayer(state, weights, kHintBudget, &stop);
//   if (h.valid) mark hand slot h.slot and square (h.column, h.row);
//   h.exact tells whether it is perfect play (say so), or the opponent's own evaluation.
//
// - `state` is the duel as the board shows it, at the player's turn ("Player's Turn", a card
//   still in hand). Flip clocks still running do not matter: the flips count as shown.
// - `weights` are the current opponent's (the ones its own move choice uses).
// - Within `budget` the exact solver runs; when it proves the value in time the hint is exact:
//   a move that keeps the best reachable margin, and among those the one the opponent's
//   evaluation rates highest for the player (so a lost position still gets a sensible move).
// - Otherwise (out of time, or a budget of zero, or the stop flag set) the hint is the opponent's
//   own evaluation run for the player's side (`ChooseEnemyMove` on the board seen from the other
//   side, `MirrorSides`), with a fixed seed: the same position always gives the same hint.
// - The stop flag is polled every 1024 nodes; a flag set before the call returns at once with
//   `stopped` set, which a caller that dropped the request ignores anyway.
// - Nothing is placed, and `state` is not changed.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "ai/ai.h"
#include "engine/duel_state.h"
#include "solver/solver.h"

namespace korvane {

constexpr std::chrono::milliseconds kHintBudget{150};

struct PlayerHint {
  bool valid = false;    // false: not the player's turn, or nothing left to place
  bool exact = false;    // true: perfect play; false: the opponent's own evaluation
  bool stopped = false;  // the stop flag was set before the solver finished
  int slot = -1;         // the player's hand slot 0..4
  int column = 0;        // the square, 1..5 each
  int row = 0;
  int margin = 0;      // exact hints: player's face-up minus enemy's at the end, perfect play
  uint64_t nodes = 0;  // positions the solver searched
};

PlayerHint HintForPlayer(const DuelState& state, const AiWeights& weights,
                         std::chrono::milliseconds budget = kHintBudget,
                         const std::atomic<bool>* stop = nullptr);

// The two halves of HintForPlayer, for a solver of its own (the analyst). `state` has its fields
// up to date. `fallback` is the opponent's evaluation's move (valid == false: no hint for this
// position); `preferred` lists the moves the exact hint is chosen from, best first: the exact
// hint is the first of them that keeps the value.
struct HintCandidates {
  PlayerHint fallback;
  std::vector<Placement> preferred;
};
HintCandidates HintCandidatesFor(const DuelState& state, const AiWeights& weights);
// The exact hint once the solver has named the first preferred move that keeps the value.
PlayerHint ExactHintOf(const PlayerHint& fallback, const SolveResult& solved);

}  // namespace korvane
