// The opponent's hand draw ("Fuzzy") and whole self-play duels.
#include <gtest/gtest.h>

#include <algorithm>

#include "ai/ai.h"
#include "ai/selfplay.h"
#include "engine/card_table.h"
#include "tests/ai/scripted_random.h"
#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

using test::ScriptedRandom;

using Hand = std::array<int16_t, kHandSize>;

TEST(ChooseEnemyHand, ThreeFivesAndTwoSixesEmptyTheStock) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    Collection stock{};
    stock[5] = 3;
    stock[6] = 2;
    Hand hand{-1, -1, -1, -1, -1};
    SeededRandom rng(seed);
    ChooseEnemyHand(hand, stock, "高原 良絵", rng);
    std::sort(hand.begin(), hand.end());
    EXPECT_EQ(hand, (Hand{5, 5, 5, 6, 6}));
    EXPECT_EQ(stock, Collection{});
  }
}

TEST(ChooseEnemyHand, HayamiDrawsOnlyFromTwentyNineUp) {
  for (uint64_t seed = 1; seed <= 50; ++seed) {
    Collection stock = StartingCollection(kHayami);
    const Collection before = stock;
    Hand hand{-1, -1, -1, -1, -1};
    SeededRandom rng(seed);
    ChooseEnemyHand(hand, stock, "速水 結", rng);
    Hand sorted = hand;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());  // all different
    for (int16_t id : hand) {
      EXPECT_GE(id, 29);
      EXPECT_EQ(before[id], 1);
      EXPECT_EQ(stock[id], 0);
    }
    EXPECT_EQ(stock[0], 1);
  }
}

TEST(ChooseEnemyHand, OneNumberPerAttemptRoundedHalfToEven) {
  Collection stock{};
  stock[4] = 1;
  stock[5] = 1;
  stock[2] = 5;
  Hand hand{-1, -1, -1, -1, -1};
  // 0.125 * 40 - 0.5 = 4.5 -> 4 (to even); 0.99 -> 39, empty: wasted; 0.0625 -> 2.0 -> 2.
  ScriptedRandom rng({0.125, 0.99, 0.125, 0.0625, 0.0625, 0.0625, 0.0625}, 0.0625);
  ChooseEnemyHand(hand, stock, "真道 祐樹", rng);
  EXPECT_EQ(hand, (Hand{4, 2, 2, 2, 2}));
  EXPECT_EQ(rng.draws, 7);  // 0.99 and the second 0.125 (card 4 used up) were wasted
  EXPECT_EQ(stock[4], 0);
  EXPECT_EQ(stock[2], 1);
  EXPECT_EQ(stock[5], 1);
}

TEST(ChooseEnemyHand, TooSmallAStockIsToppedUpInsteadOfHanging) {
  Collection stock{};
  stock[0] = 9;  // she may not draw it
  stock[38] = 1;
  Hand hand{-1, -1, -1, -1, -1};
  SeededRandom rng(7);
  ChooseEnemyHand(hand, stock, "速水 結", rng);
  for (int16_t id : hand) EXPECT_GE(id, 29);
  // Topped up with one copy each of 29, 30, 31, 32, then all five drawn.
  Hand sorted = hand;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (Hand{29, 30, 31, 32, 38}));
  EXPECT_EQ(stock[0], 9);

  Collection empty{};
  SeededRandom rng2(3);
  ChooseEnemyHand(hand, empty, "高原 良絵", rng2);
  for (int16_t id : hand) EXPECT_TRUE(IsValidCardId(id));

  // A source that only ever names a card with no copies left still ends.
  Collection some{};
  some[3] = 5;
  ScriptedRandom stuck({}, 0.999);
  ChooseEnemyHand(hand, some, "高原 良絵", stuck);
  EXPECT_EQ(hand, (Hand{3, 3, 3, 3, 3}));
}

