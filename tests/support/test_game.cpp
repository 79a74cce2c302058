#include "tests/support/test_game.h"

#include <QDir>

namespace korvane::test {

QString DataDir() { return QStringLiteral(KORVANE_DATA_DIR); }

namespace {

// In memory where there is a tmpfs: a long soak writes thousands of saves, each one synced.
QString TempTemplate() {
  return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/korvane-test-XXXXXX")
                                                   : QDir::tempPath() + "/korvane-test-XXXXXX";
}

}  // namespace

TestGame::TestGame(Options options) : rng(options.seed), options_(options), dir_(TempTemplate()) {
  saveDir_ = options_.saveDir.isEmpty() ? dir_.path() : options_.saveDir;
  Make();
}

TestGame::~TestGame() = default;

void TestGame::Restart() {
  game_.reset();
  Make();
}

void TestGame::Make() {
  GameSetup setup;
  setup.dataDir = DataDir();
  setup.saveDir = saveDir_;
  setup.preferences = options_.preferences;
  setup.platform = options_.messageBoxes ? nullptr
                   : options_.platform   ? options_.platform
                                         : &platform;
  auto sound = std::make_unique<FakeSoundSystem>();
  sound_ = sound.get();
  setup.sound = std::move(sound);
  setup.rng = &rng;
  setup.windows = options_.windows;
  error.clear();
  game_ = Game::Make(std::move(setup), &error);
  if (!game_) sound_ = nullptr;
  if (game_) game_->Duel().UseAnalyst = options_.analyst;
}

}  // namespace korvane::test
