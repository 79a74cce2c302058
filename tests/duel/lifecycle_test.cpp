// Opening and closing the duel window: the opponent's stock and its minimum, the forfeit, the
// series that end by themselves (速水 結, the special result against 高原 良絵), and the faults
// mended here: flip clocks left running, chosen cards lost on closing, clicks at bad moments.
#include <cmath>

#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

class LifecycleTest : public DuelTest {
 protected:
  LifecycleTest() { Give(0, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {10, 3}, {31, 2}}); }
};

TEST_F(LifecycleTest, MinimumStockPerOpponent) {
  // 高原: a count above the minimum stays, one below is raised.
  Give(1, {{1, 7}, {2, 3}});
  Open(kTakahara);
  EXPECT_EQ(k.OpponentStock[1], 7);
  EXPECT_EQ(k.OpponentStock[2], 5);
  EXPECT_EQ(k.OpponentStock[12], 3);
  EXPECT_EQ(k.Weights.LossWeight, -10);
  EXPECT_EQ(game.Collections[1][2], 3);  // the shared collection changes only on closing
  k.Form_Unload();

  // 横田 with no card 18 and no card 37 anywhere gets one of each; with two 18s, no 37.
  Open(kYokota);
  EXPECT_EQ(k.OpponentStock[18], 1);
  EXPECT_EQ(k.OpponentStock[37], 1);
  EXPECT_EQ(k.OpponentStock[26], 0);
  k.Form_Unload();
  game.Collections[4].fill(0);
  Give(4, {{18, 2}});
  Open(kYokota);
  EXPECT_EQ(k.OpponentStock[18], 2);
  EXPECT_EQ(k.OpponentStock[37], 0);
  k.Form_Unload();
  // Somebody else holding a 37 keeps it out of her stock.
  game.Collections[4].fill(0);
  Give(3, {{37, 1}});
  Open(kYokota);
  EXPECT_EQ(k.OpponentStock[37], 0);
  k.Form_Unload();

  // The master meets 高峰's stronger cards.
  game.PlayerName = QStringLiteral("※ケン");
  Open(kTakamine);
  for (int id : {10, 11, 26, 27, 28, 29, 30, 33, 34, 35, 38}) EXPECT_EQ(k.OpponentStock[id], 1);
  k.Form_Unload();
  game.PlayerName = QStringLiteral("ケン");
  game.Collections[5].fill(0);
  Open(kTakamine);
  EXPECT_EQ(k.OpponentStock[33], 0);
  k.Form_Unload();

  // Any other name (the tutorial's case) keeps the last stock and weights; the music is the
  // device's own "takahara.mid" again, not the last opponent's.
  const auto stock = k.OpponentStock;
  game.TutorialMode = -1;
  sound.TakeLog();
  Open(QStringLiteral("誰か"));
  EXPECT_EQ(k.OpponentStock, stock);
  EXPECT_EQ(k.Music().FileName(), QStringLiteral("takahara.mid"));
  EXPECT_TRUE(sound.Log().contains("music2 Open takahara.mid"));
  EXPECT_EQ(k.Weights.FlipWeight, 9);
}

// 横田 wins both of the player's 37s. Nobody's shared collection shows a 37 until the series
// ends, so the card-37 rule looks at an empty world when the next duel is chosen: it must not
// take her second 37 away.
TEST_F(LifecycleTest, CardThirtySevenRuleNeverDestroysACard) {
  auto worldTotal = [this](int id) {
    int n = k.IsOpen() ? k.OpponentStock[id] - game.Collections[4][id] : 0;
    for (int p = 0; p < kPersons; ++p) n += game.Collections[p][id];
    for (int16_t c : k.Duel.PlayerHand) n += c == id;
    for (int16_t c : k.Duel.EnemyHand) n += c == id;
    return n;
  };
  Give(0, {{37, 2}});
  Open(kYokota);
  EXPECT_EQ(k.OpponentStock[37], 0);  // the player holds two: the rule gives her none
  EXPECT_EQ(k.OpponentStock[18], 1);
  StartDuel({37, 37, 1, 2, 3});
  // She wins three to two; the player's slots 0, 1 and 4 lie face down and go to her.
  Finish(
      Board("  a  "
            " b-c "
            ".4-+."
            " +3. "
            "  +  "));
  k.Timer1_Timer();
  ASSERT_EQ(game.SeriesLosses, 1);
  EXPECT_EQ(k.OpponentStock[37], 2);
  EXPECT_EQ(worldTotal(37), 2);
  // The first press of the next selection applies her minimum stock again.
  k.CardPic_MouseDown(1);
  EXPECT_EQ(k.OpponentStock[37], 2);
  EXPECT_EQ(worldTotal(37), 2);
  EXPECT_TRUE(k.Unload());
  EXPECT_EQ(game.Collections[4][37], 2);
  EXPECT_EQ(worldTotal(37), 2);
}

