// The rules of placing and of the field recomputation on bit masks of the 25 squares. The duel's
// own operations (ComputeFields, PlacePlayerCard, PlaceEnemyCard) run on these and write the
// result back into the DuelState; the solver runs them directly on millions of positions. So the
// rules are written once, here and in projection.h.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/duel_state.h"
#include "engine/projection.h"

namespace korvane {

// Bit (r - 1) * 5 + (c - 1) stands for square (c, r): row by row from row 1, as the rules visit.
using SquareMask = uint32_t;
constexpr int SquareBit(int c, int r) { return (r - 1) * kBoardSize + (c - 1); }
constexpr SquareMask MaskOf(int c, int r) { return SquareMask{1} << SquareBit(c, r); }
constexpr SquareMask kPlayerHome = MaskOf(3, 5);
constexpr SquareMask kEnemyHome = MaskOf(3, 1);

using HandSides = std::array<std::array<char, 4>, kHandSize>;

struct BoardBits {
  SquareMask occupied = 0;     // squares whose code is not 0: cards, flipped cards, blocked
  SquareMask playerCards = 0;  // the player's unflipped cards
  SquareMask enemyCards = 0;   // the enemy's unflipped cards
  SquareMask playerField = 0;  // squares in the player's field (map entry 1 or more)
  SquareMask enemyField = 0;
  std::array<int8_t, kBoardSize * kBoardSize> slotAt{};  // hand slot of the unflipped card there
  // What the unflipped card on each square covers with all four sides, for the occupied squares
  // of the last recomputation (a range only shortens when a square fills, so a card's cover
  // changes only when a square inside it fills).
  std::array<SquareMask, kBoardSize * kBoardSize> coverAt{};
};

// The squares one side of the card on (c, r) covers, `occupied` stopping the ranges.
inline SquareMask SideCover(SquareMask occupied, int c, int r, Step d, char code) {
  SquareMask cover = 0;
  WalkSide(
      c, r, d, code, [&](int cc, int rr) { return (occupied & MaskOf(cc, rr)) != 0; },
      [&](int cc, int rr) { cover |= MaskOf(cc, rr); });
  return cover;
}

// The on-board squares of a bomb side's blast.
inline SquareMask BlastMask(int c, int r, Step d) {
  const BlastSquares b = Blast(c, r, d);
  SquareMask mask = 0;
  for (int i = 0; i < 5; ++i) {
    if (IsOnBoard(b.c[i], b.r[i])) mask |= MaskOf(b.c[i], b.r[i]);
  }
  return mask;
}

// What all four sides of a card cover together.
inline SquareMask CardCover(SquareMask occupied, int c, int r, bool enemy,
                            const std::array<char, 4>& sides) {
  SquareMask cover = 0;
  for (int side = 1; side <= 4; ++side) {
    cover |= SideCover(occupied, c, r, Ahead(enemy, side), sides[side - 1]);
  }
  return cover;
}

// Both fields: the home squares and what the unflipped cards cover.
inline void ProjectFields(BoardBits& b) {
  SquareMask player = kPlayerHome, enemy = kEnemyHome;
  for (SquareMask cards = b.playerCards; cards != 0; cards &= cards - 1) {
    player |= b.coverAt[std::countr_zero(cards)];
  }
  for (SquareMask cards = b.enemyCards; cards != 0; cards &= cards - 1) {
    enemy |= b.coverAt[std::countr_zero(cards)];
  }
  b.playerField = player;
  b.enemyField = enemy;
}

// What each side of the unflipped card on square bit `i` covers; nothing for a code that names
// no hand slot.
inline std::array<SquareMask, 4> SideCoversAt(const BoardBits& b, int i,
                                              const HandSides& playerSides,
                                              const HandSides& enemySides) {
  std::array<SquareMask, 4> covers{};
  const int slot = b.slotAt[i];
  if (slot < 0 || slot >= kHandSize) return covers;
  const bool enemy = (b.enemyCards >> i) & 1;
  const std::array<char, 4>& sides = (enemy ? enemySides : playerSides)[slot];
  for (int side = 1; side <= 4; ++side) {
    covers[side - 1] = SideCover(b.occupied, i % kBoardSize + 1, i / kBoardSize + 1,
                                 Ahead(enemy, side), sides[side - 1]);
  }
  return covers;
}

// The cover of the unflipped card on a square, measured from the side codes of both hands.
// (The solver measures through a memory of these answers; any measure gives the same covers.)
struct CoverBySides {
  const HandSides& playerSides;
  const HandSides& enemySides;
  SquareMask operator()(const BoardBits& b, int i) const {
    const std::array<SquareMask, 4> covers = SideCoversAt(b, i, playerSides, enemySides);
    return covers[0] | covers[1] | covers[2] | covers[3];
  }
};

// Brings the cover of the unflipped card on square bit `i` up to date.
inline void UpdateCover(BoardBits& b, int i, const HandSides& playerSides,
                        const HandSides& enemySides) {
  b.coverAt[i] = CoverBySides{playerSides, enemySides}(b, i);
}

// The field recomputation: project, flip every unflipped card lying in the opposing field (all
// together, as the first projection saw them), project again without them. Gives the squares
// whose cards flipped. `filled` names the squares that filled since the covers were last brought
// up to date: the cards covering one of them are measured again. The flips fill no square, so
// the second projection needs no new measure.
template <class Measure>
inline SquareMask RecomputeFields(BoardBits& b, const Measure& measure, SquareMask filled) {
  for (SquareMask cards = b.playerCards | b.enemyCards; cards != 0; cards &= cards - 1) {
    const int i = std::countr_zero(cards);
    if (b.coverAt[i] & filled) b.coverAt[i] = measure(b, i);
  }
  ProjectFields(b);
  const SquareMask flipped = (b.playerCards & b.enemyField) | (b.enemyCards & b.playerField);
  if (flipped == 0) return 0;  // nothing changed: the second projection would be the first
  b.playerCards &= ~flipped;
  b.enemyCards &= ~flipped;
  ProjectFields(b);
  return flipped;
}

// A card with side codes `sides` from hand slot `slot` put on (c, r), on the board. Into the
// opposing field it is flipped at once and nothing else of it counts; face up, each bomb side
// flips every unflipped card of either side in its blast. Gives the squares whose cards flipped
// (the card's own square when it was flipped at once). The fields are not touched: a
// recomputation follows every placement, with the placed square as `filled`.
template <class Measure>
inline SquareMask PlaceOnBits(BoardBits& b, bool enemy, int slot, int c, int r,
                              const std::array<char, 4>& sides, const Measure& measure) {
  const SquareMask at = MaskOf(c, r);
  b.occupied |= at;
  b.playerCards &= ~at;
  b.enemyCards &= ~at;
  if ((enemy ? b.playerField : b.enemyField) & at) return at;
  (enemy ? b.enemyCards : b.playerCards) |= at;
  b.slotAt[SquareBit(c, r)] = static_cast<int8_t>(slot);
  b.coverAt[SquareBit(c, r)] = measure(b, SquareBit(c, r));
  SquareMask flipped = 0;
  for (int side = 1; side <= 4; ++side) {
    if (sides[side - 1] != 'b') continue;
    const SquareMask blast = BlastMask(c, r, Ahead(enemy, side)) & (b.playerCards | b.enemyCards);
    b.playerCards &= ~blast;
    b.enemyCards &= ~blast;
    flipped |= blast;
  }
  return flipped;
}

// The board and fields of a duel state as bit masks; the covers are left unmeasured (0). Codes
// 1..39 are the player's unflipped cards and -39..-1 the enemy's, as everywhere in the rules;
// only 1..5 name a hand slot.
inline BoardBits BitsOf(const DuelState& s) {
  BoardBits b;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int code = s.BoardCard[c][r];
      const SquareMask at = MaskOf(c, r);
      int8_t slot = -1;
      if (code != kEmptySquare) b.occupied |= at;
      if (IsPlayerCard(code)) {
        b.playerCards |= at;
        if (code <= kHandSize) slot = static_cast<int8_t>(code - 1);
      } else if (IsEnemyCard(code)) {
        b.enemyCards |= at;
        if (code >= -kHandSize) slot = static_cast<int8_t>(-code - 1);
      }
      b.slotAt[SquareBit(c, r)] = slot;
      if (s.PlayerFieldMap[c][r] >= 1) b.playerField |= at;
      if (s.EnemyFieldMap[c][r] >= 1) b.enemyField |= at;
    }
  }
  return b;
}

// Measures the cover of every unflipped card.
inline void MeasureCovers(BoardBits& b, const HandSides& playerSides, const HandSides& enemySides) {
  for (SquareMask cards = b.playerCards | b.enemyCards; cards != 0; cards &= cards - 1) {
    UpdateCover(b, std::countr_zero(cards), playerSides, enemySides);
  }
}

}  // namespace korvane
