// The controller end to end: SDL's virtual joystick is plugged in, pressed and pulled out, and the
// keys arrive at a real (offscreen) window as typed keys would.
#include "ui/controller.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/virtual_pad.h"
#include "ui/key_help.h"

namespace korvane {
namespace {

struct Seen {
  bool press;
  int key;
  Qt::KeyboardModifiers modifiers;
  bool repeat;
};

// A window that writes down every key it is sent, before any of its own handling, with a text
// box that writes them down too and then takes them as a text box does.
class KeyWindow : public QWidget {
 public:
  KeyWindow() : box(new QLineEdit(this)) {
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    box->installEventFilter(this);
    resize(100, 100);
    show();
    activateWindow();
    setFocus();
  }
  QLineEdit* box;
  std::vector<Seen> seen;
  int Presses(int key) const {
    int n = 0;
    for (const Seen& s : seen) n += s.press && s.key == key;
    return n;
  }

 protected:
  bool eventFilter(QObject* to, QEvent* e) override {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
      const auto* k = static_cast<QKeyEvent*>(e);
      seen.push_back({e->type() == QEvent::KeyPress, k->key(), k->modifiers(), k->isAutoRepeat()});
      return to == this;
    }
    return false;
  }
};

using test::VirtualPad;

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(controller.Available());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  bool Plug(std::unique_ptr<VirtualPad>& pad) {
    pad = std::make_unique<VirtualPad>();
    return pad->Ok() && QTest::qWaitFor([this] { return controller.Connected() == 1; }, 3000);
  }
  // Waits until the window has been sent `count` presses of `key`.
  bool WaitPresses(int key, int count = 1) {
    return QTest::qWaitFor([&] { return window.Presses(key) >= count; }, 2000);
  }

  Controller controller;
  KeyWindow window;
};

TEST_F(ControllerTest, ButtonsSticksAndTriggersArriveAsTheGamesKeys) {
  std::unique_ptr<VirtualPad> pad;
  ASSERT_TRUE(Plug(pad));
  EXPECT_EQ(controller.PollInterval(), Controller::kFastMs);
  struct Row {
    const char* what;
    bool axis;
    int index, value;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool inTextBox = false;  // the focus in the window's text box: the key comes, no letter
  };
  const Row rows[] = {
      {"A takes", false, SDL_CONTROLLER_BUTTON_A, 1, Qt::Key_Return, Qt::NoModifier},
      {"B backs out", false, SDL_CONTROLLER_BUTTON_B, 1, Qt::Key_Escape, Qt::NoModifier},
      {"X hints", false, SDL_CONTROLLER_BUTTON_X, 1, Qt::Key_H, Qt::NoModifier},
      {"Y opens the album", false, SDL_CONTROLLER_BUTTON_Y, 1, Qt::Key_A, Qt::NoModifier},
      {"LB pages back", false, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 1, Qt::Key_PageUp, {}},
      {"RB pages on", false, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1, Qt::Key_PageDown, {}},
      {"Start shows the help", false, SDL_CONTROLLER_BUTTON_START, 1, Qt::Key_F1, {}},
      {"Back moves the focus", false, SDL_CONTROLLER_BUTTON_BACK, 1, Qt::Key_Tab, {}},
      {"D-pad up", false, SDL_CONTROLLER_BUTTON_DPAD_UP, 1, Qt::Key_Up, {}},
      {"D-pad right", false, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1, Qt::Key_Right, {}},
      {"stick left", true, SDL_CONTROLLER_AXIS_LEFTX, -30000, Qt::Key_Left, {}},
      {"stick down", true, SDL_CONTROLLER_AXIS_LEFTY, 30000, Qt::Key_Down, {}},
      {"RT zooms in", true, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000, Qt::Key_Plus,
       Qt::ControlModifier},
      {"LT zooms out", true, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 30000, Qt::Key_Minus,
       Qt::ControlModifier},
      {"X in a text box", false, SDL_CONTROLLER_BUTTON_X, 1, Qt::Key_H, {}, true},
      {"Y in a text box", false, SDL_CONTROLLER_BUTTON_Y, 1, Qt::Key_A, {}, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    window.seen.clear();
    if (r.inTextBox) window.box->setFocus();
    if (r.axis) {
      pad->Axis(r.index, r.value);
    } else {
      pad->Button(r.index, true);
    }
    ASSERT_TRUE(WaitPresses(r.key));
    EXPECT_EQ(window.seen.front().modifiers, r.modifiers);
    if (r.axis) {
      // A virtual trigger at rest lies at the low end of the raw range, a stick in the middle.
      const bool trigger =
          r.index == SDL_CONTROLLER_AXIS_TRIGGERLEFT || r.index == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
      pad->Axis(r.index, trigger ? -32768 : 0);
    } else {
      pad->Button(r.index, false);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.seen.back().press; }, 2000));
    EXPECT_EQ(window.seen.back().key, r.key);
    EXPECT_TRUE(window.box->text().isEmpty()) << window.box->text().toStdString();
    window.setFocus();
  }
  // A stick barely off centre is no key at all.
  window.seen.clear();
  pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 5000);
  QTest::qWait(100);
  EXPECT_TRUE(window.seen.empty());
}

TEST_F(ControllerTest, TheTriggersReachTheWindowsZoomShortcuts) {
  int zoomedIn = 0;
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), &window);
  QObject::connect(shortcut, &QShortcut::activated, [&zoomedIn] { ++zoomedIn; });
  std::unique_ptr<VirtualPad> pad;
  ASSERT_TRUE(Plug(pad));
  pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000);
  ASSERT_TRUE(QTest::qWaitFor([&] { return zoomedIn == 1; }, 2000));
  EXPECT_EQ(window.Presses(Qt::Key_Plus), 0);
}