TEST(SelfPlay, MirrorTurnsTheBoardAndSwapsTheSides) {
  DuelState s;
  ResetBoard(s);
  s.BoardCard[3][2] = -2;
  s.BoardCard[2][4] = 40;
  s.EnemyPlayed[1] = true;
  s.PlayerHand = {1, 2, 3, 4, 5};
  s.EnemyHand = {6, 7, 8, 9, 10};
  s.PlayerFieldMap[2][3] = 2;
  s.Turn = TurnState::Player;
  const DuelState m = MirrorSides(s);
  EXPECT_EQ(m.BoardCard[3][4], 2);
  EXPECT_EQ(m.BoardCard[4][2], -40);
  EXPECT_EQ(m.BoardCard[1][1], kBlockedSquare);
  EXPECT_TRUE(m.PlayerPlayed[1]);
  EXPECT_EQ(m.EnemyHand[0], 1);
  EXPECT_EQ(m.EnemyFieldMap[4][3], 2);
  EXPECT_EQ(m.EnemyFieldMap[3][1], 1);  // the player's home became the enemy's
  EXPECT_EQ(m.Turn, TurnState::Enemy);
  const DuelState back = MirrorSides(m);
  EXPECT_EQ(back.BoardCard, s.BoardCard);
  EXPECT_EQ(back.PlayerFieldMap, s.PlayerFieldMap);
  EXPECT_EQ(back.EnemyFieldMap, s.EnemyFieldMap);
}

TEST(SelfPlay, MirroredFieldsMatchTheRealRecomputation) {
  // Fields computed on a mirrored board are the mirror of the real ones.
  const CardTable cards = test::SourceCardTable();
  SeededRandom rng(11);
  for (int game = 0; game < 20; ++game) {
    DuelState s;
    for (int k = 0; k < kHandSize; ++k) {
      s.PlayerHand[k] = static_cast<int16_t>(rng.Next() * 40);
      s.EnemyHand[k] = static_cast<int16_t>(rng.Next() * 40);
    }
    ResetBoard(s);
    LoadHandSides(s, cards);
    const int squares[6][2] = {{3, 3}, {2, 2}, {4, 4}, {1, 3}, {3, 1}, {5, 3}};
    for (int i = 0; i < 6; ++i) {
      s.SelectedSlot = static_cast<int16_t>(i / 2);
      if (i % 2) {
        PlaceEnemyCard(s, squares[i][0], squares[i][1]);
      } else {
        PlacePlayerCard(s, squares[i][0], squares[i][1]);
      }
      ComputeFields(s);
    }
    DuelState mirrored = MirrorSides(s);
    ComputeFields(mirrored);
    EXPECT_EQ(MirrorSides(mirrored).BoardCard, s.BoardCard);
    EXPECT_EQ(MirrorSides(mirrored).PlayerFieldMap, s.PlayerFieldMap);
  }
}

TEST(SelfPlay, SeededRunsArePinned) {
  const CardTable cards = test::SourceCardTable();
  const SelfPlayTally a = RunSelfPlay(cards, {"速水 結", true}, {"", false}, 200, 1);
  EXPECT_EQ(a.wins + a.losses + a.draws, 200);
  const SelfPlayTally b = RunSelfPlay(cards, {"速水 結", true}, {"", false}, 200, 1);
  EXPECT_EQ(a.signature, b.signature);
  // Pinned: a change in the rules, the evaluation or the draw changes these numbers.
  EXPECT_EQ(a.wins, 199);
  EXPECT_EQ(a.losses, 0);
  EXPECT_EQ(a.signature, 11002922467048364387ull);
  const SelfPlayTally c = RunSelfPlay(cards, {"高峰 武", true}, {"横田 真央", true}, 100, 5);
  EXPECT_EQ(c.wins, 84);
  EXPECT_EQ(c.losses, 4);
  EXPECT_EQ(c.draws, 12);
}

TEST(SeededRandom, SameSeedSameNumbersInRange) {
  SeededRandom a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const double x = a.Next();
    EXPECT_EQ(x, b.Next());
    EXPECT_GE(x, 0.0);
    EXPECT_LT(x, 1.0);
    differs |= x != c.Next();
  }
  EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace korvane
