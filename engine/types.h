// The small vocabulary of the duel: board size, square codes, owners, turn states and the
// checked 16-bit arithmetic that every count and counter in the game goes through.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvane {

constexpr int kBoardSize = 5;   // columns and rows are 1..5
constexpr int kHandSize = 5;    // hand slots 0..4
constexpr int kCardKinds = 40;  // card identifiers 0..39
constexpr int kCardBack = 40;   // picture index of the card back

// Square codes of BoardCard.
constexpr int16_t kEmptySquare = 0;
constexpr int16_t kFlippedPlayerCard = 40;
constexpr int16_t kFlippedEnemyCard = -40;
constexpr int16_t kBlockedSquare = 41;

// Owner numbers as ReadCardSide takes them: 1 is the player, anything else the enemy.
constexpr int kPlayer = 1;
constexpr int kEnemy = 2;

enum class TurnState { Nobody, Player, Enemy };

// A square of the board, column and row 1..5.
struct BoardSquare {
  int column = 0;
  int row = 0;
  bool operator==(const BoardSquare&) const = default;
};

// The texts the game compares: "Player's Turn", "Enemy's Turn", "Nobody's Turn".
std::string_view TurnStateText(TurnState t);

inline bool IsOnBoard(int c, int r) {
  return c >= 1 && c <= kBoardSize && r >= 1 && r <= kBoardSize;
}

// The 13 squares of the diamond: |c - 3| + |r - 3| <= 2.
inline bool IsPlayable(int c, int r) {
  if (!IsOnBoard(c, r)) return false;
  int dc = c > 3 ? c - 3 : 3 - c;
  int dr = r > 3 ? r - 3 : 3 - r;
  return dc + dr <= 2;
}

inline bool IsPlayerCard(int code) { return code >= 1 && code <= 39; }   // unflipped, player's
inline bool IsEnemyCard(int code) { return code >= -39 && code <= -1; }  // unflipped, enemy's
inline bool IsValidCardId(int id) { return id >= 0 && id < kCardKinds; }
inline bool IsValidSlot(int slot) { return slot >= 0 && slot < kHandSize; }

// Counts and counters are signed 16-bit. Leaving the range is a fault in the game, never
// silent wrap-around: it throws, and the caller that can report it does.
class CounterOverflow : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

int16_t CheckedAdd(int16_t value, int delta);  // throws CounterOverflow
int16_t CheckedMul(int16_t a, int16_t b);      // throws CounterOverflow
inline void AddTo(int16_t& value, int delta) { value = CheckedAdd(value, delta); }

}  // namespace korvane
