#include "state/game_state.h"

#include <numeric>

namespace korvane {

QString PersonName(int person) {
  const std::string_view name = Cast(person).name;
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

int PersonIndex(const QString& fullName) {
  // Only the full names: OpponentName never holds a romanised one.
  const int person = CastIndex(fullName.toStdString());
  return person > 0 && PersonName(person) == fullName ? person : -1;
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
    g.Collections[p] = StartingCollection(p);
  }
  g.FairyTreeStep = -1;
  for (int i = 1; i <= 5; ++i) g.PlaceUnlocked[i] = 0;
  g.PlayerSex = playerSex;
  g.PlayerName = playerName;
}

}  // namespace korvane
