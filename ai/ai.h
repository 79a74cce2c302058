// The opponent's move choice, its hand draw and its per-opponent weights.
//
// How the opponent thinks
// -----------------------
// The opponent looks exactly one move ahead, and it looks at everything: every card still in
// its hand on every empty square, visited row by row from its own side (row 1) down, columns
// left to right, hand slots 0 to 4 on each square. Each such candidate gets one number, and
// the highest number is played.
//
// The number is a weighted sum of four things, with four small integer weights that differ
// per opponent (SetWeightsFor) and are what makes one opponent play unlike another:
//   - FlipWeight per player card the move turns over, either by its bomb sides or because the
//     player card ends up inside the opponent's field once the fields are projected again;
//   - LossWeight per own card caught in its own bomb's blast;
//   - TerritoryWeight per empty square won (enemy field +1, player field -1, both 0), counted
//     before and after the move; and once more when the square lies outside its own field;
//   - SafetyBonus when no card left in the player's hand could reach the new card from a
//     square where the player's reply would itself stay face up.
// A move onto a square inside the player's field is flipped the moment it lands, so its whole
// score is replaced by LossWeight (plus the territory bonus of the last step).
//
// The simulation is the field recomputation run on a copy of the board, with one difference:
// only the player's cards are flipped in it. Own cards that the real recomputation would flip
// keep projecting, which makes the opponent a little optimistic about its territory. Bombs are
// counted on the real board and not applied to the copy. Nothing deeper is looked at: the
// player's possible replies only decide the safety bonus.
//
// Ties: every candidate draws one number r in [0, 1) whatever its score; a candidate scoring
// the same as the best so far replaces it when r > 0.8f, so later equals win one time in five.
// The best score starts at -20. When no candidate reaches it, the best-scoring candidate is
// played all the same (first in visiting order), never an off-board square.
//
// Scores are signed 16-bit as everywhere in the game: arithmetic that would leave the range
// throws CounterOverflow instead of wrapping. The hot path allocates nothing: fixed arrays on
// the stack, candidates visited in place, and the side codes come from the DuelState cache.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/duel_state.h"
#include "engine/random.h"

namespace korvane {

struct AiWeights {
  int16_t TerritoryWeight = 0;
  int16_t FlipWeight = 0;
  int16_t SafetyBonus = 0;
  int16_t LossWeight = 0;
};

// Looks up the weights for one of the six opponents; any other name leaves *weights as it was
// and returns false.
bool SetWeightsFor(std::string_view opponentName, AiWeights* weights);

struct EnemyMove {
  int slot = 0;
  int column = 0;
  int row = 0;
};

struct CandidateScore {
  int slot, column, row, score;
};

// The board the evaluation tries a move out on, with its own two maps.
struct SimBoard {
  SquareMap board{};
  SquareMap playerMap{};
  SquareMap enemyMap{};
};

// ScoreCandidate: the score of placing enemy slot `slot` on (c, r).
int ScoreCandidate(const DuelState& s, const AiWeights& w, int slot, int c, int r);

// EvaluateMove: adds the flip, territory and safety terms of the candidate to *moveScore.
// When `sim` is given it receives the simulated board as the reply test saw it.
void EvaluateMove(const DuelState& s, const AiWeights& w, int c, int r, int slot,
                  int16_t* moveScore, SimBoard* sim = nullptr);

// ReplyCanReach: whether a card still in the player's hand, placed on an empty square of the
// simulated board outside the simulated enemy field, would cover (c, r).
bool ReplyCanReach(const DuelState& s, const SimBoard& sim, int c, int r);

// ChooseEnemyMove: best candidate, random tie-break at probability 0.2. When no candidate beats
// the starting score the best-scoring one is taken anyway (never the off-board square).
// `trace`, when given, receives every candidate's score in visiting order. Without any
// candidate (no empty square or no card in hand) the result is slot 0 on (0, 0).
EnemyMove ChooseEnemyMove(const DuelState& s, const AiWeights& w, RandomSource& rng,
                          std::vector<CandidateScore>* trace = nullptr);

// ChooseEnemyHand("Fuzzy"): fills the five enemy slots from `stock`, lowering it.
// 速水 結 draws only identifiers 29..39. Never hangs: when the stock holds fewer than five
// copies it may draw, it is first topped up (one copy at a time, lowest drawable identifier
// first) so that every duel starts with a full hand; see the implementation.
void ChooseEnemyHand(std::array<int16_t, kHandSize>& enemyHand,
                     std::array<int16_t, kCardKinds>& stock, std::string_view opponentName,
                     RandomSource& rng);

}  // namespace korvane
