// A series against one opponent, driven through the window's handlers without a window: the
// choice, the duels with the timers, the result messages, the counters, and what the adventure
// finds when the window closes.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

class SeriesTest : public DuelTest {
 protected:
  SeriesTest() {
    // The player's cards spread over all three pages; 真道 holds more than his minimum stock.
    Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 1}, {10, 1}, {20, 2}, {27, 1}, {33, 1}});
    Give(2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}, {10, 1}, {11, 1}, {13, 3}, {24, 1}});
  }

  // The messages one settled duel must have shown, from the hands and the final board.
  std::vector<std::pair<QString, QString>> ExpectedMessages(const std::array<int16_t, 5>& mine,
                                                            const std::array<int16_t, 5>& theirs) {
    int me = 0, them = 0;
    auto holds = [this](int code) {
      for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r)
          if (k.Duel.BoardCard[c][r] == code) return true;
      return false;
    };
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 5; ++r) {
        me += IsPlayerCard(k.Duel.BoardCard[c][r]);
        them += IsEnemyCard(k.Duel.BoardCard[c][r]);
      }
    }
    std::vector<std::pair<QString, QString>> out;
    if (me == them) out.push_back({"End of the Game", "引き分け・・・。"});
    for (int s = 0; s < 5; ++s) {
      if (me > them && !holds(-(s + 1))) {
        out.push_back({"カード入手", "「" + CardName(theirs[s]) + "」カードを手に入れた。"});
      }
      if (me < them && !holds(s + 1)) {
        out.push_back({"カード譲渡", "「" + CardName(mine[s]) + "」カードを失った。"});
      }
    }
    return out;
  }

  // One duel from the choice to the reset; checks the messages and the collection changes.
  void PlayOneDuel(std::initializer_list<int> choice) {
    const auto before = game.Collections[0];
    ASSERT_NO_FATAL_FAILURE(StartDuel(choice));
    ASSERT_TRUE(k.Ctl.Field.Visible);
    ASSERT_FALSE(k.Ctl.Picture1.Visible);
    const auto mine = k.Duel.PlayerHand;
    const auto theirs = k.Duel.EnemyHand;
    platform.messages.clear();
    MarkEffects();
    const int ticks = PlayToEnd();
    ASSERT_LT(ticks, 500);
    // One sound per placement on each side, and one per flip (a flip is never undone).
    int flipped = 0;
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 5; ++r) flipped += std::abs(k.Duel.BoardCard[c][r]) == 40;
    }
    EXPECT_EQ(NewEffects().count("idid.wav"), 5);
    EXPECT_EQ(NewEffects().count("Youdid.wav"), 5);
    EXPECT_EQ(NewEffects().count("tooon.wav"), flipped);
    EXPECT_FALSE(k.Ctl.Thinking.Visible);

    const auto expected = ExpectedMessages(mine, theirs);
    ASSERT_EQ(platform.messages.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(platform.messages[i].title, expected[i].first);
      EXPECT_EQ(platform.messages[i].text, expected[i].second);
    }
    // The player's collection moved by exactly the transferred cards.
    int gained = 0, given = 0;
    for (const auto& m : expected) {
      gained += m.first == "カード入手";
      given += m.first == "カード譲渡";
    }
    int total = 0, totalBefore = 0;
    for (int id = 0; id < kCardKinds; ++id) {
      total += game.Collections[0][id];
      totalBefore += before[id];
    }
    EXPECT_EQ(total, totalBefore + gained - given);
    // Back in selection: list, record, "終わり"; the board and the hands are gone.
    EXPECT_EQ(k.Duel.Turn, TurnState::Nobody);
    EXPECT_TRUE(k.Ctl.Picture1.Visible);
    EXPECT_TRUE(k.Ctl.Label1.Visible);
    EXPECT_TRUE(k.Ctl.Command4.Visible);
    EXPECT_FALSE(k.Ctl.Field.Visible);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(k.Duel.PlayerHand[i], -1);
      EXPECT_EQ(k.Duel.EnemyHand[i], -1);
      EXPECT_FALSE(k.Ctl.PHand[i].Visible);
    }
  }
};

