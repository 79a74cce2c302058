// The opponent's move choice, its hand draw and its per-opponent weights.
#pragma once

#include <array>
#include <random>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/duel_state.h"

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

// A uniform source of numbers in [0, 1), injected so that seeded runs can be pinned.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double Next() = 0;
};

// The game's generator: a seeded 64-bit Mersenne twister.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(uint64_t seed);
  double Next() override;
 private:
  std::mt19937_64 gen_;
};

struct EnemyMove {
  int slot = 0;
  int column = 0;
  int row = 0;
};

struct CandidateScore {
  int slot, column, row, score;
};

// ScoreCandidate: the score of placing enemy slot `slot` on (c, r).
int ScoreCandidate(const DuelState& s, const AiWeights& w, int slot, int c, int r);

// ChooseEnemyMove: best candidate, random tie-break at probability 0.2. When no candidate beats
// the starting score the best-scoring one is taken anyway (never the off-board square).
// `trace`, when given, receives every candidate's score in visiting order.
EnemyMove ChooseEnemyMove(const DuelState& s, const AiWeights& w, RandomSource& rng,
                          std::vector<CandidateScore>* trace = nullptr);

// ChooseEnemyHand("Fuzzy"): fills the five enemy slots from `stock`, lowering it.
// 速水 結 draws only identifiers 29..39. Never hangs: see the implementation for how a stock with
// fewer than five drawable cards is handled.
void ChooseEnemyHand(std::array<int16_t, kHandSize>& enemyHand, std::array<int16_t, kCardKinds>& stock,
                     std::string_view opponentName, RandomSource& rng);

}  // namespace korvane
