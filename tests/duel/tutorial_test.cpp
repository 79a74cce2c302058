// The rules tutorial played on the duel window's logic, press by press, with the window's own
// timers ticked by hand: texts, the two example duels on the real board, the lock on the
// player's own clicks, and closing at any page without touching a collection.
#include "duel/tutorial.h"

#include <gtest/gtest.h>

#include "tests/duel/duel_test_support.h"
#include "tests/duel/tutorial_texts.h"

namespace korvane {
namespace {

class TutorialTest : public testing::DuelTest {
 protected:
  // The title's "ゲーム説明": mode and page, the window loads, its tutorial controls appear.
  void OpenTutorial() {
    game.TutorialMode = -1;
    game.TutorialPage = 1;
    k.Form_Load();
    ShowTutorialControls(k, sound);
  }
  // Presses "ふむふむ" until page `last` has been performed, letting the window's timers run a
  // while after each press as they would while the player reads.
  void PressThrough(int last, bool ticks = true) {
    while (game.TutorialPage <= last && k.IsOpen()) {
      k.LButton_Click();
      if (ticks) {
        for (int i = 0; i < 5; ++i) Tick();
      }
    }
  }
  // Some collections the tutorial must never touch.
  void GiveCollections() {
    Give(0, {{2, 3}, {7, 1}, {20, 2}});
    Give(1, {{1, 5}, {12, 3}});
    Give(6, {{39, 1}});
  }
  int Code(int c, int r) const { return k.Duel.BoardCard[c][r]; }
  int Effects(const char* name) const { return static_cast<int>(sound.Effects().count(name)); }
  int Youdids() const { return Effects("Youdid.wav"); }
};

TEST_F(TutorialTest, ThirtyFivePressesShowTheTextsPlayBothExamplesAndClose) {
  GiveCollections();
  const auto before = game.Collections;
  OpenTutorial();
  EXPECT_TRUE(k.Ctl.LButton.Visible);
  EXPECT_TRUE(k.Ctl.LText.Visible);
  EXPECT_EQ(k.Ctl.LButton.Caption, QStringLiteral("ふむふむ"));
  EXPECT_EQ(k.Ctl.LText.Caption, TutorialOpeningText());

  // Every press, then a second of timer ticks; a new text is recorded when LText changes.
  std::vector<QString> shown;
  for (int press = 1; press <= kTutorialPages; ++press) {
    ASSERT_TRUE(k.IsOpen()) << "closed before press " << press;
    const QString was = k.Ctl.LText.Caption;
    k.LButton_Click();
    if (k.Ctl.LText.Caption != was) shown.push_back(k.Ctl.LText.Caption);
    for (int i = 0; i < 10; ++i) Tick();
  }
  ASSERT_EQ(shown.size(), size_t(kTutorialTexts));
  for (int i = 0; i < kTutorialTexts; ++i) {
    EXPECT_EQ(shown[i], QString::fromUtf8(kTutorialExpectedTexts[i])) << "text " << i + 1;
  }

  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
  EXPECT_EQ(game.TutorialPage, 36);
  EXPECT_EQ(game.TutorialMode, 0);
  EXPECT_EQ(game.Collections, before);
  // Nothing asked, no result shown, the enemy moved only when the script said so.
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Youdids(), 5);
  // The adventure's music is back.
  EXPECT_TRUE(sound.Log().contains("music1 Play"));
}

TEST_F(TutorialTest, FirstExampleLaysCardZeroThenFlipsTheEnemysCard) {
  OpenTutorial();
  PressThrough(8);
  // The board with the hands beside it: the player's on the right, the enemy's face up left.
  EXPECT_TRUE(k.Ctl.Field.Visible);
  EXPECT_FALSE(k.Ctl.Picture1.Visible);
  EXPECT_FALSE(k.Ctl.VScroll1.Visible);
  for (int i = 0; i < kHandSize; ++i) {
    EXPECT_TRUE(k.Ctl.PHand[i].Visible);
    EXPECT_TRUE(k.Ctl.EHand[i].Visible);
    EXPECT_EQ(k.Ctl.PHand[i].Pos, QPoint(502, 3 + 81 * i));
    EXPECT_EQ(k.Duel.PlayerHand[i], kFirstExampleHands.Player[i]);
    EXPECT_EQ(k.Duel.EnemyHand[i], kFirstExampleHands.Enemy[i]);
  }
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);  // more "×" sides: the player begins

  PressThrough(13);
  EXPECT_EQ(Code(3, 2), 1);  // slot 0, card 0
  EXPECT_EQ(k.Duel.PlayerHand[0], 0);
  EXPECT_FALSE(k.Ctl.PHand[0].Visible);
  EXPECT_EQ(k.Duel.Turn, TurnState::Nobody);

