// The player's hint: perfect play when the solver finishes in time, the opponent's own
// evaluation for the player's side otherwise, and nothing at all outside the player's turn.
#include "solver/hint.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "ai/selfplay.h"
#include "tests/solver/solver_test_support.h"

namespace korvane {
namespace {

using test::RandomPosition;

// A position at the player's turn with `left` cards to place.
DuelState PlayerToMove(RandomSource& rng, int left) {
  while (true) {
    DuelState s = RandomPosition(rng, left);
    if (s.Turn == TurnState::Player) return s;
  }
}

// The opponent's best score for the player's side, and the score of one player move, from the
// evaluation's own trace (the scores do not depend on the tie-break draws).
struct MirroredScores {
  int best = -1000000;
  std::map<std::string, int> byMove;
};
MirroredScores ScoresFor(const DuelState& s, const AiWeights& w) {
  MirroredScores out;
  std::vector<CandidateScore> trace;
  SeededRandom rng(0);
  ChooseEnemyMove(MirrorSides(s), w, rng, &trace);
  for (const CandidateScore& c : trace) {
    out.best = std::max(out.best, c.score);
    out.byMove[PlacementText({false, c.slot, 6 - c.column, 6 - c.row})] = c.score;
  }
  return out;
}

TEST(HintTest, ExactWithinTheBudgetAndAmongTheBestMoves) {
  SeededRandom rng(21);
  AiWeights w;
  SetWeightsFor("高峰 武", &w);
  for (int k = 0; k < 60; ++k) {
    const DuelState s = PlayerToMove(rng, 1 + k % 6);
    const PlayerHint h = HintForPlayer(s, w, std::chrono::seconds(60));
    ASSERT_TRUE(h.valid && h.exact) << "position " << k;
    const SolveResult r = Solve(s);
    EXPECT_EQ(h.margin, r.margin);
    const Placement move{false, h.slot, h.column, h.row};
    EXPECT_NE(std::find(r.best.begin(), r.best.end(), move), r.best.end())
        << PlacementText(move) << " is not a best move, position " << k;
    // Among the best moves it is the one the opponent's evaluation likes most.
    const MirroredScores scores = ScoresFor(s, w);
    for (const Placement& b : r.best) {
      EXPECT_LE(scores.byMove.at(PlacementText(b)), scores.byMove.at(PlacementText(move)));
    }
    // The state handed in is left alone, and the same position gives the same hint.
    const PlayerHint again = HintForPlayer(s, w, std::chrono::seconds(60));
    EXPECT_EQ(std::tie(again.slot, again.column, again.row), std::tie(h.slot, h.column, h.row));
  }
}

TEST(HintTest, WithoutTimeTheOpponentsEvaluationAnswersAndSaysSo) {
  SeededRandom rng(22);
  for (int person = 1; person < kPersons; ++person) {
    AiWeights w;
    SetWeightsFor(Cast(person).name, &w);
    for (int left : {10, 9, 6, 3}) {
      const DuelState s = PlayerToMove(rng, left);
      const PlayerHint h = HintForPlayer(s, w, std::chrono::milliseconds(0));
      ASSERT_TRUE(h.valid);
      EXPECT_FALSE(h.exact);
      EXPECT_EQ(h.nodes, 0u);
      const Placement move{false, h.slot, h.column, h.row};
      const std::vector<Placement> legal = LegalPlacements(s);
      ASSERT_NE(std::find(legal.begin(), legal.end(), move), legal.end()) << PlacementText(move);
      const MirroredScores scores = ScoresFor(s, w);
      EXPECT_EQ(scores.byMove.at(PlacementText(move)), scores.best) << Cast(person).name;
      const PlayerHint again = HintForPlayer(s, w, std::chrono::milliseconds(0));
      EXPECT_EQ(std::tie(again.slot, again.column, again.row), std::tie(h.slot, h.column, h.row));
    }
  }
}

TEST(HintTest, StoppedOrOutOfTimeFallsBackAndNoHintOutsideThePlayersTurn) {
  SeededRandom rng(23);
  AiWeights w;
  SetWeightsFor("速水 結", &w);
  const DuelState deal = PlayerToMove(rng, 10);
  std::atomic<bool> stop{true};
  const PlayerHint stopped = HintForPlayer(deal, w, kHintBudget, &stop);
  EXPECT_TRUE(stopped.valid && stopped.stopped);
  EXPECT_FALSE(stopped.exact);
  EXPECT_EQ(stopped.nodes, 0u);
  // A whole duel takes seconds to solve: out of time, the hint says it is not exact.
  const PlayerHint hurried = HintForPlayer(deal, w, std::chrono::milliseconds(30));
  EXPECT_TRUE(hurried.valid);
  EXPECT_FALSE(hurried.exact || hurried.stopped);

  DuelState enemyTurn = deal;
  enemyTurn.Turn = TurnState::Enemy;
  DuelState over = RandomPosition(rng, 0);
  over.Turn = TurnState::Player;
  DuelState nobody = deal;
  nobody.Turn = TurnState::Nobody;
  for (const DuelState& s : {enemyTurn, over, nobody}) {
    const PlayerHint none = HintForPlayer(s, w);
    EXPECT_FALSE(none.valid);
    EXPECT_EQ(none.slot, -1);
  }
}

}  // namespace
}  // namespace korvane
