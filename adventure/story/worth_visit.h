// Which places on the town map are worth a visit now: where going in would show something the
// story has not shown at this point, or offer a duel. It is found by playing the place's script
// from its counter on a copy of the game state, exactly as the engine would, up to the first
// choice, duel or return to the map; the game itself is never touched. A visit that only says a
// line and leaves everything as it was ("留守みたいだ", "返事が無い", the fairy tree at rest, the
// closed door of the old house) is nothing new.
#pragma once

#include <array>

#include "state/game_state.h"

namespace korvane::story {

// The place's hot spot is on the map in this state (the player's house and 真道's always).
bool OnTheMap(const GameState& g, int place);

// Entering `place` now would offer a choice or a duel, or change the story (a counter, a card, a
// flag). The player's own house (6) only asks whether to stop, and is never worth a visit.
bool WorthAVisit(const GameState& g, int place);

// Per place 0..8: on the map and worth a visit.
std::array<bool, 9> PlacesWorthAVisit(const GameState& g);

}  // namespace korvane::story
