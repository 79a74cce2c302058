// The script engine driven tick by tick over a small table of its own.
#include "adv_test_support.h"

namespace korvane {
namespace {

// 70 characters: three full lines and four more that are typed but never shown.
const QString kLong = QString(22, QChar(u'あ')) + QString(22, QChar(u'い')) +
                      QString(22, QChar(u'う')) + QStringLiteral("ええええ");

// The test table of place 1 (真道's house):
//  0 long speech, 1 question with choices, 2 / 3 the answers, 4..6 no entries,
//  7 notice, 8 duel, 12 result branching to 13 / 14 / 15, 13..15 one line each.
bool TestTable(int place, ScriptHost& host) {
  if (place != 1) return false;
  int16_t& step = host.State().ShindoStep;
  switch (step) {
    case 0:
      host.ShowSpeech(kLong);
      return true;
    case 1:
      host.ShowMessage(QStringLiteral("勝負する？"));
      host.ShowChoices(QStringLiteral("勝負！"), QStringLiteral("また今度"));
      return true;
    case 2:
      host.ShowSpeech(QStringLiteral("first"));
      return true;
    case 3:
      host.ShowSpeech(QStringLiteral("second"));
      return true;
    case 7:
      host.ShowNotice(QStringLiteral("お知らせ"));
      return true;
    case 8:
      host.StartDuel();
      return true;
    case 12: {
      const GameState& g = host.State();
      host.ShowNotice(QStringLiteral("今回の戦績は%1勝%2敗%3引き分けだった。")
                          .arg(g.SeriesWins)
                          .arg(g.SeriesLosses)
                          .arg(g.SeriesDraws));
      const int next = g.SeriesWins > g.SeriesLosses ? 15 : g.SeriesWins < g.SeriesLosses ? 14 : 13;
      step = next - 1;
      return true;
    }
    case 13:
      host.ShowSpeech(QStringLiteral("even"));
      return true;
    case 14:
      host.ShowSpeech(QStringLiteral("lost"));
      return true;
    case 15:
      host.ShowSpeech(QStringLiteral("won"));
      return true;
    default:
      return false;
  }
}

class EngineTest : public AdventureTest {
 protected:
  void SetUp() override {
    adv->SetStepRunner(&TestTable);
    StartNewGame();
    TypeOut();
    adv->Picture1_Click();  // "どこに行こうかな？" dismissed
    adv->EnterPlace(1);
  }
  int CoCount() const { return static_cast<int>(sound->Effects().count(QStringLiteral("co.wav"))); }
};

TEST_F(EngineTest, TypesOneCharacterPerTickWithTheClickSound) {
  const int before = CoCount();
  Tick();  // step 0 runs: the message is set, nothing typed yet
  EXPECT_EQ(adv->MessageText(), kLong);
  EXPECT_EQ(adv->MessageLabelCaption(), QString());
  EXPECT_EQ(adv->TextColor(), QColor(255, 0, 0));
  EXPECT_EQ(state.ShindoStep, 1);
  Tick(5);
  EXPECT_EQ(adv->MessageCursor(), 5);
  EXPECT_EQ(adv->MessageLabelCaption(), kLong.left(5));
  EXPECT_EQ(CoCount() - before, 5);

  // With effects off typing is silent, from the next character on.
  adv->Command5_Click();  // hidden outside the player's house: nothing changes
  EXPECT_TRUE(sound->Switches().EffectsOn());
  sound->Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  Tick(3);
  EXPECT_EQ(adv->MessageCursor(), 8);
  EXPECT_EQ(CoCount() - before, 5);
}

TEST_F(EngineTest, ClickRules) {
  Tick(10);  // step 0 runs, then nine characters
  const QString typed = adv->MessageLabelCaption();
  adv->Picture1_Click();  // still typing: no effect
  adv->Picture2_Click();
  adv->Picture4_Click();
  EXPECT_EQ(adv->MessageText(), kLong);
  TypeOut();
  EXPECT_EQ(adv->MessageLabelCaption(), kLong);
  Tick(3);  // a finished message waits for the click
  EXPECT_EQ(state.ShindoStep, 1);
  adv->Picture1_Click();
  EXPECT_TRUE(adv->MessageText().isEmpty());
  Tick();  // the next step runs on the next tick
  EXPECT_EQ(adv->MessageText(), QStringLiteral("勝負する？"));
  EXPECT_EQ(adv->TextColor(), QColor(0, 0, 0));
  EXPECT_EQ(state.ShindoStep, 2);

  // While the choices are up, a finished question is not dismissed by a click anywhere.
  TypeOut();
  adv->Picture1_Click();
  adv->Picture2_Click();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("勝負する？"));
  EXPECT_TRUE(adv->Choiser(0).visible);
}

TEST_F(EngineTest, ChoiceClickedWhileTypingIsAcceptedAndSecondSkipsAStep) {
  Tick();
  TypeOut();
  adv->Picture1_Click();
  Tick(3);  // question set, two characters typed
  ASSERT_NE(adv->MessageLabelCaption(), adv->MessageText());
  EXPECT_EQ(adv->Choiser(0).caption, QStringLiteral("勝負！"));
  EXPECT_EQ(adv->Choiser(1).caption, QStringLiteral("また今度"));
  adv->Choiser_Click(1);
  EXPECT_FALSE(adv->Choiser(0).visible);
  EXPECT_FALSE(adv->Choiser(1).visible);
  EXPECT_TRUE(adv->MessageText().isEmpty());
  EXPECT_EQ(state.ShindoStep, 3);
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("second"));

