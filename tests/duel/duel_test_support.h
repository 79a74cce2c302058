// What the duel tests share: the opponents' names, the card table from the project's card source,
// a platform that answers from a script and records every message, and a fixture holding one
// Korvane with its game state, a recording sound system and seeded random numbers, with the
// steps the tests take again and again (choose five, start, play to the end, finish a board).
// The longer steps are in duel_test_support.cpp.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ai/ai.h"
#include "duel/korvane.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "tests/engine/engine_test_support.h"
#include "ui/card_pictures.h"
#include "ui/platform.h"

// Readable failures for the game's texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace korvane::testing {

// The six opponents as the adventure names them.
const QString kTakahara = QStringLiteral("高原 良絵");
const QString kShindo = QStringLiteral("真道 祐樹");
const QString kKazami = QStringLiteral("風見 誠");
const QString kYokota = QStringLiteral("横田 真央");
const QString kTakamine = QStringLiteral("高峰 武");
const QString kHayami = QStringLiteral("速水 結");

// The card table of the project's card source.
inline CardTable LoadCards() { return test::SourceCardTable(); }

struct Message {
  QString title, text;
  QImage picture;
};

class ScriptedPlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const QImage& picture) override;
  void ProcessEvents() override;

  std::deque<bool> answers;
  bool defaultAnswer = true;
  std::vector<Message> questions, messages;
  std::function<void()> onEvents, onOk;  // "the player clicks while ..."
  int eventRuns = 0;
};

class DuelTest : public ::testing::Test {
 protected:
  DuelTest() {
    k.OnClosed = [this] { ++closedCount; };
    k.SetAdventureMusic(adventureMusic.get());
  }

  // StartDuel of the adventure: the name, the series counters, then the window opens.
  void Open(const QString& name);
  void Give(int person, std::initializer_list<std::pair<int, int>> cards);
  // A press and a double-click on each card, scrolling to its page first.
  void Choose(std::initializer_list<int> ids);
  // Chooses five (by default 1, 2, 3, 4 and 10) and presses "勝負！", which must be there.
  // Callers that must stop when it is not wrap the call in ASSERT_NO_FATAL_FAILURE.
  void StartDuel(std::initializer_list<int> ids = {1, 2, 3, 4, 10});
  // One enemy-timer interval: ten flip ticks, then the enemy's tick (after `beforeTimer1`).
  void Tick();
  void Click(int c, int r);
  // The player's move: first card still in hand onto the first empty square (or `c`, `r`).
  void PlayerMove(int c = 0, int r = 0);
  // Plays the running duel to its result: the player moves when it is its turn and nothing
  // flips, the timers do the rest. Returns the ticks it took.
  int PlayToEnd(int maxTicks = 500);
  // Puts a finished board in place: every hand card played, the codes given square by square.
  void FinishedBoard(std::initializer_list<std::tuple<int, int, int>> squares);
  // A finished board the player wins three face-up cards to two: its slots 0-2 at home, on (2,4)
  // and (3,4); the enemy's slots 0-1 at home and on (2,2); the other five squares face down.
  void FinishedThreeToTwo();
  // Duels settled in this series.
  int DuelsPlayed() const { return game.SeriesWins + game.SeriesLosses + game.SeriesDraws; }
  // The effects played since `MarkEffects`.
  void MarkEffects() { effectMark = static_cast<int>(sound.Effects().size()); }
  QStringList NewEffects() const { return sound.Effects().mid(effectMark); }
  int Held(int person) const { return game.TotalCards(person); }
  QString CardName(int id) const { return QString::fromStdString(cards.Name(id)); }

  GameState game;
  FakeSoundSystem sound;
  CardTable cards = LoadCards();
  ScriptedPlatform platform;
  SeededRandom rng{20261209};
  CardPictures pictures{&cards};
  std::unique_ptr<MusicDevice> adventureMusic = sound.CreateMusicDevice();  // "music1"
  Korvane k{game, sound, cards, platform, rng, pictures};                   // its own: "music2"
  int closedCount = 0;
  int effectMark = 0;
  std::function<void()> beforeTimer1;  // e.g. a test's clock moving on
};

}  // namespace korvane::testing
