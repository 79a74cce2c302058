// Placing a card: flipped at once in the opposing field, bombs on both sides' cards, the turn.
#include <gtest/gtest.h>

#include "tests/engine/engine_test_support.h"
#include "tests/support/board_text.h"

namespace korvane {
namespace {

using namespace test;

TEST(PlaceCard, OntoTheOpposingHomeFlipsAtOnce) {
  DuelState s = EmptyDuel();
  s.Turn = TurnState::Player;
  s.SelectedSlot = 2;
  HandPlayer(s, 2, "b000");  // a bomb going down flipped does nothing
  PutEnemy(s, 0, 3, 2, "0000");
  const Flips flips = PlacePlayerCard(s, 3, 1);
  EXPECT_EQ(s.BoardCard[3][1], kFlippedPlayerCard);
  ASSERT_TRUE(FlipAt(flips, 3, 1));
  EXPECT_EQ(flips.size(), 1);
  EXPECT_EQ(FlipAt(flips, 3, 1)->before, 3);
  EXPECT_DOUBLE_EQ(FlipAt(flips, 3, 1)->clock, 3.1);
  EXPECT_EQ(s.BoardCard[3][2], -1);
  EXPECT_TRUE(s.PlayerPlayed[2]);
  EXPECT_EQ(s.Turn, TurnState::Enemy);
  EXPECT_EQ(s.SelectedSlot, 2);  // stays until the enemy has moved

  s.SelectedSlot = 4;
  const Flips enemyFlips = PlaceEnemyCard(s, 3, 5);
  EXPECT_EQ(s.BoardCard[3][5], kFlippedEnemyCard);
  ASSERT_TRUE(FlipAt(enemyFlips, 3, 5));
  EXPECT_EQ(FlipAt(enemyFlips, 3, 5)->before, -5);
  EXPECT_TRUE(s.EnemyPlayed[4]);
  EXPECT_EQ(s.Turn, TurnState::Player);
  EXPECT_EQ(s.SelectedSlot, -1);
  EXPECT_TRUE(BoardIsConsistent(s));
}

TEST(PlaceCard, OwnHomeIsAnOrdinarySquare) {
  DuelState s = EmptyDuel();
  s.SelectedSlot = 0;
  const Flips flips = PlacePlayerCard(s, 3, 5);
  EXPECT_EQ(s.BoardCard[3][5], 1);
  EXPECT_TRUE(flips.empty());
}

TEST(PlaceCard, BombFromThePlayerHomeFlipsBothSidesOnThePlus) {
  DuelState s = EmptyDuel();  // every card without sides; (3,1) and (2,4) outside the plus
  PutBoard(s,
           Board("  d  "
                 " .c. "
                 ".a3b."
                 " 42. "
                 "  .  "),
           Played::AsWritten);
  HandPlayer(s, 0, "b000");
  s.SelectedSlot = 0;
  const Flips flips = PlacePlayerCard(s, 3, 5);
  // The bomb's own square is not blasted.
  EXPECT_EQ(BoardText(s), BoardText(Board("  d  "
                                          " .-. "
                                          ".-+-."
                                          " 4+. "
                                          "  1  ")));
  EXPECT_EQ(flips.size(), 5);
  ASSERT_TRUE(FlipAt(flips, 3, 2));
  EXPECT_EQ(FlipAt(flips, 3, 2)->before, -3);
  ASSERT_TRUE(FlipAt(flips, 3, 3));
  EXPECT_DOUBLE_EQ(FlipAt(flips, 3, 3)->clock, 3.1);
}

TEST(PlaceCard, BombAtTheEdgeChangesNothing) {
  for (const char* sides : {"b000", "000b"}) {
    DuelState s = EmptyDuel();
    PutEnemy(s, 0, 2, 2, "0000");
    PutEnemy(s, 1, 2, 4, "0000");
    HandPlayer(s, 0, sides);
    s.SelectedSlot = 0;
    const SquareMap before = s.BoardCard;
    PlacePlayerCard(s, 1, 3);
    SquareMap expected = before;
    expected[1][3] = 1;
    EXPECT_EQ(s.BoardCard, expected) << sides;
  }
}

TEST(PlaceCard, TwoBombSidesBlastTwoPluses) {
  DuelState s = EmptyDuel();  // (2,3) beside the card, in neither plus
  PutBoard(s,
           Board("  a  "
                 " .b. "
                 ".c..."
                 " .2. "
                 "  3  "),
           Played::AsWritten);
  HandPlayer(s, 0, "b0b0");
  s.SelectedSlot = 0;
  PlacePlayerCard(s, 3, 3);
  EXPECT_EQ(BoardText(s), BoardText(Board("  -  "
                                          " .-. "
                                          ".c1.."
                                          " .+. "
                                          "  +  ")));
}

TEST(PlaceCard, EnemyBombPointsDownAndSparesFlippedCards) {
  DuelState s = EmptyDuel();
  PutBoard(s,
           Board("  .  "
                 " .1. "
                 ".b+.."
                 " .3. "
                 "  .  "),
           Played::AsWritten);
  HandEnemy(s, 0, "b000");
  s.SelectedSlot = 0;
  const Flips flips = PlaceEnemyCard(s, 3, 1);
  // Its own card on (2,3) too.
  EXPECT_EQ(BoardText(s), BoardText(Board("  a  "
                                          " .+. "
                                          ".-+.."
                                          " .+. "
                                          "  .  ")));
  // The card already face down is not turned again: no flip of it is reported, so the one being
  // shown there goes on as it was.
  EXPECT_FALSE(FlipAt(flips, 3, 3));
  EXPECT_EQ(flips.size(), 3);
}

TEST(PlaceCard, OffTheBoardPlacesNothingButUsesTheSlot) {
  DuelState s = EmptyDuel();
  const SquareMap before = s.BoardCard;
  s.SelectedSlot = 0;
  PlaceEnemyCard(s, 0, 0);
  EXPECT_EQ(s.BoardCard, before);
  EXPECT_TRUE(s.EnemyPlayed[0]);
  EXPECT_EQ(s.Turn, TurnState::Player);
  EXPECT_EQ(s.SelectedSlot, -1);
}

TEST(PlaceCard, FaceUpCardIsNotFlippedByTheRedrawAfterIt) {
  DuelState s = EmptyDuel();
  PutEnemy(s, 0, 3, 2, "2000");  // covers (3,3) and (3,4)
  ComputeFields(s);
  HandPlayer(s, 0, "1000");
  s.SelectedSlot = 0;
  PlacePlayerCard(s, 2, 3);  // outside the enemy's field
  ComputeFields(s);
  EXPECT_EQ(s.BoardCard[2][3], 1);
  s.SelectedSlot = 1;
  PlacePlayerCard(s, 3, 4);  // inside it
  EXPECT_EQ(s.BoardCard[3][4], kFlippedPlayerCard);
  EXPECT_TRUE(BoardIsConsistent(s));
}

}  // namespace
}  // namespace korvane
