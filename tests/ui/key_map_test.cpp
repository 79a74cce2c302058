// The player's own keys: what the [keys] section of preferences.ini makes of each line, and the
// keys as the windows then receive them.
#include "state/key_map.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/key_remap.h"

namespace korvane {
namespace {

KeyMap Read(const QByteArray& ini) {
  QTemporaryDir dir;
  const QString path = dir.filePath("preferences.ini");
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(ini);
  f.close();
  return ReadKeyMap(path);
}

TEST(KeyMap, EachLineOfTheKeysSection) {
  struct Row {
    const char* what;
    QByteArray ini;
    std::map<int, int> keys;
    QStringList problemsMention;  // one entry per problem, a word it names
  };
  const Row rows[] = {
      {"no section", "[view]\nzoom=2\n", {}, {}},
      {"letters and named keys",
       "[keys]\nhint = G\nup = w\nback = Backspace\nhelp = F5\npagedown = Space\n",
       {{Qt::Key_G, Qt::Key_H},
        {Qt::Key_W, Qt::Key_Up},
        {Qt::Key_Backspace, Qt::Key_Escape},
        {Qt::Key_F5, Qt::Key_F1},
        {Qt::Key_Space, Qt::Key_PageDown}},
       {}},
      {"two keys for one action, spelled freely",
       "[keys]\nENTER = J, k\nback = esc\n",
       {{Qt::Key_J, Qt::Key_Return}, {Qt::Key_K, Qt::Key_Return}},
       {}},
      {"the action's own key is no change", "[keys]\nalbum = A\n", {}, {}},
      {"an unknown action", "[keys]\njump = G\n", {}, {"jump"}},
      {"an unknown key", "[keys]\nhint = Hyper\n", {}, {"Hyper"}},
      {"a key with Ctrl", "[keys]\nhint = Ctrl+G\n", {}, {"Ctrl+G"}},
      {"one key for two actions: the first kept",
       "[keys]\nalbum = G\nhint = G, T\n",
       {{Qt::Key_G, Qt::Key_A}, {Qt::Key_T, Qt::Key_H}},
       {"album"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const KeyMap map = Read(r.ini);
    EXPECT_EQ(map.keys, r.keys);
    ASSERT_EQ(map.problems.size(), r.problemsMention.size())
        << map.problems.join("\n").toStdString();
    for (int i = 0; i < map.problems.size(); ++i)
      EXPECT_TRUE(map.problems[i].contains(r.problemsMention[i])) << map.problems[i].toStdString();
  }
}

// A window with a text box that writes down the keys its frame and its text box are sent.
class Keys : public QWidget {
 public:
  Keys() {
    auto* layout = new QVBoxLayout(this);
    box = new QLineEdit(this);
    layout->addWidget(box);
    installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    show();
    activateWindow();
  }
  QLineEdit* box;
  std::vector<int> pressed;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    // The modifier keys themselves (QTest presses Ctrl before Ctrl+G) are not written down.
    const int key = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e)->key() : 0;
    if (key && key != Qt::Key_Control) pressed.push_back(key);
    return false;
  }
};

TEST(KeyRemap, TheWindowsGetTheGamesKeysButTextBoxesTheTypedOnes) {
  KeyRemap remap({{Qt::Key_G, Qt::Key_H}, {Qt::Key_W, Qt::Key_Up}});
  Keys window;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.setFocus();
  QTest::keyClick(&window, Qt::Key_G);
  QTest::keyClick(&window, Qt::Key_W);
  QTest::keyClick(&window, Qt::Key_X);                       // not remapped
  QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);  // the desktop's, not ours
  EXPECT_EQ(window.pressed, (std::vector<int>{Qt::Key_H, Qt::Key_Up, Qt::Key_X, Qt::Key_G}));
  window.box->setFocus();
  QTest::keyClicks(window.box, "gw");
  EXPECT_EQ(window.box->text(), QStringLiteral("gw"));
}

}  // namespace
}  // namespace korvane
