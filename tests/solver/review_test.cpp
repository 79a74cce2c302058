// The review: the label rule over every case it names, and reviews of whole self-play duels
// held against the solver position by position.
#include "solver/review.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ai/selfplay.h"
#include "tests/solver/solver_test_support.h"

namespace korvane {
namespace {

using test::Advance;
using test::Cards;

TEST(ReviewLabel, FollowsTheMoversOutcome) {
  using L = MoveLabel;
  const struct {
    int best, value;
    bool enemy;
    int keeping;
    MoveLabel label;
    const char* name;
  } rows[] = {
      // The player moves: higher is better.
      {2, 2, false, 3, L::Best, "best"},                // kept, others keep too
      {0, 0, false, 2, L::Best, "best"},                // a draw kept
      {2, 2, false, 1, L::Only, "only"},                // kept, the one move that does
      {-1, -1, false, 1, L::Only, "only"},              // a loss held to its margin
      {3, 1, false, 1, L::Inaccuracy, "inaccuracy"},    // still a win
      {-1, -3, false, 2, L::Inaccuracy, "inaccuracy"},  // still a loss
      {2, 0, false, 1, L::Mistake, "mistake"},          // win to draw
      {0, -1, false, 4, L::Mistake, "mistake"},         // draw to loss
      {1, -1, false, 1, L::Blunder, "blunder"},         // win to loss
      {5, -5, false, 2, L::Blunder, "blunder"},
      // The enemy moves: the same margins, lower is better for it.
      {-2, -2, true, 2, L::Best, "best"},
      {-2, -2, true, 1, L::Only, "only"},
      {0, 0, true, 1, L::Only, "only"},
      {-3, -1, true, 1, L::Inaccuracy, "inaccuracy"},  // the enemy still wins
      {2, 4, true, 3, L::Inaccuracy, "inaccuracy"},    // the enemy still loses
      {-1, 0, true, 1, L::Mistake, "mistake"},         // its win to a draw
      {0, 2, true, 2, L::Mistake, "mistake"},          // its draw to a loss
      {-1, 1, true, 1, L::Blunder, "blunder"},         // its win to a loss
  };
  for (const auto& r : rows) {
    const MoveLabel got = ReviewLabel(r.best, r.value, r.enemy, r.keeping);
    EXPECT_EQ(got, r.label) << r.best << " " << r.value << " " << r.enemy << " " << r.keeping;
    EXPECT_EQ(MoveLabelName(got), r.name);
  }
}

int SolvedMargin(const DuelState& s) {
  SolveLimits limits;
  limits.allBest = false;
  limits.principalLine = false;
  return Solve(s, limits).margin;
}

// Each duel reviewed, and each placement's figures held against the solver on that very
// position, set up again here move by move. KORVANE_REVIEW_DUELS sets the count: the full run
// takes 200 duels (about a quarter of an hour of processor time, mostly the solves from the
// deal); the default dozen keeps the suite quick.
TEST(ReviewDuel, AgreesWithTheSolverAtEveryPlacementOfSelfPlayDuels) {
  const char* asked = std::getenv("KORVANE_REVIEW_DUELS");
  const int wanted = asked ? std::atoi(asked) : 12;
  std::vector<PlayedDuel> duels;
  const SelfPlayWatcher keep = [&](const SelfPlayLog& log, const DuelOutcome&) {
    PlayedDuel d;
    std::copy(log.playerHand.begin(), log.playerHand.end(), d.player.begin());
    std::copy(log.enemyHand.begin(), log.enemyHand.end(), d.enemy.begin());
    d.playerFirst = log.playerFirst;
    d.moves = log.moves;
    duels.push_back(d);
  };
  // Random players make every kind of error; the evaluator against itself makes few.
  for (uint64_t seed = 1; static_cast<int>(duels.size()) < wanted; ++seed) {
    const std::string enemy(Cast(int(seed % 6) + 1).name);
    SelfPlaySide player{std::string(Cast(int((seed + 2) % 6) + 1).name), seed % 3 == 0};
    RunSelfPlay(Cards(), {enemy, true}, player, 1, seed, keep);
  }
  int labelled[5] = {};
  for (const PlayedDuel& d : duels) {
    std::string error;
    const std::optional<DuelReview> review = ReviewDuel(d, Cards(), &error);
    ASSERT_TRUE(review) << error;
    ASSERT_EQ(review->moves.size(), d.moves.size());
    DuelState s;
    std::copy(d.player.begin(), d.player.end(), s.PlayerHand.begin());
    std::copy(d.enemy.begin(), d.enemy.end(), s.EnemyHand.begin());
    ResetBoard(s);
    LoadHandSides(s, Cards());
    ComputeFields(s);
    DecideFirstTurn(s);
    int before = SolvedMargin(s), playerMoves = 0, kept = 0, mistakes = 0, blunders = 0;
    for (const ReviewedMove& m : review->moves) {
      EXPECT_EQ(m.bestValue, before);
      DuelState other = s;
      Advance(s, m.move.enemy, m.move.slot, m.move.column, m.move.row);
      const int after = SolvedMargin(s);
      EXPECT_EQ(m.value, after) << PlacementText(m.move);
      EXPECT_EQ(m.label, ReviewLabel(m.bestValue, m.value, m.move.enemy, m.keepingMoves));
      const bool keeps = m.label == MoveLabel::Best || m.label == MoveLabel::Only;
      EXPECT_EQ(keeps, m.value == m.bestValue);
      EXPECT_GE(m.keepingMoves, keeps ? 1 : 0);
      // The alternative offered for a move that lost ground does keep the value.
      EXPECT_EQ(m.alternative.has_value(), !keeps);
      if (m.alternative) {
        Advance(other, m.alternative->enemy, m.alternative->slot, m.alternative->column,
                m.alternative->row);
        EXPECT_EQ(SolvedMargin(other), m.bestValue) << PlacementText(*m.alternative);
      }
      ++labelled[static_cast<int>(m.label)];
      if (!m.move.enemy) {
        ++playerMoves;
        kept += keeps;
        mistakes += m.label == MoveLabel::Mistake;
        blunders += m.label == MoveLabel::Blunder;
      }
      before = after;
    }
    const FaceUpCount end = CountFaceUp(s);
    EXPECT_EQ(review->moves.back().value, end.player - end.enemy);
    EXPECT_EQ(review->playerMoves, playerMoves);
    EXPECT_EQ(review->playerKept, kept);
    EXPECT_EQ(review->mistakes, mistakes);
    EXPECT_EQ(review->blunders, blunders);
    EXPECT_DOUBLE_EQ(review->Accuracy().value_or(-1), static_cast<double>(kept) / playerMoves);
  }
  // The duels are varied enough to show the labels that matter.
  EXPECT_GT(labelled[static_cast<int>(MoveLabel::Best)], 0);
  EXPECT_GT(labelled[static_cast<int>(MoveLabel::Only)], 0);
  EXPECT_GT(labelled[static_cast<int>(MoveLabel::Inaccuracy)] +
                labelled[static_cast<int>(MoveLabel::Mistake)],
            0);
}

TEST(ReviewDuel, RefusesADuelThatCannotHaveBeenPlayed) {
  // Card 0 has four "0" sides, so the player's hand of them begins.
  const PlayedDuel d{{0, 0, 0, 0, 0}, {1, 2, 3, 4, 5}, true, {}};
  std::string error;
  const std::optional<DuelReview> none = ReviewDuel(d, Cards(), &error);
  ASSERT_TRUE(none) << error;
  EXPECT_TRUE(none->moves.empty());
  EXPECT_FALSE(none->Accuracy());
  const std::vector<std::pair<PlayedDuel, const char*>> bad = {
      {{d.player, d.enemy, false, {}}, "first placement to the player"},
      {{d.player, d.enemy, true, {{true, 0, 3, 3}}}, "placement 1 (e0@3,3)"},
      {{d.player, d.enemy, true, {{false, 0, 1, 1}}}, "placement 1 (p0@1,1)"},
      {{d.player, d.enemy, true, {{false, 0, 3, 3}, {true, 0, 3, 3}}}, "placement 2 (e0@3,3)"},
      {{d.player, d.enemy, true, {{false, 0, 3, 3}, {true, 0, 2, 3}, {false, 0, 4, 3}}},
       "placement 3 (p0@4,3)"},
  };
  for (const auto& [duel, why] : bad) {
    error.clear();
    EXPECT_FALSE(ReviewDuel(duel, Cards(), &error));
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace korvane
