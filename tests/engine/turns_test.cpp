// Who moves first, the end test, the board invariants and the checked 16-bit arithmetic.
#include <gtest/gtest.h>

#include "tests/engine/engine_test_support.h"
#include "tests/support/board_text.h"

namespace korvane {
namespace {

using namespace test;

TEST(DecideFirstTurn, MoreNoneSidesMoveFirstAndATieGoesToThePlayer) {
  DuelState s = EmptyDuel();  // 20 "0" sides each
  DecideFirstTurn(s);
  EXPECT_EQ(s.Turn, TurnState::Player);

  for (int k = 0; k < kHandSize; ++k) {
    HandPlayer(s, k, "1111");
    HandEnemy(s, k, "asb9");
  }
  DecideFirstTurn(s);  // none on either side
  EXPECT_EQ(s.Turn, TurnState::Player);

  HandPlayer(s, 0, "1000");  // 3 against 4
  HandEnemy(s, 4, "0000");
  DecideFirstTurn(s);
  EXPECT_EQ(s.Turn, TurnState::Enemy);

  HandPlayer(s, 1, "1110");  // 4 against 4
  DecideFirstTurn(s);
  EXPECT_EQ(s.Turn, TurnState::Player);
}

TEST(TurnState, TextsAreTheOnesTheGameCompares) {
  EXPECT_EQ(TurnStateText(TurnState::Player), "Player's Turn");
  EXPECT_EQ(TurnStateText(TurnState::Enemy), "Enemy's Turn");
  EXPECT_EQ(TurnStateText(TurnState::Nobody), "Nobody's Turn");
}

// Ten placements on a board where the player's five end flipped and one enemy card is face up.
DuelState FinishedDuel() {
  DuelState s = EmptyDuel();
  PutBoard(s, Board("  .  "
                    " +++ "
                    "a----"
                    " +.+ "
                    "  .  "));
  return s;
}

// The wait for the last flip to be shown is the duel window's (tests/duel/series_test.cpp).
TEST(EndTest, WaitsForEveryCard) {
  DuelState s = FinishedDuel();
  s.EnemyPlayed[4] = false;  // nine placements
  EXPECT_FALSE(EndTest(s).has_value());
  EXPECT_EQ(s.Turn, TurnState::Player);

  s.EnemyPlayed[4] = true;
  auto out = EndTest(s);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->result, DuelResult::EnemyWon);
  EXPECT_EQ(out->PlayerScore, 0);
  EXPECT_EQ(out->EnemyScore, 1);
  EXPECT_EQ(s.Turn, TurnState::Nobody);
  EXPECT_FALSE(EndTest(s).has_value());  // once settled, nobody's turn: nothing more
}

TEST(EndTest, NoFaceUpCardIsADrawAndMoreFaceUpWins) {
  DuelState s = FinishedDuel();
  s.BoardCard[1][3] = kFlippedEnemyCard;
  auto out = EndTest(s);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->result, DuelResult::Draw);
  EXPECT_EQ(out->PlayerScore, 0);
  EXPECT_EQ(out->EnemyScore, 0);

  DuelState t = FinishedDuel();
  t.BoardCard[2][2] = 1;
  t.BoardCard[3][2] = 2;
  t.Turn = TurnState::Enemy;
  out = EndTest(t);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->result, DuelResult::PlayerWon);
  EXPECT_EQ(out->PlayerScore, 2);
}

TEST(BoardIsConsistent, CatchesBrokenBoards) {
  DuelState s = EmptyDuel();
  EXPECT_TRUE(BoardIsConsistent(s));
  EXPECT_TRUE(BoardIsConsistent(FinishedDuel()));

  DuelState blocked = s;
  blocked.BoardCard[1][1] = 0;
  EXPECT_FALSE(BoardIsConsistent(blocked));

  DuelState twice = s;
  PutPlayer(twice, 0, 3, 3, "0000");
  twice.BoardCard[3][4] = 1;
  EXPECT_FALSE(BoardIsConsistent(twice));

  DuelState unplayed = s;
  unplayed.BoardCard[3][3] = -2;  // slot 1 of the enemy was never played
  EXPECT_FALSE(BoardIsConsistent(unplayed));

  DuelState strange = s;
  strange.BoardCard[3][3] = 7;
  EXPECT_FALSE(BoardIsConsistent(strange));

  // A board in the middle of a duel, as written: only the cards it shows are played.
  DuelState middle = s;
  PutBoard(middle,
           Board("  -  "
                 " .b. "
                 ".+1.."
                 " ... "
                 "  .  "),
           Played::AsWritten);
  EXPECT_TRUE(BoardIsConsistent(middle)) << BoardText(middle);
  EXPECT_EQ(middle.PlayerPlayed, (std::array<bool, kHandSize>{true, true, false, false, false}));
  EXPECT_EQ(middle.EnemyPlayed, (std::array<bool, kHandSize>{true, true, false, false, false}));
  middle.BoardCard[3][4] = 1;  // the same card twice
  EXPECT_FALSE(BoardIsConsistent(middle)) << BoardText(middle);
}

TEST(CheckedArithmetic, LeavingTheSixteenBitRangeThrows) {
  EXPECT_EQ(CheckedAdd(32000, 767), 32767);
  EXPECT_EQ(CheckedAdd(-32000, -768), -32768);
  EXPECT_THROW(CheckedAdd(32767, 1), CounterOverflow);
  EXPECT_THROW(CheckedAdd(-32768, -1), CounterOverflow);
  EXPECT_THROW(CheckedAdd(0, 1 << 30), CounterOverflow);
  int16_t count = 32766;
  AddTo(count, 1);
  EXPECT_EQ(count, 32767);
  EXPECT_THROW(AddTo(count, 1), CounterOverflow);
  EXPECT_EQ(count, 32767);  // unchanged after the failure
  EXPECT_EQ(CheckedMul(-10, 3276), -32760);
  EXPECT_THROW(CheckedMul(256, 128), CounterOverflow);
}

}  // namespace
}  // namespace korvane