TEST_F(SeriesTest, TwoDuelsAndLeaveConserveEveryCard) {
  Open(kShindo);
  EXPECT_EQ(sound.Log().filter("music2").join('|'),
            "music2 FileName takahara.mid|music2 FileName shindo.mid|music2 Close|"
            "music2 Open shindo.mid|music2 Play");
  // 真道's weights are in place for the whole series.
  EXPECT_EQ(k.Weights.FlipWeight, 10);
  const int cardsBefore = Held(0) + Held(2);

  PlayOneDuel({1, 20, 33, 2, 3});
  const QString record1 = k.Ctl.Label1.Caption;
  EXPECT_EQ(record1, QStringLiteral("現在%1勝%2敗").arg(game.SeriesWins).arg(game.SeriesLosses));
  EXPECT_EQ(DuelsPlayed(), 1);

  // The first press of the next selection hides "終わり"; a second duel follows.
  k.VScroll1_Change(0);
  int first = 0;
  while (game.Collections[0][first] == 0) ++first;
  k.CardPic_MouseDown(first);
  EXPECT_FALSE(k.Ctl.Command4.Visible);
  EXPECT_FALSE(k.Ctl.Label1.Visible);
  std::vector<int> next;
  for (int id = 0; id < kCardKinds && next.size() < 5; ++id) {
    for (int n = 0; n < game.Collections[0][id] && next.size() < 5; ++n) next.push_back(id);
  }
  ASSERT_EQ(next.size(), 5u);
  PlayOneDuel({next[0], next[1], next[2], next[3], next[4]});
  EXPECT_EQ(DuelsPlayed(), 2);

  // "終わり": the stock goes back, the window closes, the town music comes back.
  sound.TakeLog();
  k.Command4_Click();
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
  EXPECT_EQ(game.Collections[2], k.OpponentStock);
  EXPECT_EQ(Held(0) + Held(2), cardsBefore);
  EXPECT_TRUE(sound.Log().contains("music2 Close"));
  EXPECT_TRUE(sound.Log().contains("music1 Play"));
  // A closed window ignores what the timers or a stray click still deliver.
  Tick();
  k.CardPic_DblClick(1);
  EXPECT_EQ(Held(0) + Held(2), cardsBefore);
}

TEST_F(SeriesTest, ResultsCountTransfersAndRecord) {
  Give(0, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {10, 3}});
  Open(kShindo);
  // A win: three face-up cards against two; the three face-down enemy cards come over.
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  const auto theirs = k.Duel.EnemyHand;
  const auto stock = k.OpponentStock;
  Finish(kThreeToTwo);
  platform.messages.clear();
  k.Timer1_Timer();
  ASSERT_EQ(platform.messages.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(platform.messages[i].title, "カード入手");
    EXPECT_EQ(platform.messages[i].text, "「" + CardName(theirs[2 + i]) + "」カードを手に入れた。");
    EXPECT_EQ(platform.messages[i].card, (ShownCard{theirs[2 + i], false}));
  }
  EXPECT_EQ(game.SeriesWins, 1);
  EXPECT_EQ(k.Ctl.Label1.Caption, "現在1勝0敗");
  // Drawn cards went home, less the three that changed hands.
  int stockDelta = 0;
  for (int id = 0; id < kCardKinds; ++id) stockDelta += k.OpponentStock[id] - stock[id];
  EXPECT_EQ(stockDelta, 5 - 3);

  // A loss: the player's two face-down cards go; the winner keeps its own face-down card.
  k.CardPic_MouseDown(1);
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  const auto mine = k.Duel.PlayerHand;
  const int heldBefore = Held(0);
  Finish(
      Board("  a  "
            " bcd "
            ".+-5."
            " +3. "
            "  1  "));
  platform.messages.clear();
  k.Timer1_Timer();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].title, "カード譲渡");
  EXPECT_EQ(platform.messages[0].text, "「" + CardName(mine[1]) + "」カードを失った。");
  EXPECT_EQ(platform.messages[1].text, "「" + CardName(mine[3]) + "」カードを失った。");
  EXPECT_EQ(Held(0), heldBefore + 5 - 2);
  EXPECT_EQ(k.Ctl.Label1.Caption, "現在1勝1敗");

  // A draw: one message, no card moves, draws are not shown in the record.
  k.CardPic_MouseDown(1);
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  const int heldDraw = Held(0);
  Finish(
      Board("  a  "
            " b-- "
            ".+-+."
            " 2+. "
            "  1  "));
  platform.messages.clear();
  k.Timer1_Timer();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "End of the Game");
  EXPECT_EQ(platform.messages[0].text, "引き分け・・・。");
  EXPECT_EQ(Held(0), heldDraw + 5);
  EXPECT_EQ(game.SeriesDraws, 1);
  EXPECT_EQ(k.Ctl.Label1.Caption, "現在1勝1敗");
  EXPECT_TRUE(k.IsOpen());
}

