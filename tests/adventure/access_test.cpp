// What a screen reader finds in the adventure window, offscreen and in process: the title's
// controls and the profile's fields by name, the town map's places as items with the key cursor
// as the focus, and each story message said once it is typed, with each question's answers.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "real_window_fixture.h"
#include "ui/accessibility.h"

namespace korvane {
namespace {

class AdventureAccessTest : public RealWindowTest {
 protected:
  QWidget* Find(const QString& name) { return window->findChild<QWidget*>(name); }
  QString Name(const QString& widget) { return AccessibleName(Find(widget)); }
  QString Description(const QString& widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Find(widget));
    return iface ? iface->text(QAccessible::Description) : QString();
  }
  const std::vector<QString>& Said() { return Announcer::Of(window)->Said(); }
  int Count(const QString& text) { return int(std::count(Said().begin(), Said().end(), text)); }
  // Ticks until the message stands typed.
  void TypeOut() {
    for (int t = 0; t < 500 && adv->MessageLabelCaption() != adv->MessageText(); ++t) ViewTick();
    ViewTick();
  }
};

TEST_F(AdventureAccessTest, TitleMapAndADialogueWithAChoice) {
  // The title: each control by its name, with a description where the name does not say it all.
  const std::pair<const char*, QString> title[] = {
      {"Command1", "ニューゲーム"},
      {"Language", "English"},
      {"Practice", "練習試合"},
  };
  for (const auto& [widget, name] : title) {
    ASSERT_TRUE(Find(widget)) << widget;
    EXPECT_EQ(Name(widget), name) << widget;
  }
  for (const char* control :
       {"Command1", "Command2", "Command3", "Command4", "Practice", "Puzzles"}) {
    EXPECT_FALSE(Description(control).isEmpty()) << control;
  }
  QTest::mouseClick(Find("Command1"), Qt::LeftButton);
  ASSERT_TRUE(adv->Frame1Visible());
  EXPECT_EQ(Name("Text1"), "名前");
  // A box says its value; the label before it gives its name.
  const auto labels =
      QAccessible::queryAccessibleInterface(Find("Combo1"))->relations(QAccessible::Label);
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const auto& label) {
    return label.first->text(QAccessible::Name) == "性別：";
  }));
  qobject_cast<QLineEdit*>(Find("Text1"))->setText(QStringLiteral("太郎"));
  QTest::mouseClick(Find("Command2"), Qt::LeftButton);
  ASSERT_TRUE(adv->Picture1Visible());

  // The map: the picture says it is the map; each place shown is named; the key cursor is the
  // focused one.
  ViewTick();
  EXPECT_EQ(Name("Picture1"), "町の地図");
  for (int i = 0; i < 9; ++i) {
    const QString clicker = QStringLiteral("Clicker%1").arg(i);
    if (Find(clicker)->isVisible()) {
      EXPECT_EQ(Name(clicker), adv->PlaceText(i)) << i;
    }
  }
  QTest::keyClick(window, Qt::Key_Tab);
  ViewTick();
  QAccessibleInterface* shindo = QAccessible::queryAccessibleInterface(Find("Clicker1"));
  EXPECT_TRUE(shindo->state().focused);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(Find("Clicker0"))->state().focused);

  // 真道's house: each message is said once, when it stands typed, and is the picture's name.
  adv->Clicker_Click(1);
  ViewTick();
  int messages = 0;
  for (int n = 0; n < 40 && adv->CurrentPlace() != -1; ++n) {
    TypeOut();
    const QString text = adv->MessageText();
    EXPECT_EQ(Count(text), 1) << text.toStdString();
    EXPECT_EQ(Name("Picture1"), text);
    ++messages;
    adv->Picture1_Click();
    ViewTick();
  }
  EXPECT_GT(messages, 2);

  // 高原's house asks a question: its answers are said with their keys.
  adv->Clicker_Click(0);
  for (int n = 0; n < 40 && !adv->Choiser(1).visible; ++n) {
    TypeOut();
    if (!adv->Choiser(1).visible) adv->Picture1_Click(), ViewTick();
  }
  ASSERT_TRUE(adv->Choiser(1).visible);
  const QString asked = QStringLiteral("答えを選ぶ：1 %1、2 %2")
                            .arg(adv->Choiser(0).caption, adv->Choiser(1).caption);
  EXPECT_EQ(Count(asked), 1);
  EXPECT_EQ(Description("Choiser1"), "答え2（2 キー）");
}

}  // namespace
}  // namespace korvane
