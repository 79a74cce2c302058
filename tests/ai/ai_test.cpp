// The opponent's score of a candidate, the reply test and the move choice with its tie-break.
#include "ai/ai.h"

#include <gtest/gtest.h>

#include "cast/cast.h"
#include "tests/ai/scripted_random.h"
#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

using namespace test;

// Enemy card on (2,2) covering (2,3) and (3,2); two player cards without sides on (2,4) and
// (4,4). Territory before the move: (3,1), (2,3), (3,2) for the enemy, (3,5) for the player = 2.
DuelState WorkedExample() {
  DuelState s = EmptyDuel();
  PutEnemy(s, 1, 2, 2, "1001");
  PutPlayer(s, 0, 2, 4, "0000");
  PutPlayer(s, 1, 4, 4, "0000");
  HandEnemy(s, 0, "a002");  // arc down over both player cards, range 2 to the right
  HandPlayer(s, 2, "0000");
  ComputeFields(s);
  return s;
}

TEST(ScoreCandidate, WorkedExampleScores24AndMinus9AndMinus10) {
  const AiWeights w{1, 10, 0, -10};
  DuelState s = WorkedExample();
  ASSERT_EQ(s.BoardCard[2][4], 1);  // nothing flipped by the set-up
  ASSERT_EQ(s.PlayerFieldMap[3][3], 0);
  ASSERT_EQ(s.EnemyFieldMap[3][3], 0);
  // Two flips (20), territory 2 -> 5 (3), outside its own field (1).
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 3), 24);
  SimBoard sim;
  int16_t terms = 0;
  EvaluateMove(s, w, 3, 3, 0, &terms, &sim);
  EXPECT_EQ(terms, 23);
  EXPECT_EQ(sim.board[2][4], kFlippedPlayerCard);
  EXPECT_EQ(sim.board[4][4], kFlippedPlayerCard);
  EXPECT_EQ(s.BoardCard[2][4], 1);  // the real board is untouched
  // On the player's home: only the loss, plus the territory weight since the enemy's field
  // does not cover it.
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 5), -9);

  // A square both fields cover scores the loss alone.
  DuelState t = EmptyDuel();
  PutPlayer(t, 0, 3, 4, "0001");  // covers (2,4)
  PutEnemy(t, 0, 2, 2, "2000");   // covers (2,3) and (2,4)
  HandEnemy(t, 1, "a002");
  ComputeFields(t);
  ASSERT_GE(t.PlayerFieldMap[2][4], 1);
  ASSERT_GE(t.EnemyFieldMap[2][4], 1);
  EXPECT_EQ(ScoreCandidate(t, w, 1, 2, 4), -10);
}

TEST(ScoreCandidate, AllWeightsZeroScoreZero) {
  DuelState s = WorkedExample();
  std::vector<CandidateScore> trace;
  ScriptedRandom rng({});
  ChooseEnemyMove(s, AiWeights{}, rng, &trace);
  ASSERT_FALSE(trace.empty());
  for (const CandidateScore& c : trace) EXPECT_EQ(c.score, 0);
}

TEST(ScoreCandidate, BombCountsPlayerCardsAndOwnCardsOnTheRealBoard) {
  DuelState s = EmptyDuel();
  // Blast of the enemy's side 1 from (3,1): (3,2), (2,3), (3,3), (4,3), (3,4).
  PutPlayer(s, 0, 3, 2, "0000");
  PutPlayer(s, 1, 3, 4, "0000");
  PutEnemy(s, 1, 2, 3, "0000");
  s.BoardCard[4][3] = kFlippedPlayerCard;
  PutPlayer(s, 2, 2, 4, "0000");  // not in the blast
  HandEnemy(s, 0, "b000");
  ComputeFields(s);
  EXPECT_EQ(ScoreCandidate(s, {0, 10, 0, -1}, 0, 3, 1), 2 * 10 - 1);
  // 風見 誠 (loss weight 0) does not count its own card.
  EXPECT_EQ(ScoreCandidate(s, {0, 4, 0, 0}, 0, 3, 1), 8);
}

TEST(ScoreCandidate, TwoBombSidesCountBothBlasts) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 2, 3, "0000");  // side 2 (left for the enemy)
  PutPlayer(s, 1, 1, 3, "0000");
  PutPlayer(s, 2, 4, 3, "0000");  // side 4 (right)
  PutPlayer(s, 3, 5, 3, "0000");
  HandEnemy(s, 0, "0b0b");
  ComputeFields(s);
  EXPECT_EQ(ScoreCandidate(s, {0, 10, 0, -10}, 0, 3, 3), 40);
}

