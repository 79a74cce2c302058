// The real window with its own timers and the event loop running: the player chooses and plays
// with simulated mouse clicks on the widgets, the enemy answers on the 100 ms timer, flips run on
// the 10 ms timer. Waits are on conditions, never on fixed times.
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "duel/korvane_window.h"
#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

class RealWindowTest : public DuelTest {
 protected:
  RealWindowTest() {
    Give(0, {{0, 2}, {1, 3}, {2, 2}, {5, 1}, {7, 2}, {12, 1}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
    game.OpponentName = kKazami;
    // The platform lets the real events run, as the game's does.
    platform.onEvents = [this] {
      if (k.Ctl.Thinking.Visible && w && w->findChild<QWidget*>("Thinking")->isVisible()) {
        ++thinkingPainted;
      }
      QCoreApplication::processEvents();
    };
  }
  ~RealWindowTest() override { delete w; }
  QWidget* Widget(const QString& name) { return w->findChild<QWidget*>(name); }
  bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

  QPointer<KorvaneWindow> w;
  int thinkingPainted = 0;
};

TEST_F(RealWindowTest, ADuelPlayedWithTheMouse) {
  w = new KorvaneWindow(k);
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  const int cardsBefore = Held(0) + Held(3);
  for (int id : {1, 1, 2, 5, 7})
    QTest::mouseDClick(Widget(QStringLiteral("CardPic%1").arg(id)), Qt::LeftButton);
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{1, 1, 2, 5, 7}));
  ASSERT_TRUE(Widget("Command1")->isVisible());
  QTest::mouseClick(Widget("Command1"), Qt::LeftButton);
  ASSERT_TRUE(Widget("Field")->isVisible());

  int moves = 0;
  while (k.Duel.Turn != TurnState::Nobody) {
    ASSERT_TRUE(WaitFor([this] {
      return k.Duel.Turn == TurnState::Nobody ||
             (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning());
    }));
    if (k.Duel.Turn == TurnState::Nobody) break;
    const int slot = test::FirstUnplayedSlot(k.Duel);
    if (slot == kHandSize) {
      ASSERT_TRUE(WaitFor([this] { return k.Duel.Turn == TurnState::Nobody; }));
      break;
    }
    QTest::mouseClick(Widget(QStringLiteral("PHand%1").arg(slot)), Qt::LeftButton);
    ASSERT_EQ(k.Duel.SelectedSlot, slot);
    const auto [c, r] = test::FirstEmptySquare(k.Duel);
    // The board picture has a two-pixel border; its squares are a fifth of 406 pixels.
    QTest::mouseClick(Widget("Field"), Qt::LeftButton, {},
                      QPoint(2 + static_cast<int>(81.2 * (c - 1) + 40),
                             2 + static_cast<int>(81.2 * (r - 1) + 40)));
    ASSERT_NE(k.Duel.BoardCard[c][r], kEmptySquare);
    ++moves;
  }
  EXPECT_EQ(moves, 5);
  // The result: the list, the record and "終わり" come back.
  ASSERT_TRUE(WaitFor([this] { return k.Ctl.Command4.Visible; }));
  EXPECT_TRUE(Widget("Command4")->isVisible());
  EXPECT_FALSE(Widget("Field")->isVisible());
  EXPECT_EQ(game.SeriesWins + game.SeriesLosses + game.SeriesDraws, 1);
  // The enemy's label was on screen before each of its moves.
  EXPECT_GE(thinkingPainted, 4);
  QTest::mouseClick(Widget("Command4"), Qt::LeftButton);
  EXPECT_EQ(closedCount, 1);
  ASSERT_TRUE(WaitFor([this] { return w.isNull(); }));
  EXPECT_EQ(Held(0) + Held(3), cardsBefore);
  EXPECT_EQ(game.Collections[3], k.OpponentStock);
}

TEST_F(RealWindowTest, ClosingMidDuelAsksAndNoKeepsPlaying) {
  w = new KorvaneWindow(k);
  w->show();
  for (int id : {1, 1, 2, 5, 7})
    QTest::mouseDClick(Widget(QStringLiteral("CardPic%1").arg(id)), Qt::LeftButton);
  QTest::mouseClick(Widget("Command1"), Qt::LeftButton);
  platform.answers = {false, true};
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(game.SeriesLosses, 0);
  EXPECT_TRUE(w->close());
  EXPECT_EQ(game.SeriesLosses, 1);
  EXPECT_EQ(platform.questions.size(), 2u);
  ASSERT_TRUE(WaitFor([this] { return w.isNull(); }));
  EXPECT_EQ(closedCount, 1);
}

}  // namespace
}  // namespace korvane::testing
