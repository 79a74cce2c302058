// 詰めKORVANE: positions of a duel in which the player has exactly one good placement.
//
// What a puzzle is
// ----------------
// A position of a duel with the player to move, proved by the exact solver:
//   - the best the player can reach is a win or a draw (the outcome band of the perfect-play
//     margin: win > 0, draw 0, loss < 0);
//   - exactly one placement keeps that band, and every other placement drops at least one band
//     (a win to a draw or a loss, a draw to a loss), so the position is not won or drawn
//     whatever is played, and a position with a single possible placement is no puzzle.
// Cards of one kind (one card id) in one hand placed on the same square lead to the same duel,
// so they are one placement.
//
// The solution goes on after that first placement as long as the player's next placement is
// again the only one that keeps the band, against a best reply of the opponent (one that keeps
// the exact margin): among the opponent's best replies, in visiting order, the first after which
// the player's placement stays unique is taken. It ends with the player's last unique placement;
// a placement the player is forced to (one possible placement) is not part of it.
//
// A puzzle is stored as the deal (both hands) with the placements that lead to the position, and
// the solution (the player's placements with the opponent's replies between them).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/card_table.h"
#include "engine/duel_state.h"
#include "engine/placement.h"

namespace korvane {

struct Puzzle {
  std::string id;
  std::optional<int> level;  // 1 (easy) .. 5 (hard); see GradePuzzle
  std::array<int, kHandSize> player{};
  std::array<int, kHandSize> enemy{};
  std::vector<Placement> moves;     // from the deal to the position
  std::vector<Placement> solution;  // the player's placement first, then reply, placement, ...
  bool operator==(const Puzzle&) const = default;
};

constexpr int kPuzzleLevels = 5;

// The outcome band of a player's margin: 1 win, 0 draw, -1 loss.
inline int OutcomeBand(int margin) { return (margin > 0) - (margin < 0); }

// What the solver proves of a position.
struct PuzzleAnalysis {
  bool qualifies = false;
  std::string why;     // when it does not: in English
  int margin = 0;      // the player's margin with perfect play
  int left = 0;        // cards still to place, both sides
  int placements = 0;  // the player's placements in the position (one per square and kind)
  int tempted = 0;     // of the six opponents' evaluations, those drawn to a losing placement
  std::vector<Placement> solution;
};

// Whether the position (the player's turn; fields as the board shows them) is a puzzle, and its
// solution. With `extend` false only the first placement is worked out.
PuzzleAnalysis AnalysePuzzle(const DuelState& position, bool extend = true);

// The level from the cards left, the length of the solution and how tempting the losing
// placements are (see the implementation for the points).
int GradePuzzle(const PuzzleAnalysis& analysis);

// The position of a puzzle: its deal with the placements made, in turn. nullopt, with *error,
// when a placement cannot be made there.
std::optional<DuelState> PuzzlePosition(const Puzzle& puzzle, const CardTable& cards,
                                        std::string* error = nullptr);

// Proves a stored puzzle: the position qualifies, its first placement is the one that keeps the
// band, every reply of the opponent keeps the margin, every later placement of the player is
// again the only one, the solution ends with the player's placement, and a level given is the
// one GradePuzzle gives. The analysis is returned with `qualifies` false and the reason when any
// of it fails.
PuzzleAnalysis CheckPuzzle(const Puzzle& puzzle, const CardTable& cards);

}  // namespace korvane