TEST(ScoreCandidate, SafetyBonusWhenThePlayerHasNothingLeft) {
  DuelState s = EmptyDuel();
  s.PlayerPlayed.fill(true);
  ComputeFields(s);
  const AiWeights w{0, 0, 7, -3};
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 3), 7);
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 1), 7);
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 5), -3);  // in the player's field

  // One card left whose range reaches (3,3) from (3,4): no bonus there.
  s.PlayerPlayed[4] = false;
  HandPlayer(s, 4, "1000");
  EXPECT_EQ(ScoreCandidate(s, w, 0, 3, 3), 0);
}

TEST(ScoreCandidate, OverflowIsCaughtNotWrapped) {
  DuelState s = WorkedExample();
  EXPECT_THROW(ScoreCandidate(s, {0, 20000, 0, 0}, 0, 3, 3), CounterOverflow);
  EXPECT_THROW(ScoreCandidate(s, {20000, 0, 0, 0}, 0, 3, 3), CounterOverflow);

  // Terms that step 4 drops still overflow on the way, as the game's 16-bit score does.
  DuelState t = EmptyDuel();
  PutPlayer(t, 0, 3, 4, "1000");  // puts (3,3) in the player's field
  PutPlayer(t, 1, 2, 4, "0000");
  PutPlayer(t, 2, 4, 4, "0000");
  HandEnemy(t, 0, "a000");  // from (3,3) the arc reaches all three
  ComputeFields(t);
  ASSERT_GE(t.PlayerFieldMap[3][3], 1);
  EXPECT_EQ(ScoreCandidate(t, {0, 10, 0, -7}, 0, 3, 3), -7);
  EXPECT_THROW(ScoreCandidate(t, {0, 12000, 0, -7}, 0, 3, 3), CounterOverflow);
}

// A simulated board with only the candidate on `target`.
SimBoard SimWith(int c, int r) {
  SimBoard sim;
  DuelState e = EmptyDuel();
  sim.board = e.BoardCard;
  sim.board[c][r] = -1;
  return sim;
}

TEST(ReplyCanReach, RangesAreStoppedArcsAndSplitsAreNot) {
  DuelState s = EmptyDuel();
  HandPlayer(s, 0, "3000");
  SimBoard sim = SimWith(3, 2);
  EXPECT_TRUE(ReplyCanReach(s, sim, 3, 2));  // from (3,3), (3,4) or (3,5)
  sim.board[3][3] = kFlippedEnemyCard;
  EXPECT_FALSE(ReplyCanReach(s, sim, 3, 2));  // every reply square lies behind (3,3)

  HandPlayer(s, 0, "s000");
  EXPECT_TRUE(ReplyCanReach(s, sim, 3, 2));  // from (3,4) over the card
  sim.enemyMap[3][4] = 1;
  EXPECT_FALSE(ReplyCanReach(s, sim, 3, 2));  // a reply there would be flipped

  HandPlayer(s, 0, "a000");
  EXPECT_TRUE(ReplyCanReach(s, sim, 3, 2));  // from (2,3) or (4,3)
  sim.enemyMap[2][3] = 1;
  sim.enemyMap[4][3] = 1;
  EXPECT_FALSE(ReplyCanReach(s, sim, 3, 2));

  HandPlayer(s, 0, "b0b0");
  EXPECT_FALSE(ReplyCanReach(s, SimWith(3, 2), 3, 2));
  s.PlayerPlayed[0] = true;
  HandPlayer(s, 0, "3000");
  EXPECT_FALSE(ReplyCanReach(s, SimWith(3, 2), 3, 2));  // played cards do not reply

  // A blocked square stops a range like a card: (1,3) cannot be reached from the right across
  // (2,3) when that is taken, and a side pointing left cannot start off the board.
  DuelState t = EmptyDuel();
  HandPlayer(t, 1, "0003");
  SimBoard edge = SimWith(1, 3);
  EXPECT_TRUE(ReplyCanReach(t, edge, 1, 3));
  edge.board[2][3] = 5;
  EXPECT_FALSE(ReplyCanReach(t, edge, 1, 3));
}

TEST(EvaluateMove, OwnCardsInThePlayersFieldKeepProjecting) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 2, 4, "0100");  // covers (3,4)
  HandEnemy(s, 0, "2000");        // from (3,4) down: (3,5)
  s.PlayerPlayed.fill(true);
  ComputeFields(s);
  int16_t score = 0;
  EvaluateMove(s, {1, 0, 0, 0}, 3, 4, 0, &score);
  // Before: (3,1) +1, (3,4) -1, (3,5) -1 = -1. After: (3,1) +1, (3,4) -1, (3,5) both = 0.
  EXPECT_EQ(score, 1);
  EXPECT_EQ(ScoreCandidate(s, {1, 0, 0, -10}, 0, 3, 4), -10 + 1);
}

