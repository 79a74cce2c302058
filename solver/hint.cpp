#include "solver/hint.h"

#include <algorithm>
#include <vector>

#include "ai/selfplay.h"
#include "engine/rules.h"
#include "solver/solver.h"

namespace korvane {
namespace {

// The tie-break draws of the fallback: fixed, so a position always gives the same hint.
constexpr uint64_t kHintSeed = 20240613;

Placement FromMirror(int slot, int column, int row) {
  return {false, slot, kBoardSize + 1 - column, kBoardSize + 1 - row};
}

}  // namespace

PlayerHint HintForPlayer(const DuelState& state, const AiWeights& weights,
                         std::chrono::milliseconds budget, const std::atomic<bool>* stop) {
  PlayerHint hint;
  DuelState s = state;
  ComputeFields(s);
  if (s.Turn != TurnState::Player || LegalPlacements(s).empty()) return hint;
  const auto deadline = std::chrono::steady_clock::now() + budget;

  // The opponent's evaluation for the player's side: the board turned round.
  std::vector<CandidateScore> trace;
  SeededRandom rng(kHintSeed);
  const EnemyMove own = ChooseEnemyMove(MirrorSides(s), weights, rng, &trace);
  const Placement fallback = FromMirror(own.slot, own.column, own.row);
  hint.valid = true;
  hint.slot = fallback.slot;
  hint.column = fallback.column;
  hint.row = fallback.row;
  if (budget.count() <= 0) return hint;

  // The exact move: the evaluation's favourites are tried first.
  std::stable_sort(
      trace.begin(), trace.end(),
      [](const CandidateScore& a, const CandidateScore& b) { return a.score > b.score; });
  SolveLimits limits;
  limits.stop = stop;
  limits.deadline = deadline;
  limits.allBest = false;
  limits.principalLine = false;
  limits.preferred.push_back(fallback);
  for (const CandidateScore& c : trace)
    limits.preferred.push_back(FromMirror(c.slot, c.column, c.row));
  const SolveResult solved = Solve(s, limits);
  hint.nodes = solved.nodes;
  if (!solved.finished || solved.best.empty()) {
    hint.stopped = stop && stop->load();
    return hint;
  }
  hint.exact = true;
  hint.slot = solved.best.front().slot;
  hint.column = solved.best.front().column;
  hint.row = solved.best.front().row;
  hint.margin = solved.margin;
  return hint;
}

}  // namespace korvane
