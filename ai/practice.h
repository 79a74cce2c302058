// The opponent's strength in a practice duel (練習試合), outside the story:
//   手加減 (Gentle)  the opponent's own evaluation, but at a controlled rate it takes, from a
//                    random sequence of its own (seeded per duel), one of the candidates it
//                    rates lower than its best: mistakes, not random play;
//   本気 (Full)      exactly the opponent of the story: the same weights, draw and timing;
//   達人 (Master)    perfect play by the solver (the duel window asks its analyst, within a
//                    time budget, and plays 本気's move only when the budget runs out).
#pragma once

#include "ai/ai.h"

namespace korvane {

enum class Strength { Gentle, Full, Master };

// The share of 手加減's moves that are mistakes.
constexpr double kGentleMistakeRate = 0.4;

// 手加減's move: the described choice (drawing from `rng` exactly as the story's opponent does),
// replaced at `rate` by a lower-rated candidate drawn from `mistakes`. The same as
// ChooseEnemyMove when every candidate rates the same.
EnemyMove ChooseGentleMove(const DuelState& s, const AiWeights& w, RandomSource& rng,
                           RandomSource& mistakes, double rate = kGentleMistakeRate);

}  // namespace korvane
