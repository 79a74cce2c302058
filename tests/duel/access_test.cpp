// What a screen reader finds in the duel: the thirteen squares and the ten hand cards one by one,
// with their cards, sides (the enemy's turned round) and fields; the key cursor as the focus;
// and each placement, flip, the score and the result said once, as the duel goes on.
#include <QAccessible>
#include <QPointer>
#include <QTest>

#include "duel/duel_speech.h"
#include "duel/korvane_window.h"
#include "state/language.h"
#include "tests/duel/duel_test_support.h"
#include "ui/accessibility.h"

namespace korvane::testing {
namespace {

class DuelAccessTest : public DuelTest {
 protected:
  DuelAccessTest() {
    Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {10, 2}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
    game.OpponentName = kKazami;
    platform.onEvents = [] { QCoreApplication::processEvents(); };
  }
  ~DuelAccessTest() override { delete w; }
  QString Name(int id) const { return CardNameInEdition(CardName(id)); }
  QString Enemy(int slot) const { return Name(k.Duel.EnemyHand[slot]); }

  QPointer<KorvaneWindow> w;
};

TEST_F(DuelAccessTest, WhatHappensIsSaidOnceInTheOrderItHappens) {
  Open(kKazami);
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  DuelState& s = k.Duel;
  DuelSpeech speech;
  using Said = std::vector<QString>;
  EXPECT_EQ(speech.Follow(k), Said{});  // the deal only
  struct Step {
    std::function<void()> change;
    Said said;
  } steps[] = {
      {[&] { s.Board(3, 3) = 1, s.PlayerPlayed[0] = true; },
       {"あなたは" + Name(1) + "を3列3行に置いた", "あなた 1 − 0 相手"}},
      {[&] { s.Board(2, 3) = kFlippedEnemyCard, s.EnemyPlayed[1] = true; },
       {"相手は" + Enemy(1) + "を2列3行に置いた。伏せて置かれた", "あなた 1 − 0 相手"}},
      {[&] { s.Board(3, 2) = -1, s.EnemyPlayed[0] = true, s.Board(3, 3) = kFlippedPlayerCard; },
       {"相手は" + Enemy(0) + "を3列2行に置いた", "裏返った：あなたの" + Name(1) + "（3列3行）",
        "あなた 0 − 1 相手"}},
      {[&] {
         s.PlayerPlayed.fill(true), s.EnemyPlayed.fill(true);
         s.Turn = TurnState::Nobody;
       },
       {"負け 0 対 1"}},
      {[] {}, {}},  // the result is said once
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(speech.Follow(k), step.said);
  }

  // Each square and hand card as it is drawn: the enemy's sides turned round.
  s.EnemySides[0] = {'1', 's', '0', 'b'};
  s.PlayerSides[1] = {'2', '0', 'a', '0'};
  s.PlayerFieldMap[3][2] = 1;
  s.EnemyFieldMap[3][4] = s.PlayerFieldMap[3][4] = 1;
  const std::pair<BoardSquare, QString> squares[] = {
      {{3, 2}, "3列2行：相手の" + Enemy(0) + "、上× 右ボム 下1 左スプリット、あなたの陣地"},
      {{3, 3}, "3列3行：あなたの伏せたカード"},
      {{2, 3}, "2列3行：相手の伏せたカード"},
      {{3, 4}, "3列4行：空き、両方の陣地"},
  };
  for (const auto& [square, text] : squares) EXPECT_EQ(SquareSpeech(s, cards, square), text);
  EXPECT_EQ(HandSpeech(s, cards, true, 0), "あなたの手札1：" + Name(1) + "（置いた）");
  s.PlayerPlayed[1] = false;
  EXPECT_EQ(HandSpeech(s, cards, true, 1), "あなたの手札2：" + Name(2) + "、上2 右× 下アーク 左×");
  EXPECT_EQ(DiamondSquares().size(), 13u);
}

TEST_F(DuelAccessTest, TheWindowsTreeAndAnnouncementsThroughADuelByKeys) {
  w = new KorvaneWindow(k);
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  const auto Key = [this](int key) { QTest::keyClick(w, static_cast<Qt::Key>(key)); };
  const auto Widget = [this](const char* name) { return w->findChild<QWidget*>(name); };
  const auto s = [this]() -> DuelState& { return k.Duel; };
  QString sides;
  for (int side = 1; side <= 4; ++side) {
    const char code = cards.Side(1, side);
    sides += code == '0' ? QStringLiteral("×") : QString(QLatin1Char(code)).toUpper();
  }
  EXPECT_EQ(AccessibleName(Widget("CardPic1")), Name(1) + "（" + sides + "）");
  for (int n = 0; n < 5; ++n) {
    for (int i = 0; i < 40 && w->Keys().ListCursor() != 1; ++i) Key(Qt::Key_Right);
    Key(Qt::Key_Return);
  }
  Key(Qt::Key_S);
  ASSERT_TRUE(Widget("Field")->isVisible());
  QWidget* field = Widget("Field");
  const std::vector<QString> names = AccessibleItemNames(field);
  ASSERT_EQ(names.size(), 13u);
  EXPECT_TRUE(names.front().startsWith("3列1行：")) << names.front().toStdString();
  EXPECT_TRUE(names.back().startsWith("3列5行：")) << names.back().toStdString();
  EXPECT_TRUE(AccessibleName(Widget("PHand0")).startsWith("あなたの手札1：" + Name(1) + "、上"));
  EXPECT_TRUE(AccessibleName(Widget("EHand4")).startsWith("相手の手札5："));
  const Announcer* said = Announcer::Of(w);

  // The player's first card onto the middle by keys: the cursor's square is the focused item.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return s().Turn == TurnState::Player && !k.IsFlipRunning(); }, 10000));
  Key(Qt::Key_1);
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(field);
  ASSERT_TRUE(board && board->focusChild());
  EXPECT_TRUE(board->focusChild()->state().focused);
  const BoardSquare at = *w->Keys().BoardCursor();
  const QString where = QStringLiteral("%1列%2行").arg(at.column).arg(at.row);
  EXPECT_TRUE(board->focusChild()->text(QAccessible::Name).startsWith(where + "：空き"));
  EXPECT_EQ(board->childAt(board->focusChild()->rect().center().x(),
                           board->focusChild()->rect().center().y()),
            board->focusChild());
  Key(Qt::Key_Return);
  const QString placed = "あなたは" + Name(1) + "を" + where + "に置いた";
  EXPECT_TRUE(std::find(said->Said().begin(), said->Said().end(), placed) != said->Said().end());
  EXPECT_TRUE(board->focusChild()->text(QAccessible::Name).startsWith(where + "：あなたの"));

  // The rest of the duel: the result is said once at its end.
  while (s().Turn != TurnState::Nobody) {
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          return s().Turn == TurnState::Nobody ||
                 (s().Turn == TurnState::Player && !k.IsFlipRunning());
        },
        10000));
    if (s().Turn == TurnState::Player && !act.PlayerMove()) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return s().Turn == TurnState::Nobody; }, 10000));
    }
    w->Mirror();
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !k.IsFlipRunning(); }, 10000));
  w->Mirror();
  const FaceUpCount count = CountFaceUp(s());
  int results = 0;
  for (const QString& text : said->Said()) {
    results += text.contains(QStringLiteral("%1 対 %2").arg(count.player).arg(count.enemy));
  }
  EXPECT_EQ(results, 1);
}

}  // namespace
}  // namespace korvane::testing
