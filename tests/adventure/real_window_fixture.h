// The whole game with its windows, the adventure window loaded and shown offscreen (its timer
// left to the test); the tests drive it by clicks or keys and tick its timer themselves.
#pragma once

#include <QTest>

#include "adventure/adv_window.h"
#include "tests/support/adventure_actions.h"
#include "tests/support/test_game.h"

namespace korvane {

class RealWindowTest : public test::GameTest {
 protected:
  RealWindowTest() : GameTest({.windows = true}) {
    platform.defaultAnswer.reset();  // an unexpected question fails the test
  }
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameTest::SetUp());
    window = game->Window();
    adv->Form_Load();
    window->Sync();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
  // One tick of the adventure's timer, and the window brought up to date with it.
  void ViewTick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      adv->Timer1_Timer();
      window->Sync();
    }
  }

  ADVKorvaneWindow* window = nullptr;
};

}  // namespace korvane
