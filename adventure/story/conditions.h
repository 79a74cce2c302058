// The conditions the place scripts test, one small named predicate each. They read the shared
// state only; a script step evaluates them when it reaches them.
#pragma once

#include "cast/cast.h"
#include "state/game_state.h"

namespace korvane::story {

// Cards the story talks about.
constexpr int kFairyCard = 0;       // 「妖精」
constexpr int kKnightCard = 10;     // 「ナイト」
constexpr int kGolemCard = 11;      // 「ゴーレム」
constexpr int kWerecatCard = 15;    // 「ワーキャット」
constexpr int kGeneralCard = 24;    // 「ジェネラル」
constexpr int kDeathCard = 30;      // 「死神」
constexpr int kPixieCard = 31;      // 「フェアリー」
constexpr int kHeroCard = 32;       // 「勇者」
constexpr int kKazamiGift = 36;     // given to 風見 when the fairy picture is gone
constexpr int kWispCard = 37;       // 「ウィル・オ・ウィスプ」
constexpr int kDemonKingCard = 39;  // 「魔王」

bool Owns(const GameState& g, int person, int card);
bool IsMaster(const GameState& g);  // PlayerName begins with "※"

// 高原 良絵.
bool SpecialResult(const GameState& g);  // SeriesWins < 0
// 真道 祐樹.
bool PlayerHasFewCards(const GameState& g);  // fewer than 5 cards in all
bool ShindoKeepsStrongCards(const GameState& g);
bool ShindoWasStripped(const GameState& g);
// 風見 誠.
bool KazamiLostFairies(const GameState& g);
bool KazamiMayAskAboutPixie(const GameState& g);
bool FairyCardsNotTen(const GameState& g);
bool PlayerOwnsOnePixie(const GameState& g);
// 横田 真央.
bool YokotaLostDemonKing(const GameState& g);
bool YokotaNotAtHome(const GameState& g);
// 高峰 武.
bool MetAtFairyTree(const GameState& g);
bool TakamineLostHero(const GameState& g);
bool OldHouseOnMap(const GameState& g);
bool PlayerOwnsHero(const GameState& g);
bool PlayerLacksHero(const GameState& g);
bool TakaharaOwnsHero(const GameState& g);
bool ShindoOwnsHero(const GameState& g);
bool KazamiOwnsHero(const GameState& g);
bool YokotaOwnsHero(const GameState& g);
bool NobodyOwnsWerecat(const GameState& g);
bool FairyTreeResting(const GameState& g);
bool NobodyOwnsWisp(const GameState& g);
// The old house and the fairy tree.
bool WonAgainstHayami(const GameState& g);
bool FewFairyCards(const GameState& g);
bool GraveKnown(const GameState& g);

}  // namespace korvane::story
