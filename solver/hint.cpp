#include "solver/hint.h"

#include <algorithm>
#include <vector>

#include "ai/selfplay.h"
#include "engine/rules.h"

namespace korvane {
namespace {

// The tie-break draws of the fallback: fixed, so a position always gives the same hint.
constexpr uint64_t kHintSeed = 20240613;

Placement FromMirror(int slot, int column, int row) {
  return {false, slot, kBoardSize + 1 - column, kBoardSize + 1 - row};
}

}  // namespace

HintCandidates HintCandidatesFor(const DuelState& state, const AiWeights& weights) {
  HintCandidates out;
  if (state.Turn != TurnState::Player || LegalPlacements(state).empty()) return out;
  // The opponent's evaluation for the player's side: the board turned round.
  std::vector<CandidateScore> trace;
  SeededRandom rng(kHintSeed);
  const EnemyMove own = ChooseEnemyMove(MirrorSides(state), weights, rng, &trace);
  const Placement fallback = FromMirror(own.slot, own.column, own.row);
  out.fallback.valid = true;
  out.fallback.slot = fallback.slot;
  out.fallback.column = fallback.column;
  out.fallback.row = fallback.row;
  // The exact move: the evaluation's favourites are tried first.
  std::stable_sort(
      trace.begin(), trace.end(),
      [](const CandidateScore& a, const CandidateScore& b) { return a.score > b.score; });
  out.preferred.push_back(fallback);
  for (const CandidateScore& c : trace)
    out.preferred.push_back(FromMirror(c.slot, c.column, c.row));
  return out;
}

PlayerHint ExactHintOf(const PlayerHint& fallback, const SolveResult& solved) {
  PlayerHint hint = fallback;
  hint.exact = true;
  hint.slot = solved.best.front().slot;
  hint.column = solved.best.front().column;
  hint.row = solved.best.front().row;
  hint.margin = solved.margin;
  hint.nodes = solved.nodes;
  return hint;
}

PlayerHint HintForPlayer(const DuelState& state, const AiWeights& weights,
                         std::chrono::milliseconds budget, const std::atomic<bool>* stop) {
  DuelState s = state;
  ComputeFields(s);
  const auto deadline = std::chrono::steady_clock::now() + budget;
  HintCandidates candidates = HintCandidatesFor(s, weights);
  if (!candidates.fallback.valid || budget.count() <= 0) return candidates.fallback;

  SolveLimits limits;
  limits.stop = stop;
  limits.deadline = deadline;
  limits.allBest = false;
  limits.principalLine = false;
  limits.preferred = std::move(candidates.preferred);
  const SolveResult solved = Solve(s, limits);
  if (!solved.finished || solved.best.empty()) {
    PlayerHint hint = candidates.fallback;
    hint.nodes = solved.nodes;
    hint.stopped = stop && stop->load();
    return hint;
  }
  return ExactHintOf(candidates.fallback, solved);
}

}  // namespace korvane
