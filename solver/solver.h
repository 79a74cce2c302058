// Perfect play. Once the hands are dealt a duel hides nothing and draws no random number, so
// the outcome with both sides playing their best can be computed exactly.
//
// What is computed
// ----------------
// The value of a position is the face-up margin the end test counts once all ten cards lie on
// the board: the player's face-up cards minus the enemy's (-5..5). The player plays to make it
// as large as possible, the enemy as small as possible; a positive margin is a player win, zero a
// draw, a negative one an enemy win. `Solve` gives that value, every move of the side to move
// that keeps it, one principal line (both sides' best moves to the end) and the nodes searched.
//
// How
// ---
// Negamax with alpha-beta over the margin seen by the side to move, on the engine's own rules:
// every move is the engine's placement followed by its field recomputation, as the duel
// window's redraw after every placement runs them (engine/board_bits.h, the same code that
// `PlacePlayerCard`, `PlaceEnemyCard` and `ComputeFields` run); the flips count as shown at
// once. A transposition table keyed by the exact board (13 squares of 4 bits), the cards still
// in hand and the turn remembers the bounds proved for each position. Identical cards in one
// hand are one card to the search: placing either leads to the same duel, so only the lowest
// unplayed slot of each kind is tried, and the table does not tell them apart. Moves are ordered
// by the margin they leave on the board and by how often they cut off elsewhere, the table's
// best move first. A side never ends with more face-up cards than it has plus the cards it still
// holds, nor with fewer than its face-up cards that no card still to come can reach; those
// bounds cut hopeless and safe positions short. The root value comes from null-window tests
// around a first guess (the margin is a small integer), and each root move is proved to keep
// the value or not with one more null-window test.
//
// The search polls a stop flag and a deadline every 1024 nodes; a stopped solve reports
// `finished == false` and nothing else of it is meaningful. Solve keeps no state between calls
// and may run on any thread; the analyst (analyst.h) keeps one search and its table for a
// whole duel instead.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/duel_model.h"
#include "engine/duel_state.h"
#include "engine/placement.h"

namespace korvane {

// PlayPlacement (engine/duel_model.h) makes a placement the way a duel makes it: the slot is
// selected, the placing side's placement runs, the fields are recomputed and the flips count as
// shown.

// Every legal placement of the side whose turn it is, in the opponent's visiting order: squares
// row by row from row 1, columns left to right, slots 0..4 on each square.
std::vector<Placement> LegalPlacements(const DuelState& s);

struct SolveLimits {
  // Set from another thread to give up; polled every 1024 nodes.
  const std::atomic<bool>* stop = nullptr;
  // Give up when this moment has passed.
  std::optional<std::chrono::steady_clock::time_point> deadline;
  // true: prove every root move and list all that keep the value (one more test per move).
  // false: list one best move only: the first of `preferred` that keeps the value, or the
  // search's own choice when `preferred` names none.
  bool allBest = true;
  std::vector<Placement> preferred;
  // Play out and report one principal line.
  bool principalLine = true;
};

struct SolveResult {
  bool finished = false;               // false: stopped or out of time before the value was proved
  TurnState turn = TurnState::Nobody;  // the side to move in the position solved
  int margin = 0;  // player's face-up cards minus the enemy's at the end, with perfect play
  std::vector<Placement> best;  // moves of the side to move that keep the margin
  std::vector<Placement> line;  // one perfect continuation to the last placement
  uint64_t nodes = 0;           // positions searched, all passes together
  double seconds = 0;

  // The margin as the side to move sees it (positive: it wins).
  int MoverValue() const { return turn == TurnState::Enemy ? -margin : margin; }
};

// Solves the position. The duel state is taken as the board shows it: the fields are
// recomputed first (a settled board does not change), and the turn must be the player's or the
// enemy's. A duel whose ten cards are all placed has its count as margin and no best move.
// Throws std::invalid_argument for "Nobody's Turn" with cards still in hand.
SolveResult Solve(const DuelState& s, const SolveLimits& limits = {});

}  // namespace korvane
