// Whole duels with no window: the opponent against a random player or against a second
// evaluator that plays the player's side by seeing the board turned round. Shared by
// `korvane-tool selfplay` and the benchmarks; a fixed seed gives one signature number.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/ai.h"
#include "cast/cast.h"
#include "engine/card_table.h"
#include "engine/placement.h"
#include "engine/rules.h"

namespace korvane {

// The same duel seen from the other side: board turned by 180 degrees, owners swapped, hands,
// played slots, side codes and field maps swapped. The enemy of the result is the player of `s`.
DuelState MirrorSides(const DuelState& s);

struct SelfPlaySide {
  std::string name;  // opponent name: weights, starting collection, draw rule
  bool isAi = true;  // false: random hand, random moves (player side only)
  // The enemy side at 手加減: its mistakes drawn from here (the other draws stay the same).
  RandomSource* mistakes = nullptr;
};

struct SelfPlayTally {
  int wins = 0;    // duels the opponent (the enemy side) won
  int losses = 0;  // duels it lost
  int draws = 0;
  uint64_t signature = 0;  // FNV-1a over every duel's result and scores
};

// What a duel leaves to be recorded beside its outcome: the hands, who began, every placement.
struct SelfPlayLog {
  std::array<int16_t, kHandSize> playerHand{};
  std::array<int16_t, kHandSize> enemyHand{};
  bool playerFirst = true;
  std::vector<Placement> moves;
};

// One duel from the hand draw to the end test; every move redraws the fields and the flips are
// shown at once. The enemy's hand is drawn by "Fuzzy" from a fresh copy of its starting
// collection, so duels are independent of each other. With `log`, the duel is written there
// too (the random numbers drawn are the same either way).
DuelOutcome PlaySelfPlayDuel(const CardTable& cards, const SelfPlaySide& enemy,
                             const SelfPlaySide& player, RandomSource& rng,
                             SelfPlayLog* log = nullptr);

// `games` duels with one generator seeded by `seed`; `onDuel`, when given, sees each duel as it
// ends.
using SelfPlayWatcher = std::function<void(const SelfPlayLog&, const DuelOutcome&)>;
SelfPlayTally RunSelfPlay(const CardTable& cards, const SelfPlaySide& enemy,
                          const SelfPlaySide& player, int games, uint64_t seed,
                          const SelfPlayWatcher& onDuel = {});

}  // namespace korvane
