// The real duel window driven by keys alone, offscreen, with its own timers running: a series
// (choosing, choosing again, the duel to its end, the result, "終わり"), the tutorial by its
// button key at the normal pace, the help box, the rules page, the pace key, Esc and the result
// line. Keys for hidden controls do nothing. Waits are on conditions, never on fixed times.
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

class KeysTest : public DuelTest {
 protected:
  KeysTest() {
    Give(0, {{0, 2}, {1, 3}, {2, 2}, {5, 1}, {7, 2}, {12, 1}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
    game.OpponentName = kKazami;
    platform.onEvents = [] { QCoreApplication::processEvents(); };
  }
  ~KeysTest() override { delete w; }
  void OpenWindow() {
    w = new KorvaneWindow(k);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }
  void Key(int key) { QTest::keyClick(w, static_cast<Qt::Key>(key)); }
  QWidget* Widget(const QString& name) { return w->findChild<QWidget*>(name); }
  bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }
  // The colour the widget shows at a point, as "#rrggbb".
  QString Shown(const QString& widget, QPoint at) {
    return QColor(Widget(widget)->grab().toImage().pixel(at)).name();
  }
  int FlipInterval() {
    for (QTimer* t : w->findChildren<QTimer*>())
      if (t->interval() != 100) return t->interval();
    return -1;
  }
  // Arrows until the list cursor is on `card`.
  void ListTo(int card) {
    for (int n = 0; n < 40 && w->Keys().ListCursor() != card; ++n)
      Key(w->Keys().ListCursor() < card ? Qt::Key_Right : Qt::Key_Left);
    ASSERT_EQ(w->Keys().ListCursor(), card);
  }
  // Arrows until the board cursor is on `to`.
  void BoardTo(BoardSquare to) {
    for (int n = 0; n < 12 && w->Keys().BoardCursor() != to; ++n) {
      ASSERT_TRUE(w->Keys().BoardCursor());
      const BoardSquare at = *w->Keys().BoardCursor();
      Key(at.row > to.row         ? Qt::Key_Up
          : at.row < to.row       ? Qt::Key_Down
          : at.column > to.column ? Qt::Key_Left
                                  : Qt::Key_Right);
    }
    ASSERT_EQ(w->Keys().BoardCursor(), to);
  }

  QPointer<KorvaneWindow> w;
};

TEST_F(KeysTest, ASeriesPlayedWithTheKeyboardAlone) {
  ASSERT_NO_FATAL_FAILURE(OpenWindow());
  const int cardsBefore = Held(0) + Held(3);
  // Space presses a card (a preview only); the cursor is drawn over the card.
  ASSERT_NO_FATAL_FAILURE(ListTo(0));
  Key(Qt::Key_Space);
  EXPECT_TRUE(k.Ctl.PHand[0].Visible);
  EXPECT_EQ(k.Duel.PlayerHand[0], -1);
  EXPECT_EQ(Shown("CardPic0", QPoint(1, 40)), "#ffff00");
  EXPECT_NE(Shown("CardPic1", QPoint(1, 40)), "#ffff00");
  // Five taken with Enter, all given back with R, five taken again, the duel started with S.
  for (int id : {1, 2, 5, 7, 12}) {
    ASSERT_NO_FATAL_FAILURE(ListTo(id));
    Key(Qt::Key_Return);
  }
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{1, 2, 5, 7, 12}));
  ASSERT_TRUE(Widget("Command2")->isVisible());
  Key(Qt::Key_R);
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(Held(0) + Held(3), cardsBefore);
  for (int id : {1, 1, 2, 5, 7}) {
    ASSERT_NO_FATAL_FAILURE(ListTo(id));
    Key(Qt::Key_Return);
  }
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{1, 1, 2, 5, 7}));
  Key(Qt::Key_S);
  ASSERT_TRUE(Widget("Field")->isVisible());

  int moves = 0;
  bool markSeen = false;
  while (k.Duel.Turn != TurnState::Nobody) {
    ASSERT_TRUE(WaitFor([this] {
      return k.Duel.Turn == TurnState::Nobody ||
             (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning());
    }));
    if (k.Duel.Turn == TurnState::Nobody) break;
    if (k.EnemyMark && !markSeen) {
      // The mark is drawn over the board picture; the picture itself keeps its own pixels.
      markSeen = true;
      const QPoint at(80 * (k.EnemyMark->column - 1) + 3, 80 * (k.EnemyMark->row - 1) + 40);
      EXPECT_EQ(Shown("Field", at + QPoint(2, 2)), "#ff8c00");
      EXPECT_NE(QColor(k.Canvas.pixel(at)).name(), "#ff8c00");
    }
    const int slot = test::FirstUnplayedSlot(k.Duel);
    if (slot == kHandSize) {
      ASSERT_TRUE(WaitFor([this] { return k.Duel.Turn == TurnState::Nobody; }));
      break;
    }
    Key(Qt::Key_1 + slot);
    ASSERT_EQ(k.Duel.SelectedSlot, slot);
    const auto [c, r] = test::FirstEmptySquare(k.Duel);
    const BoardSquare to{c, r};
    ASSERT_NO_FATAL_FAILURE(BoardTo(to));
    Key(moves % 2 ? Qt::Key_Space : Qt::Key_Return);
    ASSERT_NE(k.Duel.BoardCard[to.column][to.row], kEmptySquare);
    EXPECT_FALSE(k.EnemyMark);
    ++moves;
  }
  EXPECT_EQ(moves, 5);
  EXPECT_TRUE(markSeen);
  // The result, then "終わり" by Q.
  ASSERT_TRUE(WaitFor([this] { return k.Ctl.Command4.Visible; }));
  EXPECT_EQ(DuelsPlayed(), 1);
  Key(Qt::Key_Q);
  EXPECT_EQ(closedCount, 1);
  ASSERT_TRUE(WaitFor([this] { return w.isNull(); }));
  EXPECT_EQ(Held(0) + Held(3), cardsBefore);
}