  // The first choice leads to the very next step.
  state.ShindoStep = 1;
  adv->Picture1_Click();  // not yet typed: ignored
  GoOn();
  adv->Choiser_Click(0);
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("first"));
  // A hidden choice button cannot be clicked.
  adv->Choiser_Click(0);
  EXPECT_EQ(state.ShindoStep, 3);
}

TEST_F(EngineTest, LongMessageTypesPastTheSixtySixthButShowsOnlySixtySix) {
  Tick();  // step 0
  const int before = CoCount();
  Tick(66);
  const QImage at66 = adv->Picture1().copy();
  Tick(3);
  EXPECT_NE(adv->MessageLabelCaption(), kLong);  // still typing
  Tick();
  EXPECT_EQ(adv->MessageLabelCaption(), kLong);
  EXPECT_EQ(CoCount() - before, 70);  // every character with its click
  EXPECT_EQ(adv->Picture1(), at66);   // but nothing after the 66th is drawn
  // Typing is finished: further ticks change nothing.
  Tick(5);
  EXPECT_EQ(adv->MessageCursor(), 70);
  EXPECT_EQ(adv->Picture1(), at66);
}

TEST_F(EngineTest, LinesAreDrawnAtTheirPlacesInTheBox) {
  const QRect box = adv->MessageLabelRect().Pixels();
  auto inkIn = [&](int lineIndex) {
    // Pixels of the line's band that are not part of the light box (text is dark or red).
    const int top = (adv->MessageLabelRect().top + kLineOffsetTwips[lineIndex]) / kTwipsPerPixel;
    int ink = 0;
    for (int y = top; y < top + 20 && y < box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (QColor(adv->Picture1().pixel(x, y)).green() < 150) ++ink;
      }
    }
    return ink;
  };
  Tick();
  EXPECT_EQ(inkIn(0), 0);
  Tick(22);
  EXPECT_GT(inkIn(0), 50);
  EXPECT_EQ(inkIn(1), 0);
  Tick(1);
  EXPECT_GT(inkIn(1), 5);
  EXPECT_EQ(inkIn(2), 0);
  Tick(22);
  EXPECT_GT(inkIn(2), 5);
  // The text is red (a speech).
  bool red = false;
  for (int x = box.left(); x <= box.right() && !red; ++x) {
    const QColor c = adv->Picture1().pixel(x, box.top() + 12);
    red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
  }
  EXPECT_TRUE(red);
  // A new message erases the old text: the box is empty again.
  state.ShindoStep = 7;
  GoOn();
  EXPECT_EQ(inkIn(0) + inkIn(1) + inkIn(2), 0);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("『お知らせ』"));
  EXPECT_EQ(adv->TextColor(), QColor(0, 0, 255));
}

