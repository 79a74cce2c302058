// The real window, offscreen: clicks reach the logic, the widgets follow it, and screenshots of
// the title, the profile, the map, a place typing a message and a place asking a choice are
// written to the build's shots folder.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "real_window_fixture.h"

namespace korvane {
namespace {

class WindowTest : public RealWindowTest {
 protected:
  template <typename T>
  T* Find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  void Shot(const char* name) {
    window->Sync();
    QDir().mkpath(QStringLiteral(KORVANE_SHOTS_DIR));
    const QString path = QStringLiteral(KORVANE_SHOTS_DIR "/%1.png").arg(QLatin1String(name));
    EXPECT_TRUE(window->grab().save(path));
  }
};

TEST_F(WindowTest, TitleProfileAndStartThroughTheWidgets) {
  EXPECT_TRUE(Find<QWidget>("Picture5")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Command2")->isVisible());
  EXPECT_EQ(Find<QPushButton>("Command4")->text(), QStringLiteral("音楽：ＯＮ"));
  Shot("title");

  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  EXPECT_TRUE(Find<QWidget>("Frame1")->isVisible());
  EXPECT_EQ(Find<QPushButton>("Command2")->text(), QStringLiteral("始める"));
  Find<QLineEdit>("Text1")->insert(QStringLiteral("かおる"));  // as typed through an input method
  Find<QComboBox>("Combo1")->setCurrentIndex(1);
  EXPECT_EQ(adv->Text1(), QStringLiteral("かおる"));
  EXPECT_EQ(adv->Combo1(), QStringLiteral("女"));
  Shot("profile");

  QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
  EXPECT_EQ(state->PlayerName, QStringLiteral("かおるさん"));
  EXPECT_FALSE(Find<QWidget>("Picture5")->isVisible());
  EXPECT_TRUE(Find<QWidget>("Picture1")->isVisible());
  EXPECT_TRUE(Find<QWidget>("Clicker6")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Clicker0")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Command4")->isVisible());
  ViewTick(12);
  Shot("map");

  // Pointing at 真道's house names it; clicking it enters.
  QWidget* clicker1 = Find<QWidget>("Clicker1");
  QTest::mouseMove(clicker1, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), clicker1->mapToGlobal(QPointF(10, 10)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(clicker1, &move);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("真道くんの家"));
  QTest::mouseClick(clicker1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(adv->CurrentPlace(), 1);
  EXPECT_FALSE(clicker1->isVisible());
  EXPECT_TRUE(Find<QWidget>("Picture4")->isVisible());
  ViewTick(15);  // the first step, then fourteen characters of it
  EXPECT_EQ(adv->MessageCursor(), 14);
  Shot("place_typing");
}

TEST_F(WindowTest, ChoicesAndThePlayersHouse) {
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  state->TakaharaStep = 1;
  adv->EnterPlace(0);
  ViewTick(80);
  ASSERT_TRUE(Find<QWidget>("Choiser0")->isVisible());
  EXPECT_EQ(Find<QPushButton>("Choiser0")->text(), QStringLiteral("勝負！"));
  Shot("choices");
  // "また今度" through the button: 高原's step 3 follows.
  QTest::mouseClick(Find<QPushButton>("Choiser1"), Qt::LeftButton);
  EXPECT_FALSE(Find<QWidget>("Choiser1")->isVisible());
  EXPECT_EQ(state->TakaharaStep, 3);

  adv->ShowTownMap();
  adv->EnterPlace(6);
  ViewTick(20);
  EXPECT_TRUE(Find<QWidget>("Command4")->isVisible());
  EXPECT_TRUE(Find<QWidget>("Command5")->isVisible());
  Shot("own_house");
  QTest::mouseClick(Find<QPushButton>("Command5"), Qt::LeftButton);
  EXPECT_EQ(Find<QPushButton>("Command5")->text(), QStringLiteral("効果音：ＯＦＦ"));
}

TEST_F(WindowTest, ClosingTheWindowAsksDuringPlay) {
  int ended = 0;
  window->OnClosed = [&ended] { ++ended; };
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  window->Sync();
  platform.answers = {false};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(ended, 0);
  platform.answers = {true};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(platform.questions.size(), 2u);
}

TEST_F(WindowTest, TheEndingRunsToItsLastScreen) {
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  // Everything but two cards is owned; the old house has just sent the player here.
  for (int k = 0; k < kCardKinds; ++k) state->Collections[0][k] = k == 5 || k == 6 ? 0 : 1;
  state->TakamineStep = 100;
  adv->EnterPlace(4);
  EXPECT_EQ(adv->ShownOppPic(), -1);  // the house is empty
  int clicks = 0;
  for (; clicks < 40 && adv->Timer1Interval() != 0; ++clicks) {
    test::GoOn(*adv);
  }
  window->Sync();
  EXPECT_EQ(adv->Timer1Interval(), 0);
  EXPECT_EQ(state->TakamineStep, 114);
  EXPECT_FALSE(adv->Picture2Visible());
  // The whole picture is light grey outside the box and the drawn lines.
  EXPECT_EQ(QColor(adv->Picture1().pixel(570, 5)), QColor(235, 235, 235));
  // The list of missing cards (two short names fit) lies at (500, 4000) twips.
  int ink = 0;
  for (int y = 4000 / 15; y < 4000 / 15 + 18; ++y) {
    for (int x = 500 / 15; x < 300; ++x) ink += QColor(adv->Picture1().pixel(x, y)).value() < 120;
  }
  EXPECT_GT(ink, 100);
  Shot("ending");
  // No question on closing once the ending counter has passed 112.
  EXPECT_TRUE(adv->Form_QueryUnload());
  EXPECT_TRUE(platform.questions.empty());
}

}  // namespace
}  // namespace korvane