TEST_F(KeysTest, TheTutorialByItsKeyAtTheNormalPace) {
  k.DuelPace = Pace::Normal;
  game.TutorialMode = -1;
  game.TutorialPage = 1;
  ASSERT_NO_FATAL_FAILURE(OpenWindow());
  ShowTutorialControls(k, sound);
  w->Mirror();
  EXPECT_EQ(FlipInterval(), kNormalFlipFrameMs);
  int flipsSeen = 0;
  for (int page = 1; page <= kTutorialPages && w; ++page) {
    Key(page % 2 ? Qt::Key_Space : Qt::Key_Return);
    if (k.IsFlipRunning()) {
      ++flipsSeen;
      ASSERT_TRUE(WaitFor([this] { return !k.IsFlipRunning(); }));
    }
  }
  EXPECT_GE(flipsSeen, 3);
  ASSERT_TRUE(WaitFor([this] { return w.isNull(); }));
  EXPECT_EQ(game.TutorialPage, kTutorialPages + 1);
  EXPECT_EQ(game.TutorialMode, 0);
  EXPECT_EQ(closedCount, 1);
}

TEST_F(KeysTest, HelpPaceAndEscape) {
  std::vector<Pace> chosen;
  k.OnPaceChosen = [&chosen](Pace p) { chosen.push_back(p); };
  ASSERT_NO_FATAL_FAILURE(OpenWindow());
  EXPECT_EQ(FlipInterval(), kFastFlipFrameMs);
  Key(Qt::Key_F1);
  auto* help = w->findChild<QMessageBox*>(QStringLiteral("KeyHelp"));
  ASSERT_TRUE(help && help->isVisible());
  for (const char* listed : {"Esc", "F2", "「はやい」", "Ctrl + 0", "F11", "勝負！", "ヒント",
                             "アルバム", "F3", "Backspace"})
    EXPECT_TRUE(help->text().contains(QString::fromUtf8(listed))) << listed;
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([this] { return !w->findChild<QMessageBox*>(QStringLiteral("KeyHelp")); }));
  // F3: the rules page, closed by its own Esc.
  Key(Qt::Key_F3);
  QWidget* rules = w->findChild<QWidget*>(QStringLiteral("RulesPage"));
  ASSERT_TRUE(rules && rules->isVisible());
  QTest::keyClick(rules, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([this] { return !w->findChild<QWidget*>(QStringLiteral("RulesPage")); }));
  Key(Qt::Key_F2);
  EXPECT_EQ(chosen, std::vector<Pace>{Pace::Normal});
  EXPECT_EQ(FlipInterval(), kNormalFlipFrameMs);
  // Keys for controls that are not there do nothing.
  for (int key : {Qt::Key_S, Qt::Key_R, Qt::Key_Q, Qt::Key_1, Qt::Key_Up}) Key(key);
  EXPECT_FALSE(k.Ctl.Field.Visible);
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(closedCount, 0);
  // Esc is the close button: no duel runs, so nothing is asked.
  Key(Qt::Key_Escape);
  EXPECT_EQ(closedCount, 1);
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_TRUE(WaitFor([this] { return w.isNull(); }));
}

}  // namespace
// The result line on the real window: up after the last card, and any key ends it, after which
// the result's messages come.
TEST_F(KeysTest, AnyKeyEndsTheResultLine) {
  ASSERT_NO_FATAL_FAILURE(OpenWindow());
  k.ScoreShown = true;
  StartDuel({0, 1, 2, 5, 7});
  Finish(kThreeToTwo);
  platform.messages.clear();
  ASSERT_TRUE(WaitFor([this] { return k.ResultLine.has_value(); }));
  EXPECT_TRUE(platform.messages.empty());
  Key(Qt::Key_Space);
  EXPECT_FALSE(k.ResultLine);
  EXPECT_EQ(platform.Told(QStringLiteral("カード入手")), 3);
  EXPECT_EQ(game.SeriesWins, 1);
}

}  // namespace korvane::testing
