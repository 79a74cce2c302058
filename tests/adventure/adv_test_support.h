// A fixture for the adventure window's logic: the support's fake platform (every question must
// be scripted) and fake host, real save files in a temporary directory, the fake sound system,
// and the support's named actions on the adventure.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "adventure/adv_korvane.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "state/save_files.h"
#include "tests/support/adventure_actions.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_platform.h"

namespace korvane {

class AdventureTest : public ::testing::Test {
 protected:
  AdventureTest() : store(dir.path()) {
    platform.defaultAnswer.reset();  // an unexpected question fails the test
    MakeWindow();
  }

  // A fresh window over the same files (a new run of the program).
  void MakeWindow() {
    adv.reset();
    state = GameState{};
    sound = std::make_unique<FakeSoundSystem>();
    adv = std::make_unique<ADVKorvane>(state, store, *sound, platform, host, PlaceholderPictures(),
                                       nullptr);
  }
  void Tick(int n = 1) { test::Tick(*adv, n); }
  void TypeOut(int limit = 500) { test::TypeOut(*adv, limit); }
  void GoOn() { test::GoOn(*adv); }  // typed out, clicked, the next tick
  // A new game started from the title with the given name.
  void StartNewGame(const QString& name = QStringLiteral("太郎"),
                    const QString& sex = QStringLiteral("男")) {
    test::StartNewGame(*adv, name, sex);
  }
  bool SaveExists() const { return QFileInfo::exists(store.SavePath()); }
  // A saved game written straight to the save file.
  void WriteSave(const GameState& g) { ASSERT_TRUE(store.SaveGame(g).ok); }

  QTemporaryDir dir;
  SaveStore store;
  test::FakePlatform platform;
  test::FakeHost host;
  GameState state;
  std::unique_ptr<FakeSoundSystem> sound;
  std::unique_ptr<ADVKorvane> adv;
};

}  // namespace korvane