TEST_F(ControllerTest, AHeldDirectionRepeatsAndStopsWhenLetGo) {
  std::unique_ptr<VirtualPad> pad;
  ASSERT_TRUE(Plug(pad));
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  ASSERT_TRUE(WaitPresses(Qt::Key_Down, 3));
  EXPECT_FALSE(window.seen.front().repeat);
  EXPECT_TRUE(window.seen.back().repeat);
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.seen.back().press; }, 2000));
  const int presses = window.Presses(Qt::Key_Down);
  QTest::qWait(Controller::kRepeatDelayMs + 2 * Controller::kRepeatMs);
  EXPECT_EQ(window.Presses(Qt::Key_Down), presses);
}

TEST_F(ControllerTest, APadPluggedInAndPulledOutMidRun) {
  EXPECT_EQ(controller.Connected(), 0);
  EXPECT_EQ(controller.PollInterval(), Controller::kSlowMs);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    std::unique_ptr<VirtualPad> pad;
    ASSERT_TRUE(Plug(pad));
    // The key help has the controller's part while one is attached.
    EXPECT_TRUE(KeyTable({}).contains(QStringLiteral("十字ボタン")));
    pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    ASSERT_TRUE(WaitPresses(Qt::Key_Left, round + 1));
    // Pulled out while the direction is held: it is let go and stops repeating.
    pad->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([this] { return controller.Connected() == 0; }, 3000));
    EXPECT_FALSE(window.seen.back().press);
    EXPECT_EQ(controller.PollInterval(), Controller::kSlowMs);
    EXPECT_FALSE(KeyTable({}).contains(QStringLiteral("十字ボタン")));
  }
}

// As the game makes it once its title is painted: SDL opened on a thread, the subsystem started
// later on the window's thread; one dropped before that never starts.
TEST(ControllerInBackground, StartsOnTheWindowsThreadThenPlaysAsEver) {
  { Controller dropped(nullptr, /*inBackground=*/true); }
  Controller controller(nullptr, /*inBackground=*/true);
  EXPECT_FALSE(controller.Available());  // its start is a call queued to this thread
  ASSERT_TRUE(QTest::qWaitFor([&] { return controller.Available(); }, 5000));
  EXPECT_EQ(Controller::Instance(), &controller);
  std::vector<int> keys;
  controller.Deliver = [&](bool press, PadKey key, bool) {
    if (press) keys.push_back(key.key);
  };
  VirtualPad pad;
  ASSERT_TRUE(pad.Ok());
  ASSERT_TRUE(QTest::qWaitFor([&] { return controller.Connected() == 1; }, 3000));
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !keys.empty(); }, 2000));
  EXPECT_EQ(keys.front(), int(Qt::Key_Return));
}

TEST(ControllerMappings, SdlGameControllerConfigIsReadAtTheStart) {
  // SDL gives a virtual pad its own mapping whatever the environment says, so the player's
  // mapping is looked up by its GUID, once the controller has started SDL's subsystem.
  const char* guid = "03000000aaaa0000bbbb000000000000";
  qputenv("SDL_GAMECONTROLLERCONFIG",
          QByteArray(guid) + ",Our own pad,a:b1,b:b0,x:b2,y:b3,platform:Linux,");
  {
    Controller controller;
    ASSERT_TRUE(controller.Available());
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid));
    ASSERT_NE(mapping, nullptr);
    EXPECT_NE(std::string(mapping).find("Our own pad,a:b1,b:b0"), std::string::npos) << mapping;
    SDL_free(mapping);
  }
  qunsetenv("SDL_GAMECONTROLLERCONFIG");
}

TEST(PadHelp, EachMakeNamesItsOwnButtons) {
  struct Row {
    PadMake make;
    const char *take, *back, *shoulders;
  };
  const Row rows[] = {{PadMake::Xbox, "A", "B", "LB / RB"},
                      {PadMake::PlayStation, "✕", "○", "L1 / R1"},
                      {PadMake::Nintendo, "B", "A", "L / R"},
                      {PadMake::Other, "A", "B", "LB / RB"}};
  for (const Row& r : rows) {
    const std::vector<PadHelpLine> help = PadHelp(r.make);
    ASSERT_GE(help.size(), 6u);
    EXPECT_EQ(help[1].controls, QString::fromUtf8(r.take));
    EXPECT_EQ(help[2].controls, QString::fromUtf8(r.back));
    EXPECT_EQ(help[5].controls, QString::fromUtf8(r.shoulders));
  }
}

TEST(StickKey, DeadZoneAndHoldingOn) {
  struct Row {
    int x, y, held, want;
  };
  const Row rows[] = {
      {0, 0, 0, 0},                                  // centred
      {10000, 0, 0, 0},                              // inside the dead zone
      {20000, 3000, 0, Qt::Key_Right},               // pushed right
      {-3000, -20000, 0, Qt::Key_Up},                // pushed up
      {10000, 0, Qt::Key_Right, Qt::Key_Right},      // coming back, still held
      {5000, 0, Qt::Key_Right, 0},                   // let go
      {20000, 21000, Qt::Key_Right, Qt::Key_Down},   // turned down
      {15000, 14000, Qt::Key_Right, Qt::Key_Right},  // a diagonal keeps the held arrow
      {-20000, 0, Qt::Key_Right, Qt::Key_Left},      // flicked across
  };
  for (const Row& r : rows) {
    EXPECT_EQ(StickKey(r.x, r.y, r.held), r.want) << r.x << "," << r.y << " held " << r.held;
  }
}

}  // namespace
}  // namespace korvane
