// What both soak programs share: the command line, the clock that ends a run, a failure report,
// and DuelMonkey, the platform of a game made for the soak, which plays the game's duel logic
// by its handlers in random order and checks after each one that no card was made or lost.
#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>

#include "duel/korvane.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_game.h"

namespace korvane::soak {

// --seed N, and one of --minutes M, --seconds S or --runs N (series or adventure runs).
struct Options {
  uint64_t seed = 1;
  double seconds = 0;
  long runs = 0;
  bool verbose = false;
};
Options ParseOptions(int argc, char** argv, long defaultRuns);

// Ends a run by the clock or by a count, whichever the options gave.
class Budget {
 public:
  explicit Budget(const Options& o);
  bool More(long runsDone) const;

 private:
  Options o_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A failed check: prints what, the seed and the recent actions, and ends the program (status 1).
[[noreturn]] void Fail(const std::string& what);
// The recent actions, kept for the failure report.
void Trace(const std::string& action);

// Random choices of the soak itself (never the game's generator).
class Dice {
 public:
  explicit Dice(uint64_t seed) : gen_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(gen_) < p; }
  double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen_); }

 private:
  std::mt19937_64 gen_;
};

struct DuelCounts {
  long series = 0, duels = 0, actions = 0, closes = 0, forfeits = 0, messages = 0;
};

// Plays the duel logic of a game made with the monkey as its platform. Chaos 0 plays a series as
// a sensible player would (choose five, place cards, leave after a few duels); chaos 1 adds every
// handler at random, hidden controls, odd values, closing at any moment and clicks while a
// message box or the event loop is running.
class DuelMonkey : public test::FakePlatform {
 public:
  struct Snapshot {
    std::array<int, kCardKinds> world;
    std::array<int16_t, kCardKinds> stock;
    int played;  // wins + losses + draws
    bool inDuel;
  };

  explicit DuelMonkey(Dice& dice) : dice_(dice) {}
  ~DuelMonkey() override;
  // The game it plays: its duel logic, state and sound; its clock becomes the monkey's.
  void Attach(test::TestGame& game);

  // One series against `opponent`, from the adventure's StartDuel to the window's close.
  void PlaySeries(const QString& opponent, double chaos);
  // A series the adventure has opened (the duel logic loaded since `before`), to its close.
  void PlayOpenedSeries(const Snapshot& before, double chaos);
  // The rules tutorial the adventure has opened from the title: `presses` random clicks and
  // ticks, then closed. The collections come out as they went in (`before` the opening).
  using Collections = decltype(GameState::Collections);
  void PlayOpenedTutorial(const Collections& before, int presses);
  // The cards of one kind over the player, every collection and the cards in play.
  int WorldTotal(int card) const;
  Snapshot Take() const;
  const DuelCounts& Counts() const { return counts_; }

  // Platform: answers and nested clicks come from the dice.
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const ShownCard& card) override;
  void ProcessEvents() override;

 private:
  bool InDuel() const;
  void Play(double chaos);
  void RandomAction(bool nested);
  void SensibleAction();
  void Check(const Snapshot& before, const char* action);
  void CheckClosed();
  void Nested(int where);

  Korvane& K() const { return game_->Duel(); }
  GameState& G() const { return game_->State(); }
  FakeSoundSystem& S() const { return game_->Sound(); }

  Dice& dice_;
  test::TestGame* game_ = nullptr;
  std::function<void()> closed_;  // the game's own close
  DuelCounts counts_;
  double chaos_ = 0;
  int depth_ = 0;
  bool mayCreate_ = false;     // a handler that applies the minimum stock or tops it up has run
  bool pressedStart_ = false;  // "勝負！" was pressed during the action
  int64_t fakeMs_ = 0;         // the window's clock: advanced by the ticks, never by waiting
};

}  // namespace korvane::soak