TEST(ChooseEnemyMove, VisitsEmptyPlayableSquaresRowByRowAndSlotsInHand) {
  DuelState s = WorkedExample();  // enemy slot 1 is on the board
  std::vector<CandidateScore> trace;
  ScriptedRandom rng({});
  const EnemyMove m = ChooseEnemyMove(s, AiWeights{}, rng, &trace);
  // 13 squares, 3 taken; slots 0, 2, 3, 4.
  ASSERT_EQ(trace.size(), 10u * 4u);
  EXPECT_EQ(rng.draws, 40);
  EXPECT_EQ(trace[0].column, 3);
  EXPECT_EQ(trace[0].row, 1);
  EXPECT_EQ(trace[0].slot, 0);
  EXPECT_EQ(trace[1].slot, 2);
  EXPECT_EQ(trace[4].column, 3);  // (2,2) is taken: row 2 goes on with (3,2)
  EXPECT_EQ(trace[4].row, 2);
  EXPECT_EQ(trace.back().column, 3);
  EXPECT_EQ(trace.back().row, 5);
  for (const CandidateScore& c : trace) EXPECT_TRUE(IsPlayable(c.column, c.row));
  // All equal and no draw above 0.8: the first candidate.
  EXPECT_EQ(m.slot, 0);
  EXPECT_EQ(m.column, 3);
  EXPECT_EQ(m.row, 1);
}

TEST(ChooseEnemyMove, LaterEqualsWinOnlyAboveSinglePrecisionPointEight) {
  DuelState s = WorkedExample();
  // 0.8 and 0.80000001 are not above 0.8f (0.800000011920929); 0.8000001 is.
  ScriptedRandom rng({0.0, 0.8, 0.80000001, 0.8000001, 0.5});
  const EnemyMove m = ChooseEnemyMove(s, AiWeights{}, rng);
  EXPECT_EQ(m.slot, 4);  // the fourth candidate: (3,1), slot 4
  EXPECT_EQ(m.column, 3);
  EXPECT_EQ(m.row, 1);

  // A higher score is taken whatever is drawn; the best of the worked example is (3,3).
  ScriptedRandom low({}, 0.0);
  const EnemyMove best = ChooseEnemyMove(s, {1, 10, 0, -10}, low);
  EXPECT_EQ(best.column, 3);
  EXPECT_EQ(best.row, 3);
  EXPECT_EQ(best.slot, 0);
}

TEST(ChooseEnemyMove, TakesTheBestCandidateEvenBelowTheStartingScore) {
  DuelState s = EmptyDuel();
  s.PlayerPlayed.fill(true);
  s.EnemyPlayed[0] = true;
  ComputeFields(s);
  // Safety -30 everywhere but the player's home, where the loss of -25 counts.
  ScriptedRandom rng({}, 0.99);
  const EnemyMove m = ChooseEnemyMove(s, {0, 0, -30, -25}, rng);
  EXPECT_EQ(m.slot, 1);
  EXPECT_EQ(m.column, 3);
  EXPECT_EQ(m.row, 5);

  // Exactly -20 is still taken through the tie rule.
  ScriptedRandom tie({0.1, 0.9}, 0.1);
  const EnemyMove t = ChooseEnemyMove(s, {0, 0, -20, -30}, tie);
  EXPECT_EQ(t.slot, 2);
  EXPECT_EQ(t.column, 3);
  EXPECT_EQ(t.row, 1);

  // No card left: nothing to choose.
  s.EnemyPlayed.fill(true);
  const EnemyMove none = ChooseEnemyMove(s, {}, rng);
  EXPECT_EQ(none.column, 0);
  EXPECT_EQ(none.row, 0);
}

TEST(SetWeightsFor, TheSixOpponentsAndNoOneElse) {
  AiWeights w;
  ASSERT_TRUE(SetWeightsFor("風見 誠", &w));
  EXPECT_EQ(w.TerritoryWeight, 0);
  EXPECT_EQ(w.FlipWeight, 4);
  EXPECT_EQ(w.SafetyBonus, 10);
  EXPECT_EQ(w.LossWeight, 0);
  EXPECT_FALSE(SetWeightsFor("チュートリアル", &w));
  EXPECT_EQ(w.FlipWeight, 4);                 // left as it was
  EXPECT_FALSE(SetWeightsFor("風見誠", &w));  // compared exactly
  const int expected[6][4] = {{0, 3, 0, -10}, {1, 10, 0, -10}, {0, 4, 10, 0},
                              {1, 6, 6, -5},  {1, 9, 6, -10},  {1, 10, 10, -10}};
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(SetWeightsFor(Cast(i + 1).name, &w));
    EXPECT_EQ(w.TerritoryWeight, expected[i][0]);
    EXPECT_EQ(w.FlipWeight, expected[i][1]);
    EXPECT_EQ(w.SafetyBonus, expected[i][2]);
    EXPECT_EQ(w.LossWeight, expected[i][3]);
  }
}

}  // namespace
}  // namespace korvane
