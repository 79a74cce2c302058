// The review of a duel that was played: for every placement, what perfect play from there on
// would have given, what the mover's best placement would have kept, and a label for the move.
//
// Values are always the player's: the face-up margin at the end (player's face-up cards minus
// the enemy's, -5..5) with both sides playing perfectly, whoever moves. `value` is that margin
// after the placement that was made; `best_value` the same after the mover's best placement,
// that is, the value of the position before the move. The player tries to raise it, the enemy
// to lower it, so a move keeps the value when, seen from the mover's side, it gives up nothing.
//
// Labels, from the mover's side:
//   best        keeps the value, and another square-and-kind would have kept it too
//   only        keeps the value, and no other square-and-kind would have
//   inaccuracy  the outcome stays (win, draw or loss) but the margin shrinks
//   mistake     the outcome drops one step: a win to a draw, or a draw to a loss
//   blunder     a win turns into a loss
// Cards of one kind in one hand placed on the same square are one move: they lead to the same
// duel (the solver folds them the same way).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card_table.h"
#include "engine/duel_model.h"
#include "engine/duel_state.h"
#include "engine/placement.h"

namespace korvane {

enum class MoveLabel { Best, Only, Inaccuracy, Mistake, Blunder };

// "best", "only", "inaccuracy", "mistake", "blunder".
std::string_view MoveLabelName(MoveLabel label);

// The one rule behind every label the game, the tool and the tests show. bestValue and value
// are the player's margins as above; keepingMoves counts the mover's square-and-kind moves that
// keep bestValue (the move made among them when it keeps it).
MoveLabel ReviewLabel(int bestValue, int value, bool enemyMoved, int keepingMoves);

// What the review needs of one position: its value (the player's margin with perfect play) and
// every move of the side to move that keeps it.
struct PositionValue {
  int margin = 0;
  std::vector<Placement> keeping;
};
// The exact solver, every best move proved. A reviewer that keeps its table between positions
// can stand in for it (ReviewDuel takes any such function).
PositionValue SolvePosition(const DuelState& s);
using PositionSolver = std::function<PositionValue(const DuelState&)>;

struct ReviewedMove {
  Placement move;
  int value = 0;         // the player's margin after this move, perfect play from there
  int bestValue = 0;     // the same after the mover's best move
  int keepingMoves = 0;  // the mover's square-and-kind moves that keep bestValue
  MoveLabel label = MoveLabel::Best;
  // For a move that did not keep the value: a placement that would have.
  std::optional<Placement> alternative;
};

struct DuelReview {
  std::vector<ReviewedMove> moves;  // in the order played
  int playerMoves = 0;              // the player's placements
  int playerKept = 0;               // of them, those that kept the value (best or only)
  int mistakes = 0;                 // the player's mistakes
  int blunders = 0;                 // the player's blunders
  // Share of the player's placements that kept the value; nullopt when the player made none.
  std::optional<double> Accuracy() const;
};

// The duel as it was played: both hands (card ids), who began, every placement in order.
struct PlayedDuel {
  std::array<int, kHandSize> player{};
  std::array<int, kHandSize> enemy{};
  bool playerFirst = true;
  std::vector<Placement> moves;
};

// The duel's deal: the board of a new duel with its hands, the fields and the first turn.
DuelState DealOf(const PlayedDuel& duel, const CardTable& cards);

class Analyst;
// A PositionSolver that answers from an analyst which has solved this duel from its deal (every
// best move proved, from its kept table): a whole review then costs little more than one solve.
PositionSolver AnalystSolver(Analyst& analyst);

// Reviews every placement. nullopt, with *error (English), when the first mover is not the one
// the hands give or a placement cannot be made where it was recorded.
std::optional<DuelReview> ReviewDuel(const PlayedDuel& duel, const CardTable& cards,
                                     std::string* error = nullptr,
                                     const PositionSolver& solve = SolvePosition);

}  // namespace korvane
