// What the duel tests share: the opponents' names, the card table from the project's card source,
// and a fixture holding one Korvane with its game state, the support's fake platform, a recording
// sound system and seeded random numbers, with the support's named actions on it (take five,
// start, pick and place, tick, play to the end, a finished board written as text).
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

#include "ai/ai.h"
#include "duel/korvane.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "tests/engine/engine_test_support.h"
#include "tests/support/board_text.h"
#include "tests/support/duel_actions.h"
#include "tests/support/fake_platform.h"
#include "ui/card_pictures.h"

namespace korvane::testing {

using test::Board;
using test::Message;

// The six opponents as the adventure names them.
const QString kTakahara = QStringLiteral("高原 良絵");
const QString kShindo = QStringLiteral("真道 祐樹");
const QString kKazami = QStringLiteral("風見 誠");
const QString kYokota = QStringLiteral("横田 真央");
const QString kTakamine = QStringLiteral("高峰 武");
const QString kHayami = QStringLiteral("速水 結");

// The card table of the project's card source.
inline CardTable LoadCards() { return test::SourceCardTable(); }

// A finished board the player wins three face-up cards to two: its slots 0-2 at home, on (2,4)
// and (3,4); the enemy's slots 0-1 at home and on (2,2); the other five squares face down.
inline const test::TextBoard kThreeToTwo = Board(
    "  a  "
    " b-- "
    ".+-+."
    " 23. "
    "  1  ");

class DuelTest : public ::testing::Test {
 protected:
  DuelTest() {
    k.UseAnalyst = false;  // seconds of a core per duel: only the analyst's own tests want it
    k.OnClosed = [this] { ++closedCount; };
    k.SetAdventureMusic(adventureMusic.get());
  }

  // StartDuel of the adventure: the name, the series counters, then the window opens.
  void Open(const QString& name) {
    game.OpponentName = name;
    game.SeriesWins = game.SeriesLosses = game.SeriesDraws = 0;
    k.Form_Load();
  }
  void Give(int person, std::initializer_list<std::pair<int, int>> cards) {
    for (auto [id, n] : cards) game.Collections[person][id] = static_cast<int16_t>(n);
  }
  // Takes five (by default 1, 2, 3, 4 and 10) and presses "勝負！", which must be there.
  // Callers that must stop when it is not wrap the call in ASSERT_NO_FATAL_FAILURE.
  void StartDuel(std::initializer_list<int> ids = {1, 2, 3, 4, 10}) {
    act.Take(ids);
    ASSERT_TRUE(act.Start());
  }
  void Take(std::initializer_list<int> ids) { act.Take(ids); }
  void Tick() { act.Tick(); }
  void Pick(int slot) { act.Pick(slot); }
  void Place(int c, int r) { act.Place(c, r); }
  void PlayerMove(int c = 0, int r = 0) { ASSERT_TRUE(act.PlayerMove(c, r)); }
  int PlayToEnd(int maxTicks = 500) { return act.PlayToEnd(maxTicks); }
  void Finish(const test::TextBoard& b) { act.Finish(b); }
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
  test::FakePlatform platform;
  SeededRandom rng{20261209};
  CardPictures pictures{&cards};
  std::unique_ptr<MusicDevice> adventureMusic = sound.CreateMusicDevice();  // "music1"
  Korvane k{game, sound, cards, platform, rng, pictures};                   // its own: "music2"
  test::DuelActions act{k};
  int closedCount = 0;
  int effectMark = 0;
};

}  // namespace korvane::testing
