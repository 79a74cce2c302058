// The cast of the game and what each character brings: the six characters with their person
// indices (the order of the shared collections and of the save), their names as the game compares
// them, and the short romanised names their music files and the tools use; the collection each
// holds when a new game starts; and the minimum stock each duels with. Written once here, read by
// the opponent, the game state, the windows and the tools. No Qt: the rules' layers use it too.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/types.h"

namespace korvane {

// Person 0 is the player; 1..6 the characters, in save order.
constexpr int kPersons = 7;
constexpr int kThePlayer = 0;
enum Person : int {
  kTakahara = 1,  // 高原 良絵
  kShindo = 2,    // 真道 祐樹
  kKazami = 3,    // 風見 誠
  kYokota = 4,    // 横田 真央
  kTakamine = 5,  // 高峰 武
  kHayami = 6,    // 速水 結
};

struct CastMember {
  std::string_view name;       // UTF-8, as OpponentName holds it: "高原 良絵"
  std::string_view surname;    // "高原"
  std::string_view romanised;  // "takahara": the music file and the tools' short name
};

// The member of person 1..6; person 0 and anything else get empty names.
const CastMember& Cast(int person);
// The person whose full name (UTF-8) or romanised name is `name`, or -1.
int CastIndex(std::string_view name);

using Collection = std::array<int16_t, kCardKinds>;

// The collection person 1..6 holds when a new game starts; all zero for anybody else.
Collection StartingCollection(int person);

// The minimum stock of person 1..6: the cards raised always, or those raised only against the
// master. Raising card k to n makes a count of at most n into n. 横田 真央's card 18 brings card 37
// along while nobody holds one (the duel window applies that rule).
struct StockRaise {
  int16_t card;
  int16_t count;
};
std::span<const StockRaise> MinimumStockRaises(int person, bool forMaster);

}  // namespace korvane
