// Duel boards written as text: five rows of five characters, one a square, row 1 (the enemy's
// home row) first, written as adjacent string literals so that they read as a board:
//   #        a blocked square (41); a space too, on the corners off the diamond
//   .        an empty square (0)
//   1 .. 5   the player's hand card 1..5 face up (hand slot 0..4, code 1..5)
//   a .. e   the enemy's hand card 1..5 face up (hand slot 0..4, code -1..-5)
//   +        a player's card turned face down (40)     -  an enemy's card turned face down (-40)
//   Board("  a  "
//         " b-- "
//         ".+-+."
//         " 23. "
//         "  1  ")
// Header only: the engine's tests use it without Qt.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "engine/duel_state.h"
#include "engine/rules.h"

namespace korvane::test {

struct TextBoard {
  SquareMap codes{};  // [c][r], as BoardCard holds them
  bool operator==(const TextBoard&) const = default;
};

inline int SquareCode(char ch, bool* ok) {
  *ok = true;
  if (ch == '#') return kBlockedSquare;
  if (ch == '.') return kEmptySquare;
  if (ch == '+') return kFlippedPlayerCard;
  if (ch == '-') return kFlippedEnemyCard;
  if (ch >= '1' && ch <= '5') return ch - '0';
  if (ch >= 'a' && ch <= 'e') return -(ch - 'a' + 1);
  *ok = false;
  return kEmptySquare;
}

inline char SquareChar(int code) {
  switch (code) {
    case kBlockedSquare:
      return '#';
    case kEmptySquare:
      return '.';
    case kFlippedPlayerCard:
      return '+';
    case kFlippedEnemyCard:
      return '-';
    default:
      if (code >= 1 && code <= kHandSize) return static_cast<char>('0' + code);
      if (code <= -1 && code >= -kHandSize) return static_cast<char>('a' - code - 1);
      return '?';  // no code of a sound board
  }
}

// The 25 squares; a text that cannot be read fails the test and leaves its squares empty.
inline TextBoard Board(std::string_view text) {
  TextBoard b;
  for (auto& column : b.codes) column.fill(kBlockedSquare);
  if (text.size() != kBoardSize * kBoardSize) {
    ADD_FAILURE() << "a board has 25 squares, not " << text.size() << ": \"" << text << '"';
    return b;
  }
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const char ch = text[(r - 1) * kBoardSize + (c - 1)];
      bool ok = ch == ' ' && !IsPlayable(c, r);
      if (!ok) b.codes[c][r] = static_cast<int16_t>(SquareCode(ch, &ok));
      if (!ok)
        ADD_FAILURE() << "board square (" << c << "," << r << "): '" << ch << "' is no square";
    }
  }
  return b;
}

// The board of a new duel: the diamond empty, the corners blocked.
inline TextBoard NewBoard() {
  return Board(
      "  .  "
      " ... "
      "....."
      " ... "
      "  .  ");
}

// The board in the same notation, one row a line (as failure messages show it), the corners
// blank while they are blocked.
inline std::string BoardText(const SquareMap& codes) {
  bool corners = true;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (!IsPlayable(c, r) && codes[c][r] != kBlockedSquare) corners = false;
    }
  }
  std::string out;
  for (int r = 1; r <= kBoardSize; ++r) {
    out += "\n  \"";
    for (int c = 1; c <= kBoardSize; ++c) {
      out += corners && !IsPlayable(c, r) ? ' ' : SquareChar(codes[c][r]);
    }
    out += '"';
  }
  return out;
}
inline std::string BoardText(const DuelState& s) { return BoardText(s.BoardCard); }
inline std::string BoardText(const TextBoard& b) { return BoardText(b.codes); }
inline void PrintTo(const TextBoard& b, std::ostream* os) { *os << BoardText(b); }

// How a text board goes into a duel: every hand card played (a finished duel, the player to
// move, as when the last card has just gone down), or just the cards the board shows.
enum class Played { All, AsWritten };

// Puts the board into `s`: the square codes, the played marks and the hands' visible slots. As
// written, each face-up card marks its slot played and each face-down one the lowest slot of its
// side not yet marked, so that the board is consistent with the hands. The field maps, the hands
// and the turn are left alone, except that a finished duel is the player's turn.
inline void PutBoard(DuelState& s, const TextBoard& b, Played played = Played::All) {
  s.BoardCard = b.codes;
  if (played == Played::All) {
    s.PlayerPlayed.fill(true);
    s.EnemyPlayed.fill(true);
    s.Turn = TurnState::Player;
    return;
  }
  s.PlayerPlayed.fill(false);
  s.EnemyPlayed.fill(false);
  int playerDown = 0, enemyDown = 0;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      const int code = b.codes[c][r];
      if (code >= 1 && code <= kHandSize) s.PlayerPlayed[code - 1] = true;
      if (code <= -1 && code >= -kHandSize) s.EnemyPlayed[-code - 1] = true;
      playerDown += code == kFlippedPlayerCard;
      enemyDown += code == kFlippedEnemyCard;
    }
  }
  auto markDown = [](std::array<bool, kHandSize>& marks, int n) {
    for (int slot = 0; slot < kHandSize && n > 0; ++slot) {
      if (!marks[slot]) marks[slot] = true, --n;
    }
  };
  markDown(s.PlayerPlayed, playerDown);
  markDown(s.EnemyPlayed, enemyDown);
}

// The player's first hand slot not yet played (kHandSize: none), and the first empty square
// from the player's side (row 5 first, left to right; (0, 0): none), the moves every scripted
// player makes.
inline int FirstUnplayedSlot(const DuelState& s) {
  int slot = 0;
  while (slot < kHandSize && s.PlayerPlayed[slot]) ++slot;
  return slot;
}
struct Square {
  int column = 0, row = 0;
};
inline Square FirstEmptySquare(const DuelState& s) {
  for (int r = kBoardSize; r >= 1; --r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (s.BoardCard[c][r] == kEmptySquare) return {c, r};
    }
  }
  return {};
}

}  // namespace korvane::test
