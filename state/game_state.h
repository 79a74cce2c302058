// The state that lasts for the whole process: collections, profile, series counters, tutorial
// flags and the story's step counters. One object, made in main and passed by reference.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "cast/cast.h"
#include "engine/types.h"

namespace korvane {

// Full names as the game compares them (the cast's); index 0 (the player) is "".
QString PersonName(int person);
// Person index for one of the six names, or -1.
int PersonIndex(const QString& fullName);

struct GameState {
  std::array<std::array<int16_t, kCardKinds>, kPersons> Collections{};
  QString PlayerName;
  int16_t PlayerSex = 0;  // 0 male, 1 female
  QString OpponentName;
  int16_t SeriesWins = 0;  // -1 marks the special result
  int16_t SeriesLosses = 0;
  int16_t SeriesDraws = 0;
  int16_t TutorialMode = 0;  // -1 while the rules tutorial runs
  int16_t TutorialPage = 0;

  int16_t TakaharaStep = 0;                // place 0
  int16_t ShindoStep = 0;                  // place 1
  int16_t KazamiStep = 0;                  // place 2
  int16_t YokotaStep = 0;                  // place 3
  int16_t TakamineStep = 0;                // place 4
  int16_t OldHouseStep = 0;                // place 5
  int16_t FairyTreeStep = 0;               // place 7
  int16_t SquareStep = 0;                  // place 8
  std::array<int16_t, 6> PlaceUnlocked{};  // flags 1..5; index 0 unused

  // The step counter of a place 0..5, 7, 8; nullptr for place 6 and anything else.
  int16_t* StepCounter(int place);
  const int16_t* StepCounter(int place) const;
  // Sum of a person's card counts.
  int TotalCards(int person) const;

  bool operator==(const GameState&) const = default;
};

// A name that begins with "※" is the master's: the mark can only be earned.
bool IsMasterName(const QString& playerName);
// Whether the ending's list of missing cards counts card k: every card for the master, every card
// but 33, 34, 35 and 38 for anyone else (those four come only to the master).
bool EndingCountsCard(int card, bool master);

// NewGameState: starting collections, FairyTreeStep = -1, flags cleared, profile taken over.
// The other counters and the player's collection keep their values (zero at program start).
void NewGameState(GameState& g, const QString& playerName, int16_t playerSex);

}  // namespace korvane
