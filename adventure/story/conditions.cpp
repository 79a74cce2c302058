#include "adventure/story/conditions.h"

#include <initializer_list>

namespace korvane::story {

namespace {

int CountOf(const GameState& g, std::initializer_list<int> persons, int card) {
  int sum = 0;
  for (int p : persons) sum += g.Collections[p][card];
  return sum;
}

bool NoneOwns(const GameState& g, std::initializer_list<int> persons, int card) {
  for (int p : persons) {
    if (Owns(g, p, card)) return false;
  }
  return true;
}

}  // namespace

bool Owns(const GameState& g, int person, int card) { return g.Collections[person][card] != 0; }

bool IsMaster(const GameState& g) { return IsMasterName(g.PlayerName); }

bool SpecialResult(const GameState& g) { return g.SeriesWins < 0; }

bool PlayerHasFewCards(const GameState& g) { return g.TotalCards(kThePlayer) < 5; }

bool ShindoKeepsStrongCards(const GameState& g) {
  return Owns(g, kShindo, kKnightCard) && Owns(g, kShindo, kGolemCard) &&
         Owns(g, kShindo, kGeneralCard);
}

// He owns none of his three strong cards, and the one 「ジェネラル」 of the town lies elsewhere.
bool ShindoWasStripped(const GameState& g) {
  return NoneOwns(g, {kShindo}, kKnightCard) && NoneOwns(g, {kShindo}, kGolemCard) &&
         NoneOwns(g, {kShindo}, kGeneralCard) &&
         CountOf(g, {kThePlayer, kTakahara, kKazami, kYokota, kTakamine, kHayami}, kGeneralCard) ==
             1;
}

bool KazamiLostFairies(const GameState& g) { return g.Collections[kKazami][kFairyCard] < 8; }

bool KazamiMayAskAboutPixie(const GameState& g) {
  return g.PlaceUnlocked[5] == 0 && PlayerOwnsOnePixie(g);
}

// 真道 never counts here: ten 「妖精」 outside his house means one has turned into a
// 「フェアリー」.
bool FairyCardsNotTen(const GameState& g) {
  return CountOf(g, {kThePlayer, kTakahara, kKazami, kYokota, kTakamine, kHayami}, kFairyCard) !=
         10;
}

bool PlayerOwnsOnePixie(const GameState& g) { return g.Collections[kThePlayer][kPixieCard] == 1; }

bool YokotaLostDemonKing(const GameState& g) { return !Owns(g, kYokota, kDemonKingCard); }

bool YokotaNotAtHome(const GameState& g) { return g.YokotaStep == 0; }

bool MetAtFairyTree(const GameState& g) { return g.PlaceUnlocked[1] != 0; }

bool TakamineLostHero(const GameState& g) { return !Owns(g, kTakamine, kHeroCard); }

bool OldHouseOnMap(const GameState& g) { return g.PlaceUnlocked[4] != 0; }

bool PlayerOwnsHero(const GameState& g) { return Owns(g, kThePlayer, kHeroCard); }

bool PlayerLacksHero(const GameState& g) { return !PlayerOwnsHero(g); }

bool TakaharaOwnsHero(const GameState& g) { return Owns(g, kTakahara, kHeroCard); }

bool ShindoOwnsHero(const GameState& g) { return Owns(g, kShindo, kHeroCard); }

bool KazamiOwnsHero(const GameState& g) { return Owns(g, kKazami, kHeroCard); }

bool YokotaOwnsHero(const GameState& g) { return Owns(g, kYokota, kHeroCard); }

bool NobodyOwnsWerecat(const GameState& g) {
  return NoneOwns(g, {kThePlayer, kTakahara, kShindo, kKazami, kYokota, kTakamine}, kWerecatCard);
}

bool FairyTreeResting(const GameState& g) { return g.FairyTreeStep == 55; }

bool NobodyOwnsWisp(const GameState& g) {
  return NoneOwns(g, {kThePlayer, kTakahara, kShindo, kKazami, kTakamine}, kWispCard);
}

bool WonAgainstHayami(const GameState& g) { return g.SeriesWins == 1; }

bool FewFairyCards(const GameState& g) { return g.Collections[kThePlayer][kFairyCard] < 5; }

bool GraveKnown(const GameState& g) { return g.PlaceUnlocked[2] != 0; }

}  // namespace korvane::story
