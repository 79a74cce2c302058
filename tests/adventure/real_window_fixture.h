// The real adventure window over an adventure with the game's own pictures, loaded and shown
// offscreen; the tests drive it by clicks or keys and tick its timer themselves.
#pragma once

#include <QTest>
#include <memory>

#include "adv_test_support.h"
#include "adventure/adv_pictures.h"
#include "adventure/adv_window.h"

namespace korvane {

class RealWindowTest : public AdventureTest {
 protected:
  void SetUp() override {
    adv = std::make_unique<ADVKorvane>(state, store, *sound, platform, host,
                                       LoadAdventurePictures(QStringLiteral(KORVANE_DATA_DIR)),
                                       nullptr);
    adv->Form_Load();
    window = std::make_unique<ADVKorvaneWindow>(*adv);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override { window.reset(); }
  // One tick of the adventure's timer, and the window brought up to date with it.
  void ViewTick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      adv->Timer1_Timer();
      window->Sync();
    }
  }

  std::unique_ptr<ADVKorvaneWindow> window;
};

}  // namespace korvane