TEST_F(SeriesTest, OneEnemyMovePerTickAndOnlyWhenNothingFlips) {
  // Whether "考え中" was up each time the window let events run.
  std::vector<bool> thinking;
  platform.onEvents = [&] { thinking.push_back(k.Ctl.Thinking.Visible); };
  auto enemyCards = [this] {
    int n = 0;
    for (int c = 1; c <= 5; ++c)
      for (int r = 1; r <= 5; ++r) n += k.Duel.BoardCard[c][r] < 0;
    return n;
  };
  auto played = [this] {
    int n = 0;
    for (int i = 0; i < 5; ++i) n += k.Duel.EnemyPlayed[i];
    return n;
  };
  auto hiddenEHands = [this] {
    int n = 0;
    for (const DuelControl& e : k.Ctl.EHand) n += !e.Visible;
    return n;
  };
  Open(kShindo);
  // Idle ticks during the selection show nothing and play nothing.
  MarkEffects();
  for (int i = 0; i < 3; ++i) k.Timer1_Timer();
  EXPECT_TRUE(NewEffects().isEmpty());
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  MarkEffects();
  const int setUpRuns = static_cast<int>(thinking.size());
  EXPECT_TRUE(std::none_of(thinking.begin(), thinking.end(), [](bool t) { return t; }));

  // While a flip is shown the enemy waits, even in its turn.
  k.Duel.Turn = TurnState::Enemy;
  k.FlipTime[3][3] = 0.64;
  k.Timer1_Timer();
  EXPECT_EQ(played(), 0);
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  EXPECT_EQ(static_cast<int>(thinking.size()), setUpRuns);
  k.FlipTime[3][3] = 0;

  // Nothing flipping: one tick, one move.
  k.Timer1_Timer();
  EXPECT_EQ(played(), 1);
  EXPECT_EQ(hiddenEHands(), 1);
  EXPECT_EQ(enemyCards(), 1);  // face up, or face down on the player's field
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);
  EXPECT_EQ(k.Duel.SelectedSlot, -1);
  EXPECT_FALSE(k.Ctl.Thinking.Visible);
  ASSERT_EQ(static_cast<int>(thinking.size()), setUpRuns + 1);
  EXPECT_TRUE(thinking.back());  // shown, and painted, before the move was chosen
  EXPECT_EQ(NewEffects(), QStringList{"Youdid.wav"});

  // Idle ticks in the player's turn: no move, no label, no sound.
  while (k.IsFlipRunning()) k.FlipAnime_Timer();
  MarkEffects();
  for (int i = 0; i < 3; ++i) k.Timer1_Timer();
  EXPECT_EQ(played(), 1);
  EXPECT_EQ(static_cast<int>(thinking.size()), setUpRuns + 1);
  EXPECT_TRUE(NewEffects().isEmpty());

  // With the effect switch off the enemy still moves, silently.
  sound.Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  k.Duel.Turn = TurnState::Enemy;
  k.Timer1_Timer();
  EXPECT_EQ(played(), 2);
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);
  EXPECT_TRUE(NewEffects().isEmpty());
  platform.onEvents = nullptr;
}

TEST_F(SeriesTest, NothingIsSettledWhileAFlipIsShownOrACardIsLeft) {
  Open(kShindo);
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  Finish(
      Board("  a  "
            " b-- "
            ".4-+."
            " 23. "
            "  1  "));
  k.FlipTime[4][3] = 0.14;
  k.Timer1_Timer();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_NE(k.Duel.Turn, TurnState::Nobody);
  k.FlipTime[4][3] = 0;
  k.Duel.EnemyPlayed[4] = false;
  k.Ctl.EHand[4].Visible = true;
  k.Duel.Turn = TurnState::Player;
  k.Timer1_Timer();
  EXPECT_TRUE(platform.messages.empty());
  k.Duel.EnemyPlayed[4] = true;
  k.Timer1_Timer();
  EXPECT_EQ(platform.messages.size(), 3u);  // 4 against 2: three enemy cards change hands
}

}  // namespace
}  // namespace korvane::testing
