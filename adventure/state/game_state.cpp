#include "adventure/state/game_state.h"

#include <numeric>

namespace korvane {

namespace {

// The six characters in save order; index 0 is the player.
const char* const kPersonNames[kPersons] = {
    "", "高原 良絵", "真道 祐樹", "風見 誠", "横田 真央", "高峰 武", "速水 結",
};

struct StartingCards {
  int person;
  std::initializer_list<std::pair<int, int16_t>> cards;  // card id : count
};

// What each character owns when a new game starts; the player owns nothing.
const StartingCards kStartingCollections[] = {
    {1, {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 2}, {8, 5}, {9, 2}, {12, 3}}},
    {2, {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}, {10, 1}, {11, 1}, {13, 3}, {24, 1}}},
    {3,
     {{0, 8},
      {8, 8},
      {9, 12},
      {10, 6},
      {11, 6},
      {13, 6},
      {14, 4},
      {16, 2},
      {20, 3},
      {21, 2},
      {27, 1}}},
    {4, {{0, 2}, {10, 4}, {11, 4}, {16, 3}, {17, 3}, {18, 3}, {19, 3}, {21, 2}, {22, 2}, {23, 1}}},
    {5, {{10, 2}, {11, 2}, {23, 1}, {25, 2}, {26, 2}, {27, 1}, {28, 2}, {29, 1}, {30, 2}}},
    {6, {{0, 1}, {29, 1}, {31, 1}, {32, 1}, {33, 1}, {34, 1}, {35, 1}, {38, 1}}},
};

}  // namespace

QString PersonName(int person) {
  if (person < 0 || person >= kPersons) return QString();
  return QString::fromUtf8(kPersonNames[person]);
}

int PersonIndex(const QString& fullName) {
  for (int p = 1; p < kPersons; ++p) {
    if (fullName == QString::fromUtf8(kPersonNames[p])) return p;
  }
  return -1;
}

int16_t* GameState::StepCounter(int place) {
  return const_cast<int16_t*>(static_cast<const GameState*>(this)->StepCounter(place));
}

const int16_t* GameState::StepCounter(int place) const {
  switch (place) {
    case 0:
      return &TakaharaStep;
    case 1:
      return &ShindoStep;
    case 2:
      return &KazamiStep;
    case 3:
      return &YokotaStep;
    case 4:
      return &TakamineStep;
    case 5:
      return &OldHouseStep;
    case 7:
      return &FairyTreeStep;
    case 8:
      return &SquareStep;
    default:
      return nullptr;  // place 6 is the player's own house: no counter
  }
}

int GameState::TotalCards(int person) const {
  if (person < 0 || person >= kPersons) return 0;
  const auto& c = Collections[person];
  return std::accumulate(c.begin(), c.end(), 0);
}

void NewGameState(GameState& g, const QString& playerName, int16_t playerSex) {
  for (int p = 1; p < kPersons; ++p) g.Collections[p].fill(0);
  for (const StartingCards& s : kStartingCollections) {
    for (const auto& [card, count] : s.cards) g.Collections[s.person][card] = count;
  }
  g.FairyTreeStep = -1;
  for (int i = 1; i <= 5; ++i) g.PlaceUnlocked[i] = 0;
  g.PlayerSex = playerSex;
  g.PlayerName = playerName;
}

}  // namespace korvane