TEST_F(EngineTest, StepsWithoutEntriesPassOneValuePerTick) {
  state.ShindoStep = 4;
  const QImage before = adv->Picture1().copy();
  Tick();
  EXPECT_EQ(state.ShindoStep, 5);
  Tick();
  EXPECT_EQ(state.ShindoStep, 6);
  Tick();
  EXPECT_EQ(state.ShindoStep, 7);
  EXPECT_TRUE(adv->MessageText().isEmpty());
  EXPECT_EQ(adv->Picture1(), before);
  Tick();  // step 7 has an entry
  EXPECT_EQ(adv->MessageText(), QStringLiteral("『お知らせ』"));
}

TEST_F(EngineTest, DuelSuspendsTheEngineAndTheResultRunsAfterIt) {
  state.ShindoStep = 8;
  sound->TakeLog();
  Tick();
  EXPECT_EQ(host.duelOpenings, 1);
  EXPECT_FALSE(adv->WindowVisible());
  EXPECT_EQ(state.OpponentName, QStringLiteral("真道 祐樹"));
  EXPECT_EQ(state.ShindoStep, 12);  // 8 -> 11 by the duel, +1 by the engine
  EXPECT_TRUE(sound->Log().contains(QStringLiteral("music1 Close")));
  // The series is played; nothing runs while the duel window shows.
  Tick(50);
  EXPECT_EQ(state.ShindoStep, 12);
  EXPECT_TRUE(adv->MessageText().isEmpty());
  state.SeriesWins = 2;
  state.SeriesLosses = 1;
  adv->DuelWindowClosed();
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("『今回の戦績は2勝1敗0引き分けだった。』"));
  GoOn();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("won"));
}

TEST_F(EngineTest, StartDuelCountersAndOpponents) {
  struct Case {
    int place;
    int16_t before;
    int16_t after;  // the counter once StartDuel has adjusted it
    const char* opponent;
  };
  const Case cases[] = {{0, 2, 11, "高原 良絵"}, {2, 10, 11, "風見 誠"}, {3, 11, 11, "横田 真央"},
                        {4, 30, 30, "高峰 武"},  {5, 31, 35, "速水 結"}, {7, -1, 11, "高峰 武"},
                        {8, 33, 35, "横田 真央"}};
  for (const Case& c : cases) {
    adv->SetCurrentPlace(c.place);
    *state.StepCounter(c.place) = c.before;
    state.SeriesWins = state.SeriesLosses = state.SeriesDraws = 3;
    adv->StartDuel();
    EXPECT_EQ(*state.StepCounter(c.place), c.after) << c.place;
    EXPECT_EQ(state.OpponentName, QString::fromUtf8(c.opponent));
    EXPECT_EQ(state.SeriesWins + state.SeriesLosses + state.SeriesDraws, 0);
    adv->DuelWindowClosed();
  }
  EXPECT_EQ(host.duelOpenings, 7);
}

TEST_F(EngineTest, RepeatedDrawingLeavesTheSamePixels) {
  Tick(10);  // step 0, then nine characters: the first one has been drawn nine times
  const QImage typed = adv->Picture1().copy();
  // The same nine characters drawn once on a fresh box, in the same colour and place.
  adv->ShowSpeech(QStringLiteral("z"));
  const TwipRect r = adv->MessageLabelRect();
  adv->DrawTextAt(r.left, r.top + kLineOffsetTwips[0], kLong.left(9));
  EXPECT_EQ(adv->Picture1(), typed);
}

}  // namespace
}  // namespace korvane
