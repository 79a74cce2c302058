// The whole game as korvane::Game makes it for a run, with the test's own parts: the fake
// platform (or one the test gives), the recording sound system, a seeded random source and a
// temporary save folder (or one the test gives), with or without windows. Without windows a
// duel opens the duel logic alone, and the test drives it.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>

#include "adventure/adv_korvane.h"
#include "ai/ai.h"
#include "app/game.h"
#include "duel/korvane.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "tests/support/fake_platform.h"

namespace korvane::test {

// The data folder the build made: the card file, pictures, music and effects.
QString DataDir();

class TestGame {
 public:
  struct Options {
    bool windows = false;
    uint64_t seed = 7;
    Platform* platform = nullptr;  // null: `platform` below
    // The game's own Qt platform instead: real modal message boxes, which the test answers with
    // keys (or a controller) while they run their own event loop.
    bool messageBoxes = false;
    QString saveDir;  // empty: a temporary folder of its own
    PreferenceStore* preferences = nullptr;
    // The duel's analyst solves each duel in the background (seconds of a core each): off unless
    // a test is about it.
    bool analyst = false;
  };
  TestGame() : TestGame(Options{}) {}
  explicit TestGame(Options options);
  ~TestGame();
  TestGame(const TestGame&) = delete;
  TestGame& operator=(const TestGame&) = delete;

  // Null, with `error`, when the card file could not be read.
  Game* operator->() const { return game_.get(); }
  Game* get() const { return game_.get(); }
  explicit operator bool() const { return game_ != nullptr; }
  // The game made anew over the same save folder (a new run of the program).
  void Restart();

  Game& G() const { return *game_; }
  GameState& State() const { return game_->State(); }
  ADVKorvane& Adventure() const { return game_->Adventure(); }
  Korvane& Duel() const { return game_->Duel(); }
  FakeSoundSystem& Sound() const { return *sound_; }
  QString SaveDir() const { return saveDir_; }

  FakePlatform platform;
  SeededRandom rng;
  std::string error;

 private:
  void Make();

  Options options_;
  QTemporaryDir dir_;
  QString saveDir_;
  FakeSoundSystem* sound_ = nullptr;  // the game's
  std::unique_ptr<Game> game_;
};

// A test over the whole game, made before each test (with windows or not), with the parts the
// tests reach for most, set once the game is there.
class GameTest : public ::testing::Test {
 protected:
  explicit GameTest(TestGame::Options options = {}) : game(options) {}
  void SetUp() override {
    ASSERT_TRUE(game) << game.error;
    Point();
  }
  // After game.Restart().
  void Point() {
    state = &game.State();
    adv = &game.Adventure();
    duel = &game.Duel();
    sound = &game.Sound();
  }

  TestGame game;
  FakePlatform& platform = game.platform;
  GameState* state = nullptr;
  ADVKorvane* adv = nullptr;
  Korvane* duel = nullptr;
  FakeSoundSystem* sound = nullptr;
};

}  // namespace korvane::test
