// What a screen reader says of a duel: each square of the diamond and each hand card as the
// player sees them, and, as the duel goes on, each placement, flip, the score and the result.
// Only the duel's state is read; nothing here changes it.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "duel/korvane.h"
#include "engine/duel_state.h"

namespace korvane {

class CardTable;

// The 13 squares of the diamond, in reading order (row by row, left to right).
const std::array<BoardSquare, 13>& DiamondSquares();

// "3列2行：あなたのゴブリン、上1 右× 下× 左×、相手の陣地": the square, what lies on it (the
// sides as the card is drawn on the board, so the enemy's turned round) and whose field it is in.
QString SquareSpeech(const DuelState& s, const CardTable& cards, BoardSquare square);
// "あなたの手札1：ゴブリン、上1 右× 下× 左×", or that the slot is empty or its card placed.
QString HandSpeech(const DuelState& s, const CardTable& cards, bool player, int slot);

// Follows a duel and tells what changed since it last looked.
class DuelSpeech {
 public:
  // The texts to announce since the last call: placements, flips, then the score; and the result
  // once the duel has ended. The first call only takes the position in.
  std::vector<QString> Follow(const Korvane& k);

 private:
  bool seen_ = false;
  SquareMap board_{};
  std::array<int16_t, kHandSize> player_{}, enemy_{};
  std::array<bool, kHandSize> playerPlayed_{}, enemyPlayed_{};
  bool ended_ = false;
};

}  // namespace korvane
