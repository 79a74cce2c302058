// What `replay` and `solve` share: the two hands and the placements of a position as typed on
// the command line, and the duel they make. Every fault is a UsageError (status 2).
#pragma once

#include <string>
#include <vector>

#include "engine/card_table.h"
#include "engine/duel_state.h"

namespace korvane::tool {

// A plain decimal number, optionally negative, within [lo, hi].
int ParseNumber(const std::string& text, int lo, int hi, const std::string& what);

// Exactly `count` comma-separated numbers within [lo, hi].
std::vector<int> ParseList(const std::string& text, size_t count, int lo, int hi,
                           const std::string& what);

struct MoveArg {
  std::string text;
  bool enemy;
  int slot, column, row;
};

// p<slot>@<column>,<row> or e<slot>@<column>,<row>, as ParsePlacement reads it.
MoveArg ParseMove(const std::string& text);

// The duel's set-up for two hands of five card identifiers: fresh board, side codes, fields and
// who moves first.
DuelState SetUpDuel(const std::vector<int>& player, const std::vector<int>& enemy,
                    const CardTable& cards);

// Each placement as the board makes it, the flips shown at once. A square that is not empty and
// playable, or a slot already played, is refused; with `inTurn`, so is a move by the side
// whose turn it is not (the first move goes to the side the duel chose, then they alternate).
void PlayMoves(DuelState& s, const std::vector<MoveArg>& moves, bool inTurn);

}  // namespace korvane::tool
