// The real adventure window driven by keys alone, offscreen: Tab through the title and the
// profile, a new game started with Enter, places chosen on the map by Tab and arrows (their names
// show), the dialogue read on with Space and Enter, a choice made with the arrows and Enter, the
// player's house left with "2", the help box, and Esc as the close button; the album's key and
// button on the map only.
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "real_window_fixture.h"

namespace korvane {
namespace {

class AdventureKeysTest : public RealWindowTest {
 protected:
  QWidget* Find(const char* name) { return window->findChild<QWidget*>(QLatin1String(name)); }
  QString Focus() {
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
  }
  // A key goes where the keyboard sends it: to the control with the focus, if it is shown.
  void Key(int key) {
    QWidget* to = window->focusWidget();
    QTest::keyClick(to && to->isVisible() ? to : window, static_cast<Qt::Key>(key));
  }
  // Space and Enter through the place's dialogue, until a choice or the map.
  void ReadOn() {
    for (int n = 0; n < 60; ++n) {
      for (int t = 0; t < 300 && adv->MessageLabelCaption() != adv->MessageText(); ++t) ViewTick();
      if (adv->CurrentPlace() == -1 || adv->Choiser(0).visible) return;
      Key(n % 2 ? Qt::Key_Space : Qt::Key_Return);
      ViewTick();
    }
    FAIL() << "the dialogue did not end";
  }
};

TEST_F(AdventureKeysTest, ANewGameAndAPlaceWithAChoiceByKeys) {
  // Title: Tab reaches "ニューゲーム", Enter presses it; the name box has the focus then.
  for (int n = 0; n < 8 && Focus() != QStringLiteral("Command1"); ++n) Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), QStringLiteral("Command1"));
  Key(Qt::Key_Return);
  ASSERT_TRUE(adv->Frame1Visible());
  ASSERT_EQ(Focus(), QStringLiteral("Text1"));
  QStringList order;
  for (int n = 0; n < 5; ++n) {
    Key(Qt::Key_Tab);
    order << Focus();
  }
  EXPECT_EQ(order.join(' '), QStringLiteral("Combo1 Command2 Command4 Command5 Text1"));
  QTest::keyClicks(Find("Text1"), QStringLiteral("taro"));
  Key(Qt::Key_Tab);
  Key(Qt::Key_Down);  // the sex box: 女
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), QStringLiteral("Command2"));
  Key(Qt::Key_Return);
  EXPECT_EQ(state->PlayerName, QStringLiteral("taroさん"));
  ASSERT_TRUE(adv->Picture1Visible());

  // The map: Tab and the arrows choose a place and name it; the frame follows the choice.
  Key(Qt::Key_Tab);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("真道くんの家"));
  const QPoint edge = Find("Clicker1")->mapTo(window, QPoint(2, 20));
  const QRgb framed = window->grab().toImage().pixel(edge);
  Key(Qt::Key_Left);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("ここは私の家"));
  EXPECT_NE(window->grab().toImage().pixel(edge), framed);
  Key(Qt::Key_Right);
  Key(Qt::Key_Return);
  ASSERT_EQ(adv->CurrentPlace(), 1);
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  ASSERT_EQ(adv->CurrentPlace(), -1);
  EXPECT_TRUE(adv->ClickerVisible(0));

  // 高原's house: the question comes; Enter first only shows the selection, then the arrows
  // move it and Enter answers "また今度".
  Key(Qt::Key_Down);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("高原さんの家"));
  Key(Qt::Key_Enter);
  ASSERT_EQ(adv->CurrentPlace(), 0);
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  ASSERT_TRUE(adv->Choiser(1).visible);
  const int asked = state->TakaharaStep;
  Key(Qt::Key_Return);
  EXPECT_TRUE(adv->Choiser(1).visible);
  EXPECT_EQ(Focus(), QStringLiteral("Choiser0"));
  Key(Qt::Key_Right);
  EXPECT_EQ(Focus(), QStringLiteral("Choiser1"));
  Key(Qt::Key_Return);
  EXPECT_FALSE(adv->Choiser(1).visible);
  EXPECT_EQ(state->TakaharaStep, asked + 1);
  EXPECT_FALSE(duel->IsOpen());  // no duel
  ASSERT_NO_FATAL_FAILURE(ReadOn());

  // The player's house by Tab; "2" answers "まだまだ".
  for (int n = 0; n < 9 && adv->MessageText() != QStringLiteral("ここは私の家"); ++n)
    Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  ASSERT_EQ(adv->CurrentPlace(), 6);
  ViewTick();
  ASSERT_TRUE(adv->Choiser(1).visible);
  Key(Qt::Key_2);
  EXPECT_EQ(adv->CurrentPlace(), -1);
  EXPECT_TRUE(window->isVisible());  // no quit

  // F1 shows the keys; Esc closes the box, then asks before the window closes.
  Key(Qt::Key_F1);
  auto* help = window->findChild<QMessageBox*>(QStringLiteral("KeyHelp"));
  ASSERT_TRUE(help && help->isVisible());
  EXPECT_TRUE(help->text().contains(QStringLiteral("F11")));
  EXPECT_TRUE(help->text().contains(QStringLiteral("アルバム")));
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor(
      [this] { return !window->findChild<QMessageBox*>(QStringLiteral("KeyHelp")); }));
  platform.answers = {false};
  Key(Qt::Key_Escape);
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(AdventureKeysTest, TheAlbumOpensFromTheMapOnly) {
  std::vector<QString> opened;  // the player's name in each album opened
  window->OnAlbum = [&](QWidget* over, const GameState& shown, double zoom) -> QWidget* {
    EXPECT_EQ(over, window);
    EXPECT_EQ(zoom, window->Zoom());
    EXPECT_EQ(shown.Collections, state->Collections);
    opened.push_back(shown.PlayerName);
    return nullptr;
  };
  window->Sync();
  auto* button = window->findChild<QPushButton*>(QStringLiteral("AlbumButton"));
  ASSERT_TRUE(button);
  // On the title A is a letter of the name.
  for (int n = 0; n < 8 && Focus() != QStringLiteral("Command1"); ++n) Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), QStringLiteral("Text1"));
  Key(Qt::Key_A);
  EXPECT_EQ(adv->Text1(), QStringLiteral("a"));
  EXPECT_FALSE(button->isVisible());
  for (int n = 0; n < 4 && Focus() != QStringLiteral("Command2"); ++n) Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  ASSERT_TRUE(adv->OnTownMap());
  // The map: the key and the button.
  EXPECT_TRUE(button->isVisible());
  Key(Qt::Key_A);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(opened, (std::vector<QString>{state->PlayerName, state->PlayerName}));
  // Inside a place, through its dialogue, neither.
  Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  ASSERT_EQ(adv->CurrentPlace(), 1);
  for (int n = 0; n < 60 && adv->CurrentPlace() == 1; ++n) {
    for (int t = 0; t < 300 && adv->MessageLabelCaption() != adv->MessageText(); ++t) ViewTick();
    Key(Qt::Key_A);
    EXPECT_FALSE(button->isVisible());
    Key(Qt::Key_Space);
    ViewTick();
  }
  EXPECT_EQ(opened.size(), 2u);
  // Back on the map it opens again.
  ASSERT_TRUE(adv->OnTownMap());
  Key(Qt::Key_A);
  EXPECT_EQ(opened.size(), 3u);
}

}  // namespace
}  // namespace korvane
