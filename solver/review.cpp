#include "solver/review.h"

#include <algorithm>

#include "engine/rules.h"
#include "solver/analyst.h"
#include "solver/solver.h"

namespace korvane {
namespace {

int Band(int margin) { return (margin > 0) - (margin < 0); }

// The mover's moves that keep the value, one per square and card kind.
std::vector<Placement> FoldKinds(const std::vector<Placement>& moves, const DuelState& s) {
  std::vector<Placement> folded;
  for (const Placement& m : moves) {
    const auto& hand = m.enemy ? s.EnemyHand : s.PlayerHand;
    const bool seen = std::any_of(folded.begin(), folded.end(), [&](const Placement& f) {
      return f.column == m.column && f.row == m.row && hand[f.slot] == hand[m.slot];
    });
    if (!seen) folded.push_back(m);
  }
  return folded;
}

void Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
}

}  // namespace

std::string_view MoveLabelName(MoveLabel label) {
  switch (label) {
    case MoveLabel::Best:
      return "best";
    case MoveLabel::Only:
      return "only";
    case MoveLabel::Inaccuracy:
      return "inaccuracy";
    case MoveLabel::Mistake:
      return "mistake";
    case MoveLabel::Blunder:
      return "blunder";
  }
  return "best";
}

MoveLabel ReviewLabel(int bestValue, int value, bool enemyMoved, int keepingMoves) {
  const int best = enemyMoved ? -bestValue : bestValue;
  const int got = enemyMoved ? -value : value;
  if (got >= best) return keepingMoves > 1 ? MoveLabel::Best : MoveLabel::Only;
  switch (Band(best) - Band(got)) {
    case 0:
      return MoveLabel::Inaccuracy;
    case 1:
      return MoveLabel::Mistake;
    default:
      return MoveLabel::Blunder;
  }
}

PositionValue SolvePosition(const DuelState& s) {
  SolveLimits limits;
  limits.allBest = true;
  limits.principalLine = false;
  SolveResult r = Solve(s, limits);
  return {r.margin, std::move(r.best)};
}

std::optional<double> DuelReview::Accuracy() const {
  if (playerMoves == 0) return std::nullopt;
  return static_cast<double>(playerKept) / playerMoves;
}

DuelState DealOf(const PlayedDuel& duel, const CardTable& cards) {
  DuelModel model;
  DuelModel::Hand player{}, enemy{};
  for (int k = 0; k < kHandSize; ++k) {
    player[k] = static_cast<int16_t>(duel.player[k]);
    enemy[k] = static_cast<int16_t>(duel.enemy[k]);
  }
  model.Deal(player, enemy, cards);
  return model.State;
}

PositionSolver AnalystSolver(Analyst& analyst) {
  return [&analyst](const DuelState& s) {
    SolveLimits limits;
    limits.allBest = true;
    limits.principalLine = false;
    SolveResult r = analyst.Query(s, limits);
    return PositionValue{r.margin, std::move(r.best)};
  };
}

std::optional<DuelReview> ReviewDuel(const PlayedDuel& duel, const CardTable& cards,
                                     std::string* error, const PositionSolver& solve) {
  DuelState s = DealOf(duel, cards);
  if ((s.Turn == TurnState::Player) != duel.playerFirst) {
    Fail(error, std::string("the hands give the first placement to the ") +
                    (s.Turn == TurnState::Player ? "player" : "enemy"));
    return std::nullopt;
  }
  // Every placement is checked before any is solved: a record that cannot be right costs
  // nothing.
  DuelState check = s;
  for (size_t i = 0; i < duel.moves.size(); ++i) {
    if (!IsLegalPlacement(check, duel.moves[i])) {
      Fail(error, "placement " + std::to_string(i + 1) + " (" + PlacementText(duel.moves[i]) +
                      ") cannot be made there");
      return std::nullopt;
    }
    PlayPlacement(check, duel.moves[i]);
  }
  DuelReview review;
  PositionValue before = duel.moves.empty() ? PositionValue{} : solve(s);
  for (const Placement& m : duel.moves) {
    const std::vector<Placement> keeping = FoldKinds(before.keeping, s);
    PlayPlacement(s, m);
    PositionValue after = solve(s);
    ReviewedMove r;
    r.move = m;
    r.value = after.margin;
    r.bestValue = before.margin;
    r.keepingMoves = static_cast<int>(keeping.size());
    r.label = ReviewLabel(r.bestValue, r.value, m.enemy, r.keepingMoves);
    const bool kept = r.label == MoveLabel::Best || r.label == MoveLabel::Only;
    if (!kept && !keeping.empty()) r.alternative = keeping.front();
    if (!m.enemy) {
      ++review.playerMoves;
      review.playerKept += kept;
      review.mistakes += r.label == MoveLabel::Mistake;
      review.blunders += r.label == MoveLabel::Blunder;
    }
    review.moves.push_back(r);
    before = std::move(after);
  }
  return review;
}

}  // namespace korvane