  PressThrough(16);
  EXPECT_EQ(Code(2, 3), -2);  // the enemy's slot 1
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);
  EXPECT_EQ(Youdids(), 1);

  PressThrough(17);
  const int idids = Effects("idid.wav"), tooons = Effects("tooon.wav");
  k.LButton_Click();  // page 18, the window's timers still
  EXPECT_EQ(Code(1, 3), 3);
  EXPECT_EQ(Code(2, 3), kFlippedEnemyCard);
  EXPECT_NE(k.FlipTime[2][3], 0.0);
  for (int i = 0; i < 8; ++i) k.FlipAnime_Timer();
  EXPECT_EQ(k.FlipTime[2][3], 0.0);
  EXPECT_EQ(Effects("tooon.wav") - tooons, 1);
  EXPECT_EQ(Effects("idid.wav") - idids, 1);
  // Nobody else has moved: the enemy's timer stays idle on its turn.
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  EXPECT_FALSE(k.Ctl.Thinking.Visible);
  EXPECT_EQ(Youdids(), 1);
}

// The second example ends, after the bomb, with this board whether the flips were watched to
// their end between the presses or the presses came faster than the animation.
TEST_F(TutorialTest, SecondExampleEndsWithTheBombsBoard) {
  for (bool watch : {true, false}) {
    SCOPED_TRACE(watch ? "watched" : "fast presses");
    GiveCollections();
    const auto before = game.Collections;
    // As at the title; a tutorial closed in an example counts as a lost series duel.
    game.SeriesWins = game.SeriesLosses = 0;
    OpenTutorial();
    PressThrough(22, watch);
    // The first example cleared: the record shown, nothing given back, a fresh board.
    EXPECT_TRUE(k.Ctl.Label1.Visible);
    EXPECT_EQ(k.Ctl.Label1.Caption, QStringLiteral("現在0勝0敗"));
    EXPECT_FALSE(k.Ctl.Command4.Visible);
    EXPECT_FALSE(k.Ctl.Picture1.Visible);
    EXPECT_FALSE(k.Ctl.VScroll1.Visible);
    EXPECT_EQ(game.Collections, before);
    EXPECT_EQ(Code(3, 2), kEmptySquare);
    EXPECT_EQ(Code(1, 3), kEmptySquare);
    EXPECT_EQ(k.Duel.PlayerHand, kSecondExampleHands.Player);
    EXPECT_EQ(k.Duel.EnemyHand, kSecondExampleHands.Enemy);

    PressThrough(24, watch);  // split from (3, 4) over the blind square onto (3, 2)
    EXPECT_EQ(Code(3, 4), 3);
    EXPECT_EQ(Code(3, 2), kFlippedEnemyCard);
    EXPECT_EQ(Code(3, 3), kEmptySquare);

    PressThrough(32, watch);
    // The bomb on the home square blows up the plus around (3, 3): the enemy's card on (2, 3)
    // and the player's own card on (4, 3) go over with it.
    EXPECT_EQ(Code(3, 5), 5);
    EXPECT_EQ(Code(2, 3), kFlippedEnemyCard);
    EXPECT_EQ(Code(4, 3), kFlippedPlayerCard);
    EXPECT_EQ(Code(3, 3), kFlippedEnemyCard);
    EXPECT_EQ(Code(3, 4), kFlippedPlayerCard);
    EXPECT_EQ(Code(2, 2), kFlippedPlayerCard);
    EXPECT_EQ(Code(3, 2), kFlippedEnemyCard);
    EXPECT_EQ(Code(2, 4), -3);
    // The player's slot 1 and the enemy's slot 0 stay in hand.
    for (int i = 0; i < kHandSize; ++i) {
      EXPECT_EQ(k.Duel.PlayerPlayed[i], i != 1) << i;
      EXPECT_EQ(k.Ctl.PHand[i].Visible, i == 1) << i;
      EXPECT_EQ(k.Duel.EnemyPlayed[i], i != 0) << i;
      EXPECT_EQ(k.Ctl.EHand[i].Visible, i == 0) << i;
    }
    EXPECT_TRUE(platform.messages.empty());

    PressThrough(35, watch);
    EXPECT_FALSE(k.IsOpen());
    EXPECT_EQ(game.Collections, before);
    EXPECT_EQ(game.TutorialMode, 0);
  }
}

