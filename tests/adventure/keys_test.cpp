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
  // The map's key cursor moved onto `place` by Tab.
  void SetMapCursorTo(int place) {
    const QString name = adv->PlaceText(place);
    for (int n = 0; n < 9 && adv->MessageText() != name; ++n) Key(Qt::Key_Tab);
    ASSERT_EQ(adv->MessageText(), name);
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

TEST_F(AdventureKeysTest, F6InTheProfileTypesTheNameFromTheOnScreenLetters) {
  const auto Picker = [this] { return window->findChild<QWidget*>(QStringLiteral("NamePicker")); };
  Key(Qt::Key_F6);  // nothing on the title itself
  EXPECT_FALSE(Picker());
  for (int n = 0; n < 8 && Focus() != QStringLiteral("Command1"); ++n) Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  ASSERT_TRUE(adv->Frame1Visible());
  Key(Qt::Key_F6);
  QWidget* picker = Picker();
  ASSERT_TRUE(picker);
  for (Qt::Key k : {Qt::Key_Return, Qt::Key_Right, Qt::Key_Return}) QTest::keyClick(picker, k);
  const QString typed = qobject_cast<QLineEdit*>(Find("Text1"))->text();
  EXPECT_EQ(typed.size(), 2) << typed.toStdString();
  QTest::keyClick(picker, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Picker(); }, 2000));
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

// Every question of the story takes its keys alike, whatever answered the question before it:
// the first Enter or Space only shows the selection, Enter or Space on a shown selection takes
// it, and 1 or 2 take an answer at once. Both ways a question comes: from a place's script (真道's
// "勝負するかい？") and from the player's own house; each after a question answered by keys,
// which leaves the keyboard's focus on a button that the next question shows again.
TEST_F(AdventureKeysTest, EveryQuestionTakesTheSameKeys) {
  enum Path { kScript, kHouse };
  struct Case {
    Path path;
    std::vector<int> keys;
    int taken;  // the answer the last key takes; none before it
  };
  const Case cases[] = {
      {kScript, {Qt::Key_Space, Qt::Key_Space}, 0},
      {kScript, {Qt::Key_Return, Qt::Key_Return}, 0},
      {kScript, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Enter}, 1},
      {kScript, {Qt::Key_2}, 1},
      {kScript, {Qt::Key_Space, Qt::Key_1}, 0},
      {kHouse, {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space}, 1},
      {kHouse, {Qt::Key_Return, Qt::Key_Down, Qt::Key_Return}, 1},
      {kHouse, {Qt::Key_2}, 1},
      {kHouse, {Qt::Key_Return, Qt::Key_Return}, 0},  // "終わる": saved, and the game ends
  };
  test::StartNewGame(*adv);
  window->Sync();
  auto enter = [&](int place) {
    SetMapCursorTo(place);
    Key(Qt::Key_Return);
    ASSERT_EQ(adv->CurrentPlace(), place);
    ViewTick();
  };
  // 真道's greeting and his cards first; then, for each case, a question answered by keys
  // (the house's "まだまだ" by the arrow and Enter), then the question under test.
  ASSERT_NO_FATAL_FAILURE(enter(1));
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    ASSERT_TRUE(adv->OnTownMap());
    ASSERT_NO_FATAL_FAILURE(enter(6));
    ASSERT_TRUE(adv->Choiser(1).visible);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    ASSERT_EQ(adv->CurrentPlace(), -1);
    ASSERT_NO_FATAL_FAILURE(enter(c.path == kScript ? 1 : 6));
    if (c.path == kScript) ASSERT_NO_FATAL_FAILURE(ReadOn());
    ASSERT_TRUE(adv->Choiser(0).visible);
    const int16_t step = state->ShindoStep;
    for (size_t k = 0; k + 1 < c.keys.size(); ++k) {
      Key(c.keys[k]);
      ASSERT_TRUE(adv->Choiser(0).visible) << "taken by key " << k;
      EXPECT_TRUE(Focus().startsWith(QStringLiteral("Choiser"))) << "no selection shown";
    }
    Key(c.keys.back());
    ASSERT_TRUE(!adv->Choiser(0).visible || adv->Ended());
    if (c.path == kScript) {
      EXPECT_EQ(state->ShindoStep, step + c.taken);
      // "また今度" says goodbye and returns to the map; "勝負！" opens the duel: left unplayed.
      ViewTick();
      if (c.taken == 0) {
        ASSERT_TRUE(duel->IsOpen());
        ASSERT_TRUE(duel->Unload());
        ViewTick();
      }
      ASSERT_NO_FATAL_FAILURE(ReadOn());
    } else {
      EXPECT_EQ(adv->Ended(), c.taken == 0);
      if (adv->Ended()) break;
      EXPECT_EQ(adv->CurrentPlace(), -1);
    }
  }
  EXPECT_TRUE(adv->Ended());
}

}  // namespace
}  // namespace korvane
