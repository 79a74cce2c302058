// What one placement would do, worked out on a copy of the duel by the engine's own placing and
// field code, for the views that show it beforehand: the duel's preview under the pointer and the
// rules page's diagrams. Nothing here changes the duel it is given.
#pragma once

#include <array>
#include <optional>

#include "engine/duel_model.h"
#include "engine/duel_state.h"
#include "engine/placement.h"

namespace korvane {

// One square per column and row, [c][r] with index 0 unused, as the board's own maps.
using SquareFlags = std::array<std::array<bool, kBoardSize + 1>, kBoardSize + 1>;

struct PlacementPreview {
  Placement move;
  // The square lies in the opposing field: the card goes down face down and projects nothing.
  bool atOnce = false;
  // The squares the placed card's own sides would cover once it lies there (none for a card
  // turned at once; bombs never cover any).
  SquareFlags covers{};
  // Every card the placement would turn, the placed card itself included when it turns at once,
  // in the order the rules turn them; `before` tells whose each one is.
  Flips flips;
  // Whether (c, r) would turn; and whether it holds a card of the placing side that would.
  bool Turns(int c, int r) const;
  bool TurnsOwn(int c, int r) const;
};

// The placement of `m` on a copy of `s`; nothing when the rules would refuse it now.
std::optional<PlacementPreview> PreviewPlacement(const DuelState& s, const Placement& m);

}  // namespace korvane
