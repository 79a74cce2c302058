// Field projection: ranges that stop, splits and arcs, the edge, and flips made together.
#include <gtest/gtest.h>

#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

using namespace test;

TEST(ComputeFields, EmptyBoardCoversOnlyTheTwoHomes) {
  DuelState s = EmptyDuel();
  ComputeFields(s);
  EXPECT_EQ(Covered(s.PlayerFieldMap), "3,5");
  EXPECT_EQ(Covered(s.EnemyFieldMap), "3,1");
  EXPECT_EQ(s.PlayerFieldMap[3][5], 1);
  EXPECT_EQ(s.EnemyFieldMap[3][1], 1);
}

TEST(ComputeFields, RangeEndsAtTheEdgeAndSharesTheEnemyHome) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 3, 3, "3000");
  ComputeFields(s);
  EXPECT_EQ(Covered(s.PlayerFieldMap), "3,1 3,2 3,5");
  EXPECT_EQ(s.PlayerFieldMap[3][1], 1);
  EXPECT_EQ(s.EnemyFieldMap[3][1], 1);
}

TEST(ComputeFields, RangeStopsOnTheFirstOccupiedSquareAndFlipsIt) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 3, 4, "3000");
  PutEnemy(s, 0, 3, 2, "0000");
  const Flips flips = ComputeFields(s);
  EXPECT_EQ(s.PlayerFieldMap[3][3], 1);
  EXPECT_EQ(s.PlayerFieldMap[3][2], 1);
  EXPECT_EQ(s.PlayerFieldMap[3][1], 0);
  EXPECT_EQ(s.BoardCard[3][2], kFlippedEnemyCard);
  ASSERT_TRUE(FlipAt(flips, 3, 2));
  EXPECT_EQ(FlipAt(flips, 3, 2)->before, -1);
  EXPECT_DOUBLE_EQ(FlipAt(flips, 3, 2)->clock, 3.14);
  EXPECT_EQ(s.BoardCard[3][4], 1);
}

TEST(ComputeFields, FlippedCardsAndBlockedSquaresStillStopARange) {
  DuelState s = EmptyDuel();
  s.BoardCard[3][3] = kFlippedPlayerCard;
  PutPlayer(s, 0, 3, 4, "3000");
  PutPlayer(s, 1, 2, 4, "0003");  // side 4 points left into the blocked (1,4)
  ComputeFields(s);
  EXPECT_EQ(s.PlayerFieldMap[3][3], 1);
  EXPECT_EQ(s.PlayerFieldMap[3][2], 0);
  EXPECT_EQ(s.PlayerFieldMap[1][4], 1);
  EXPECT_EQ(Covered(s.PlayerFieldMap), "3,3 1,4 3,5");
}

TEST(ComputeFields, BothCardsReachingEachOtherFlipTogether) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 2, 3, 3, "1000");
  PutEnemy(s, 4, 3, 2, "1000");  // the enemy's side 1 points down the board
  const Flips flips = ComputeFields(s);
  EXPECT_EQ(s.BoardCard[3][3], kFlippedPlayerCard);
  EXPECT_EQ(s.BoardCard[3][2], kFlippedEnemyCard);
  ASSERT_TRUE(FlipAt(flips, 3, 3) && FlipAt(flips, 3, 2));
  EXPECT_EQ(FlipAt(flips, 3, 3)->before, 3);
  EXPECT_EQ(FlipAt(flips, 3, 2)->before, -5);
  // Flipped cards no longer project.
  EXPECT_EQ(Covered(s.PlayerFieldMap), "3,5");
  EXPECT_EQ(Covered(s.EnemyFieldMap), "3,1");
}

TEST(ComputeFields, SplitReachesOverACard) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 3, 3, "s000");
  PutPlayer(s, 1, 3, 2, "0000");
  ComputeFields(s);
  EXPECT_EQ(s.PlayerFieldMap[3][1], 1);
  EXPECT_EQ(s.PlayerFieldMap[3][2], 0);
  EXPECT_EQ(s.BoardCard[3][2], 2);  // own field never flips own card
}

TEST(ComputeFields, ArcsCoverThreeSquaresAndSkipThoseOffTheBoard) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 1, 3, "000a");  // all three squares left of column 1
  ComputeFields(s);
  EXPECT_EQ(Covered(s.PlayerFieldMap), "3,5");

  DuelState t = EmptyDuel();
  PutPlayer(t, 0, 3, 3, "a000");
  PutPlayer(t, 1, 5, 3, "a000");  // (6,2) lies off the board, (5,2) and (4,2) still count
  ComputeFields(t);
  EXPECT_EQ(Covered(t.PlayerFieldMap), "2,2 3,2 4,2 5,2 3,5");
  EXPECT_EQ(t.PlayerFieldMap[4][2], 2);
}

TEST(ComputeFields, EnemySidesPointTheOtherWay) {
  DuelState s = EmptyDuel();
  PutEnemy(s, 0, 3, 2, "2111");
  ComputeFields(s);
  // side 1 down two, side 2 left, side 3 up, side 4 right
  EXPECT_EQ(Covered(s.EnemyFieldMap), "3,1 2,2 4,2 3,3 3,4");

  DuelState t = EmptyDuel();
  PutEnemy(t, 0, 3, 3, "s00a");
  ComputeFields(t);
  EXPECT_EQ(Covered(t.EnemyFieldMap), "3,1 4,2 4,3 4,4 3,5");
}

TEST(ComputeFields, CountsAddUpOverSources) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 3, 4, "1000");
  PutPlayer(s, 1, 2, 3, "0100");
  PutPlayer(s, 2, 4, 3, "000a");
  ComputeFields(s);
  EXPECT_EQ(s.PlayerFieldMap[3][3], 3);
  EXPECT_EQ(s.BoardCard[3][4], 1);
}

TEST(ComputeFields, SecondCallChangesNothing) {
  DuelState s = EmptyDuel();
  PutPlayer(s, 0, 3, 4, "3a1s");
  PutPlayer(s, 1, 2, 3, "a2s1");
  PutEnemy(s, 0, 3, 2, "1a2s");
  PutEnemy(s, 1, 4, 2, "s3a0");
  PutEnemy(s, 2, 1, 3, "2222");
  EXPECT_FALSE(ComputeFields(s).empty());
  const DuelState once = s;
  const Flips again = ComputeFields(s);
  EXPECT_EQ(s.BoardCard, once.BoardCard);
  EXPECT_EQ(s.PlayerFieldMap, once.PlayerFieldMap);
  EXPECT_EQ(s.EnemyFieldMap, once.EnemyFieldMap);
  EXPECT_TRUE(again.empty());  // no new flip the second time
  EXPECT_TRUE(BoardIsConsistent(s));
}

}  // namespace
}  // namespace korvane