TEST_F(TutorialTest, ClosingDuringTheSecondExampleAsksNothingAndKeepsTheCollections) {
  GiveCollections();
  const auto before = game.Collections;
  sound.Switches().MusicCaption = QStringLiteral("音楽：ＯＮ");
  OpenTutorial();
  PressThrough(27);
  sound.TakeLog();
  EXPECT_TRUE(k.Unload());
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(game.Collections, before);
  EXPECT_EQ(game.TutorialMode, 0);
  const QStringList log = sound.Log();
  EXPECT_TRUE(log.contains("music2 Close"));
  EXPECT_TRUE(log.contains("music1 Play"));

  // A press still queued when the window has gone does nothing.
  const int page = game.TutorialPage;
  k.LButton_Click();
  EXPECT_EQ(game.TutorialPage, page);

  // Closing on the list pages, before any example, is just as quiet.
  OpenTutorial();
  PressThrough(5);
  EXPECT_TRUE(k.Unload());
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(game.Collections, before);
  EXPECT_EQ(game.TutorialMode, 0);
}

TEST_F(TutorialTest, PageFourShowsTheExampleCardsAndTheListStaysLocked) {
  Give(0, {{2, 3}});  // a card of the player's own that is also an example
  OpenTutorial();
  PressThrough(4);
  for (const ExampleListCard& card : kExampleList) {
    EXPECT_TRUE(k.Ctl.CardPic[card.card].Visible);
    EXPECT_TRUE(k.Ctl.cardlabel[card.card].Visible);
    EXPECT_EQ(k.Ctl.cardlabel[card.card].Caption, ExampleCaption(card));
  }
  EXPECT_EQ(k.Ctl.cardlabel[5].Caption, QString::fromUtf8("盗賊\r×2"));
  // The player's own presses, double-clicks and scrolling change nothing.
  k.CardPic_MouseDown(2);
  k.CardPic_DblClick(2);
  k.VScroll1_Change(14);
  EXPECT_EQ(game.Collections[0][2], 3);
  EXPECT_EQ(k.Duel.PlayerHand[0], -1);
  EXPECT_FALSE(k.Ctl.PHand[0].Visible);
  EXPECT_EQ(k.Ctl.VScrollValue, 0);
  EXPECT_TRUE(k.Ctl.CardPic[7].Visible);
  EXPECT_TRUE(sound.Effects().isEmpty());
}

// The player's own clicks on the board and the hand would take squares the script needs; while
// the tutorial runs they are ignored and the script plays on the board it expects.
TEST_F(TutorialTest, BoardAndHandsAreLockedToTheScript) {
  OpenTutorial();
  PressThrough(23);
  ASSERT_EQ(k.Duel.Turn, TurnState::Player);
  const int16_t selected = k.Duel.SelectedSlot;
  Pick(0);
  EXPECT_EQ(k.Duel.SelectedSlot, selected);
  k.Duel.SelectedSlot = 0;  // even with a slot chosen somehow, the board does not take it
  Place(3, 4);
  Place(3, 3);
  EXPECT_EQ(Code(3, 4), kEmptySquare);
  EXPECT_EQ(Code(3, 3), kEmptySquare);
  EXPECT_FALSE(k.Duel.PlayerPlayed[0]);

  PressThrough(24);
  EXPECT_EQ(Code(3, 4), 3);  // the script's slot 2 where the script put it
  PressThrough(32);
  EXPECT_EQ(Code(3, 5), 5);
  EXPECT_EQ(Code(4, 3), kFlippedPlayerCard);

  // After the tutorial the same window takes the player's clicks again.
  PressThrough(35);
  EXPECT_EQ(game.TutorialMode, 0);
  EXPECT_FALSE(k.TutorialLocksInput());
}

// A scripted move lets window events run; a second press of the button handled then, or the
// player closing the window then, must not replay the page or play on a closed window.
TEST_F(TutorialTest, EventsDuringAScriptedMove) {
  OpenTutorial();
  PressThrough(30);
  int nested = 0;
  platform.onEvents = [&] {
    ++nested;
    k.LButton_Click();
  };
  k.LButton_Click();  // page 31: enemy, player (events run), enemy
  platform.onEvents = nullptr;
  EXPECT_GE(nested, 1);
  EXPECT_EQ(game.TutorialPage, 32);
  EXPECT_EQ(Code(4, 3), 1);   // slot 0, face up
  EXPECT_EQ(Code(2, 4), -3);  // the page's last move, once
  EXPECT_EQ(Youdids(), 5);    // 16, 23, 25 and two on 31

  platform.onEvents = [&] { k.Unload(); };
  k.LButton_Click();  // page 32: the bomb; the window closes while events run
  platform.onEvents = nullptr;
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(game.TutorialMode, 0);
  EXPECT_EQ(game.TutorialPage, 33);
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(TutorialTest, ScriptedEnemyMovesPlayTheirSoundOnlyWithEffectsOn) {
  sound.Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  OpenTutorial();
  PressThrough(35);
  EXPECT_TRUE(sound.Effects().isEmpty());
  EXPECT_FALSE(k.IsOpen());
}

}  // namespace
}  // namespace korvane