// Every opening takes a fresh seed from the clock; a source with a fixed seed keeps its numbers,
// which is what keeps the seeded tests pinned.
TEST_F(LifecycleTest, EveryOpeningSeedsTheGeneratorFromTheClock) {
  struct Counting : SeededRandom {
    Counting() : SeededRandom(1) {}
    void SeedFromClock() override { ++seeds; }
    int seeds = 0;
  } counting;
  Korvane other{game, sound, cards, platform, counting, pictures};
  game.OpponentName = kShindo;
  other.Form_Load();
  EXPECT_TRUE(other.Form_Unload());
  other.Form_Load();
  EXPECT_EQ(counting.seeds, 2);

  SeededRandom fixed(5), same(5);
  fixed.SeedFromClock();
  EXPECT_EQ(fixed.Next(), same.Next());
  ClockSeededRandom clock;
  const uint64_t first = clock.LastSeed();
  clock.SeedFromClock();
  EXPECT_NE(clock.LastSeed(), first);
}

TEST_F(LifecycleTest, DuelMusicLoopsWhileOpenAndFollowsTheSwitch) {
  auto& device = dynamic_cast<FakeMusicDevice&>(k.Music());
  Open(kKazami);
  EXPECT_EQ(sound.NowPlaying(), "kazami.mid");
  // The end of a playback starts the piece again.
  sound.TakeLog();
  device.FinishPlayback();
  sound.DeliverNotifications();
  EXPECT_EQ(sound.TakeLog().filter("music2").join('|'),
            "music2 Done|music2 Close|music2 Open kazami.mid|music2 Play");
  EXPECT_EQ(sound.NowPlaying(), "kazami.mid");

  // Music switched off: the loop still reopens the device but plays nothing, and the closing
  // window starts no adventure music; the notification of its "Close" restarts nothing.
  sound.Switches().MusicCaption = QStringLiteral("音楽：ＯＦＦ");
  device.FinishPlayback();
  sound.DeliverNotifications();
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_TRUE(k.Unload());
  sound.DeliverNotifications();
  EXPECT_FALSE(sound.Log().contains("music2 Play"));
  EXPECT_FALSE(sound.Log().contains("music1 Play"));
  EXPECT_FALSE(device.IsOpen());

  // Opening with the music off: "Close" and "Open", no "Play".
  sound.TakeLog();
  Open(kShindo);
  EXPECT_EQ(sound.TakeLog().filter("music2").join('|'),
            "music2 FileName shindo.mid|music2 Close|music2 Open shindo.mid");
  EXPECT_FALSE(device.IsPlaying());
}

TEST_F(LifecycleTest, ForfeitAskedOnceYesIsAPerfectLoss) {
  Give(2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}});
  Open(kShindo);
  StartDuel();
  const auto mine = k.Duel.PlayerHand;

  // No: the window stays and the duel goes on.
  platform.answers = {false};
  EXPECT_FALSE(k.Unload());
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].title, "バトル中断");
  EXPECT_EQ(platform.questions[0].text, "不戦敗はパーフェクト負け扱いです。よろしいですか？");
  EXPECT_TRUE(k.IsOpen());
  EXPECT_EQ(closedCount, 0);
  EXPECT_EQ(game.SeriesLosses, 0);
  EXPECT_EQ(k.Duel.PlayerHand, mine);
  EXPECT_LT(PlayToEnd(), 500);
  EXPECT_EQ(DuelsPlayed(), 1);

  // Yes, in the next duel: a loss, and the opponent keeps the player's five cards and gets
  // its own five back.
  k.CardPic_MouseDown(1);
  StartDuel();
  const auto mine2 = k.Duel.PlayerHand;
  const auto theirs2 = k.Duel.EnemyHand;
  const auto player2 = game.Collections[0];
  auto expected = k.OpponentStock;
  for (int id : mine2) ++expected[id];
  for (int id : theirs2) ++expected[id];
  const int losses = game.SeriesLosses;
  platform.answers = {true};
  EXPECT_TRUE(k.Unload());
  EXPECT_EQ(platform.questions.size(), 2u);
  EXPECT_EQ(game.SeriesLosses, losses + 1);
  EXPECT_EQ(game.Collections[0], player2);
  EXPECT_EQ(game.Collections[2], expected);
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
}

