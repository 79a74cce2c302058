// The pace of a duel, on a test clock. At the normal pace the enemy's label stays up for at least
// the think time while the ticks keep coming, and its card lands on the first tick after that;
// at the fast pace it lands on the first tick, as the window's timers always had it. Both paces
// play the same duel. The enemy's last card stays marked until the player places a card.
#include <optional>

#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

class PaceFixture : public DuelTest {
 protected:
  PaceFixture() {
    Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 1}, {10, 1}});
    Give(2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}, {10, 1}, {11, 1}, {13, 3}, {24, 1}});
    k.Clock = [this] { return now; };
  }
  int EnemyCardsInHand() const {
    int n = 0;
    for (const DuelControl& e : k.Ctl.EHand) n += e.Visible;
    return n;
  }
  int64_t now = 5000;
};

struct PaceCase {
  Pace pace;
  int tickMs;      // between two enemy-timer ticks
  int landsAfter;  // from the label to the card
};

void PrintTo(const PaceCase& c, std::ostream* os) {
  *os << (c.pace == Pace::Fast ? "fast" : "normal") << ", a tick every " << c.tickMs << " ms";
}

class PaceTest : public PaceFixture, public ::testing::WithParamInterface<PaceCase> {};

TEST_P(PaceTest, TheEnemyThinksThenItsCardLandsAndStaysMarked) {
  const PaceCase c = GetParam();
  Open(kShindo);
  k.DuelPace = c.pace;
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  std::optional<int64_t> shown;
  platform.onEvents = [&] {
    if (k.Ctl.Thinking.Visible && !shown) shown = now;
  };
  for (int move = 0; move < 3; ++move) {
    SCOPED_TRACE(move);
    if (k.Duel.Turn == TurnState::Player) {
      ASSERT_NO_FATAL_FAILURE(PlayerMove());
      EXPECT_FALSE(k.EnemyMark) << "the player's placement takes the mark away";
    }
    while (k.IsFlipRunning()) k.FlipAnime_Timer();
    ASSERT_EQ(k.Duel.Turn, TurnState::Enemy);
    const auto before = k.Duel.BoardCard;
    const int inHand = EnemyCardsInHand();
    shown.reset();
    int ticks = 0;
    while (k.Duel.Turn == TurnState::Enemy && ticks < 100) {
      k.Timer1_Timer();
      ++ticks;
      if (k.Duel.Turn != TurnState::Enemy) break;
      // Still thinking: the label is up, the card is still in the hand, nothing is marked.
      EXPECT_TRUE(k.Ctl.Thinking.Visible);
      EXPECT_EQ(EnemyCardsInHand(), inHand);
      EXPECT_FALSE(k.EnemyMark);
      now += c.tickMs;
    }
    ASSERT_TRUE(shown);
    EXPECT_EQ(now - *shown, c.landsAfter);
    EXPECT_EQ(ticks, c.landsAfter / c.tickMs + 1);
    EXPECT_FALSE(k.Ctl.Thinking.Visible);
    EXPECT_EQ(EnemyCardsInHand(), inHand - 1);
    // The mark lies where the enemy's card has just landed.
    ASSERT_TRUE(k.EnemyMark);
    const int landed = k.Duel.BoardCard[k.EnemyMark->column][k.EnemyMark->row];
    EXPECT_EQ(before[k.EnemyMark->column][k.EnemyMark->row], kEmptySquare);
    EXPECT_TRUE(IsEnemyCard(landed) || landed == kFlippedEnemyCard) << landed;
  }
}

INSTANTIATE_TEST_SUITE_P(Paces, PaceTest,
                         ::testing::Values(PaceCase{Pace::Fast, 100, 0},
                                           PaceCase{Pace::Normal, 100, 600},
                                           PaceCase{Pace::Normal, 70, 630},
                                           PaceCase{Pace::Normal, 250, 750},
                                           PaceCase{Pace::Normal, 600, 600}));

TEST_F(PaceFixture, BothPacesPlayTheSameDuel) {
  const GameState start = game;
  struct Outcome {
    decltype(k.Duel.BoardCard) board;
    std::vector<QString> messages;
    decltype(game.Collections) collections;
    int ticks = 0;
  };
  act.beforeTimer1 = [this] { now += 100; };
  auto play = [&](Pace pace) {
    game = start;
    rng = SeededRandom(4242);
    platform.messages.clear();
    Open(kShindo);
    k.DuelPace = pace;
    Outcome o;
    StartDuel();
    o.ticks = PlayToEnd();
    o.board = k.Duel.BoardCard;
    for (const Message& m : platform.messages) o.messages.push_back(m.text);
    o.collections = game.Collections;
    EXPECT_FALSE(k.EnemyMark) << "a settled duel leaves no mark";
    EXPECT_TRUE(k.Unload());
    return o;
  };
  const Outcome fast = play(Pace::Fast);
  const Outcome normal = play(Pace::Normal);
  EXPECT_EQ(normal.board, fast.board);
  EXPECT_EQ(normal.messages, fast.messages);
  EXPECT_EQ(normal.collections, fast.collections);
  EXPECT_FALSE(fast.messages.empty());
  // Each of the enemy's five moves waited six more ticks.
  EXPECT_GE(normal.ticks, fast.ticks + 5 * 6);
}

}  // namespace
}  // namespace korvane::testing
