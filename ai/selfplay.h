// Whole duels with no window: the opponent against a random player or against a second
// evaluator that plays the player's side by seeing the board turned round. Shared by
// `korvane-tool selfplay` and the benchmarks; a fixed seed gives one signature number.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ai/ai.h"
#include "cast/cast.h"
#include "engine/card_table.h"
#include "engine/rules.h"

namespace korvane {

// The same duel seen from the other side: board turned by 180 degrees, owners swapped, hands,
// played slots, side codes and field maps swapped. The enemy of the result is the player of `s`.
DuelState MirrorSides(const DuelState& s);

struct SelfPlaySide {
  std::string name;  // opponent name: weights, starting collection, draw rule
  bool isAi = true;  // false: random hand, random moves (player side only)
};

struct SelfPlayTally {
  int wins = 0;    // duels the opponent (the enemy side) won
  int losses = 0;  // duels it lost
  int draws = 0;
  uint64_t signature = 0;  // FNV-1a over every duel's result and scores
};

// One duel from the hand draw to the end test; every move redraws the fields and the flips are
// shown at once. The enemy's hand is drawn by "Fuzzy" from a fresh copy of its starting
// collection, so duels are independent of each other.
DuelOutcome PlaySelfPlayDuel(const CardTable& cards, const SelfPlaySide& enemy,
                             const SelfPlaySide& player, RandomSource& rng);

// `games` duels with one generator seeded by `seed`.
SelfPlayTally RunSelfPlay(const CardTable& cards, const SelfPlaySide& enemy,
                          const SelfPlaySide& player, int games, uint64_t seed);

}  // namespace korvane
