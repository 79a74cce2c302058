// What a screen reader says of a duel position: each square of the diamond and each hand card as
// the player sees them. The duel window, the review board and the puzzles read their boards so.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/duel_state.h"
#include "engine/types.h"

namespace korvane {

class CardTable;

// The 13 squares of the diamond, in reading order (row by row, left to right).
const std::array<BoardSquare, 13>& DiamondSquares();
// Its index in DiamondSquares, or -1 off the diamond.
int DiamondIndex(BoardSquare square);

// "3列2行：あなたのゴブリン、上1 右× 下× 左×、相手の陣地": the square, what lies on it (the
// sides as the card is drawn on the board, so the enemy's turned round) and whose field it is in.
QString SquareSpeech(const DuelState& s, const CardTable& cards, BoardSquare square);
// "あなたの手札1：ゴブリン、上1 右× 下× 左×", or that the slot is empty or its card placed.
QString HandSpeech(const DuelState& s, const CardTable& cards, bool player, int slot);

// The pieces those are made of: "3列2行", a card's name in the edition, "あなたの" / "相手の".
QString SquareName(BoardSquare square);
QString SpokenCardName(const CardTable& cards, int id);
QString Whose(bool player);
// What a board code holds: a card, whose, face down or not, and its hand slot when face up.
struct OnSquare {
  bool card = false, player = false, faceDown = false;
  int slot = -1;
};
OnSquare ReadSquare(int16_t code);

}  // namespace korvane
