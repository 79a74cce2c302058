#include "state/game_state.h"

#include <numeric>

#include "ai/selfplay.h"

namespace korvane {

namespace {

// The six characters in save order; index 0 is the player.
const char* const kPersonNames[kPersons] = {
    "", "高原 良絵", "真道 祐樹", "風見 誠", "横田 真央", "高峰 武", "速水 結",
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

bool IsMasterName(const QString& playerName) { return playerName.startsWith(QStringLiteral("※")); }

bool EndingCountsCard(int card, bool master) {
  if (card < 0 || card >= kCardKinds) return false;
  return master || !(card == 33 || card == 34 || card == 35 || card == 38);
}

void NewGameState(GameState& g, const QString& playerName, int16_t playerSex) {
  // The opponents' starting collections are the opponent's own data; the player owns nothing.
  for (int p = 1; p < kPersons; ++p) {
    g.Collections[p] = StartingCollection(PersonName(p).toStdString());
  }
  g.FairyTreeStep = -1;
  for (int i = 1; i <= 5; ++i) g.PlaceUnlocked[i] = 0;
  g.PlayerSex = playerSex;
  g.PlayerName = playerName;
}

}  // namespace korvane