TEST_F(LifecycleTest, ClosingWithChosenCardsGivesThemBack) {
  Open(kShindo);
  const auto before = game.Collections[0];
  Take({1, 2, 31});
  EXPECT_NE(game.Collections[0], before);
  EXPECT_TRUE(k.Unload());
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(game.SeriesLosses, 0);
  EXPECT_EQ(game.Collections[0], before);
  // Five chosen and "勝負！" not pressed: the same.
  Open(kShindo);
  Take({1, 2, 3, 4, 10});
  EXPECT_TRUE(k.Ctl.Command1.Visible);
  EXPECT_TRUE(k.Unload());
  EXPECT_EQ(game.Collections[0], before);
  EXPECT_EQ(closedCount, 2);
}

TEST_F(LifecycleTest, FlipClocksLeftRunningDoNotHoldTheNextDuel) {
  Open(kShindo);
  StartDuel();
  // A flip half shown when the window closes.
  k.FlipTime[3][3] = 0.64;
  platform.answers = {true};
  ASSERT_TRUE(k.Unload());
  Open(kShindo);
  EXPECT_FALSE(k.IsFlipRunning());
  k.FlipTime[2][2] = 1.14;  // and one left over at set-up
  StartDuel();
  EXPECT_FALSE(k.IsFlipRunning());
  EXPECT_LT(PlayToEnd(), 500);
  EXPECT_EQ(DuelsPlayed(), 1);
}

TEST_F(LifecycleTest, HayamiMovesNoCardAndLeavesByItself) {
  Give(6, {{29, 1}, {31, 1}, {32, 1}, {33, 1}, {34, 1}, {35, 1}, {38, 1}});
  const auto hers = game.Collections[6];
  const int mineHeld = Held(0);
  Open(kHayami);
  EXPECT_EQ(k.Music().FileName(), QStringLiteral("hayami.mid"));
  StartDuel();
  Finish(kThreeToTwo);
  sound.TakeLog();
  k.Timer1_Timer();
  EXPECT_EQ(game.SeriesWins, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
  EXPECT_EQ(game.Collections[6], hers);
  EXPECT_EQ(Held(0), mineHeld);
  // The town stays silent after her duel.
  EXPECT_FALSE(sound.Log().contains("music1 Play"));

  // A draw with her still shows its message, then the window closes.
  Open(kHayami);
  StartDuel();
  Finish(
      Board("  a  "
            " --- "
            ".+-+."
            " ++. "
            "  1  "));
  k.Timer1_Timer();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "引き分け・・・。");
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(game.Collections[6], hers);
}

TEST_F(LifecycleTest, SpecialResultAgainstTakahara) {
  const auto fiveNil = Board(
      "  -  "
      " --- "
      ".5-.."
      " 234 "
      "  1  ");
  game.TakaharaStep = 30;
  Open(kTakahara);
  StartDuel();
  const auto theirs = k.Duel.EnemyHand;
  Finish(fiveNil);
  k.Timer1_Timer();
  EXPECT_EQ(game.SeriesWins, -1);
  ASSERT_EQ(platform.messages.size(), 5u);  // all five still come over
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(platform.messages[s].text, "「" + CardName(theirs[s]) + "」カードを手に入れた。");
  }
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(game.Collections[1], k.OpponentStock);

  // With a card 15 in the hand it is an ordinary win and the series goes on.
  Give(0, {{15, 1}});
  Open(kTakahara);
  StartDuel({15, 1, 2, 3, 4});
  Finish(fiveNil);
  k.Timer1_Timer();
  EXPECT_EQ(game.SeriesWins, 1);
  EXPECT_TRUE(k.IsOpen());
  k.Command4_Click();

  // Each other condition missed by itself gives an ordinary win: the story step at 29, a card
  // 15 in somebody's collection, another opponent, or one of the five face down.
  game.Collections[0][15] = 0;
  const auto fourNil = Board(
      "  -  "
      " --- "
      ".+-.."
      " 234 "
      "  1  ");
  struct Variant {
    int step;
    int held15;  // card 15 in 風見's collection
    QString opponent;
    bool allFive;
  };
  for (const Variant& v : {Variant{29, 0, kTakahara, true}, Variant{30, 1, kTakahara, true},
                           Variant{30, 0, kShindo, true}, Variant{30, 0, kTakahara, false}}) {
    SCOPED_TRACE(v.step * 100 + v.held15 * 10 + v.allFive);
    game.TakaharaStep = static_cast<int16_t>(v.step);
    game.Collections[3][15] = static_cast<int16_t>(v.held15);
    Open(v.opponent);
    ASSERT_NO_FATAL_FAILURE(StartDuel());
    Finish(v.allFive ? fiveNil : fourNil);
    k.Timer1_Timer();
    EXPECT_EQ(game.SeriesWins, 1);
    EXPECT_TRUE(k.IsOpen());
    k.Command4_Click();
  }
}

