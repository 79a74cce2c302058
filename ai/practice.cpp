#include "ai/practice.h"

#include <algorithm>

namespace korvane {

EnemyMove ChooseGentleMove(const DuelState& s, const AiWeights& w, RandomSource& rng,
                           RandomSource& mistakes, double rate) {
  std::vector<CandidateScore> trace;
  const EnemyMove described = ChooseEnemyMove(s, w, rng, &trace);
  // Drawn every time, so that the mistakes of a duel depend on its seed alone.
  const double roll = mistakes.Next();
  const double pick = mistakes.Next();
  if (roll >= rate || trace.empty()) return described;
  int best = trace.front().score;
  for (const CandidateScore& c : trace) best = std::max(best, c.score);
  std::vector<CandidateScore> lower;
  for (const CandidateScore& c : trace) {
    if (c.score < best) lower.push_back(c);
  }
  if (lower.empty()) return described;
  const size_t i = std::min(lower.size() - 1, static_cast<size_t>(pick * lower.size()));
  return {lower[i].slot, lower[i].column, lower[i].row};
}

}  // namespace korvane
