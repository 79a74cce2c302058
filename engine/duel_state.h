// The rules state of one duel: hands, board codes, field maps, turn and selection. How a flip is
// shown (its clock and the face it turns from) is the duel window's, not the rules'.
// Squares are addressed (column, row), each 1..5; arrays are sized 6 so that index 0 is unused
// and the game's own numbering reads directly.
#pragma once

#include <array>
#include <cstdint>

#include "engine/types.h"

namespace korvane {

class CardTable;

using SquareMap = std::array<std::array<int16_t, kBoardSize + 1>, kBoardSize + 1>;  // [c][r]

struct DuelState {
  std::array<int16_t, kHandSize> PlayerHand{-1, -1, -1, -1, -1};
  std::array<int16_t, kHandSize> EnemyHand{-1, -1, -1, -1, -1};
  // Whether each hand slot's card has been placed (the hidden hand picture of the window).
  std::array<bool, kHandSize> PlayerPlayed{};
  std::array<bool, kHandSize> EnemyPlayed{};
  // Side codes of the ten hand cards, [slot][side - 1], filled by LoadHandSides so that the
  // rules and the opponent never read the card file during a duel.
  std::array<std::array<char, 4>, kHandSize> PlayerSides{};
  std::array<std::array<char, 4>, kHandSize> EnemySides{};

  SquareMap BoardCard{};
  SquareMap PlayerFieldMap{};
  SquareMap EnemyFieldMap{};
  TurnState Turn = TurnState::Nobody;
  int16_t SelectedSlot = -1;

  int16_t& Board(int c, int r) { return BoardCard[c][r]; }
  int16_t Board(int c, int r) const { return BoardCard[c][r]; }
};

}  // namespace korvane