TEST_F(LifecycleTest, TutorialModeNeverMovesTheEnemyAndClosesQuietly) {
  const auto before = game.Collections;
  game.TutorialMode = -1;
  k.Form_Load();
  EXPECT_EQ(k.Music().FileName(), QStringLiteral("takahara.mid"));
  k.Duel.PlayerHand = {0, 2, 3, 5, 7};
  k.Duel.EnemyHand = {3, 6, 9, 12, 15};
  k.SetUpDuel();
  k.Duel.Turn = TurnState::Enemy;
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  EXPECT_FALSE(k.Duel.EnemyPlayed[0]);
  // Closing the example duel: no question, a loss counted, the collections untouched.
  const int losses = game.SeriesLosses;
  EXPECT_TRUE(k.Unload());
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(game.SeriesLosses, losses + 1);
  EXPECT_EQ(game.TutorialMode, 0);
  EXPECT_EQ(game.Collections, before);
}

TEST_F(LifecycleTest, ClicksAtBadMomentsChangeNothing) {
  Give(2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}});
  Open(kShindo);
  const int total = Held(0) + Held(2);
  // "選び直す", a list click and a double-click while the duel is being set up.
  Take({1, 2, 3, 4, 10});
  platform.onEvents = [this] {
    k.Command2_Click();
    k.CardPic_MouseDown(31);
    k.CardPic_DblClick(31);
    k.Command1_Click();
  };
  k.Command1_Click();
  platform.onEvents = nullptr;
  for (int id : k.Duel.PlayerHand) EXPECT_NE(id, -1);
  EXPECT_EQ(game.Collections[0][31], 2);
  // Double-clicks with five chosen, a click on a hidden picture, a board click in the enemy's
  // turn or without a chosen card: nothing, and no sound.
  MarkEffects();
  k.Duel.Turn = TurnState::Enemy;
  Pick(0);
  Place(3, 4);
  k.Duel.Turn = TurnState::Player;
  k.Duel.SelectedSlot = -1;
  Place(3, 4);
  EXPECT_TRUE(NewEffects().isEmpty());
  EXPECT_EQ(k.Duel.BoardCard[3][4], kEmptySquare);
  // A refused square keeps the choice and says so.
  Pick(2);
  // Positions off the board (the board picture never gives them) are ignored.
  k.Field_MouseDown(1, 0, -30, 500);
  k.Field_MouseDown(1, 0, std::nan(""), 10);
  k.Field_MouseDown(1, 0, 406, 10);
  EXPECT_TRUE(NewEffects().isEmpty());
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);
  Place(1, 1);
  EXPECT_EQ(NewEffects(), QStringList{"bboo.wav"});
  EXPECT_EQ(k.Duel.SelectedSlot, 2);
  // Clicks and a close request while the result's messages are up.
  Finish(kThreeToTwo);
  int clicks = 0;
  platform.whileShowing = [&] {
    ++clicks;
    k.CardPic_MouseDown(1);
    k.CardPic_DblClick(1);
    Place(3, 3);
    Pick(0);
    k.Command4_Click();
    EXPECT_FALSE(k.Unload());
    k.Timer1_Timer();
  };
  k.Timer1_Timer();
  platform.whileShowing = nullptr;
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(game.SeriesWins, 1);
  EXPECT_TRUE(k.IsOpen());
  EXPECT_TRUE(platform.questions.empty());
  for (int id : k.Duel.PlayerHand) EXPECT_EQ(id, -1);
  k.Command4_Click();
  EXPECT_EQ(Held(0) + Held(2), total);
  EXPECT_EQ(game.Collections[2], k.OpponentStock);
}

TEST_F(LifecycleTest, ClosingWhileTheEnemyThinksEndsTheMove) {
  Give(2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}});
  Open(kShindo);
  StartDuel();
  k.Duel.Turn = TurnState::Enemy;
  bool thinkingShown = false;
  platform.onEvents = [&] {
    thinkingShown = k.Ctl.Thinking.Visible;
    platform.onEvents = nullptr;
    EXPECT_TRUE(k.Unload());
  };
  k.Timer1_Timer();
  EXPECT_TRUE(thinkingShown);
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(game.SeriesLosses, 1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(k.Duel.EnemyPlayed[i]);
}

}  // namespace
}  // namespace korvane::testing
