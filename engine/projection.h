// The geometry shared by the real field recomputation and the opponent's simulated one: which
// way a side points, what one side projects, and the five squares of a bomb's blast.
#pragma once

#include "engine/duel_state.h"
#include "engine/types.h"

namespace korvane {

struct Step {
  int dc, dr;
};

// One step ahead for side 1..4. The player's side 1 points up the board; the enemy's cards lie
// turned round, so every side of theirs points the opposite way.
inline Step Ahead(bool enemy, int side) {
  constexpr int kDc[4] = {0, 1, 0, -1};
  constexpr int kDr[4] = {-1, 0, 1, 0};
  const int sign = enemy ? -1 : 1;
  return {sign * kDc[side - 1], sign * kDr[side - 1]};
}

// One step sideways of `d` (the other sideways step is its negative).
inline Step Sideways(Step d) { return {d.dr, d.dc}; }

// What one side of the card on (c, r) covers, the one statement of that rule: `cover(c, r)` is
// called once for each square the side reaches, `occupied(c, r)` says whether a square stops a
// range. A range covers up to n squares straight ahead, stopping at the edge and after the first
// square that is not empty; a split covers the square two ahead; an arc the square ahead and
// the two beside it; "b", "0" and anything else cover nothing. A side never reaches one square
// twice.
template <class Occupied, class Cover>
inline void WalkSide(int c, int r, Step d, char code, Occupied occupied, Cover cover) {
  if (code >= '1' && code <= '9') {
    const int n = code - '0';
    int cc = c, rr = r;
    for (int k = 1; k <= n; ++k) {
      cc += d.dc;
      rr += d.dr;
      if (!IsOnBoard(cc, rr)) break;
      cover(cc, rr);
      if (occupied(cc, rr)) break;
    }
  } else if (code == 's') {
    const int cc = c + 2 * d.dc, rr = r + 2 * d.dr;
    if (IsOnBoard(cc, rr)) cover(cc, rr);
  } else if (code == 'a') {
    const int cc = c + d.dc, rr = r + d.dr;
    const Step l = Sideways(d);
    if (IsOnBoard(cc, rr)) cover(cc, rr);
    if (IsOnBoard(cc + l.dc, rr + l.dr)) cover(cc + l.dc, rr + l.dr);
    if (IsOnBoard(cc - l.dc, rr - l.dr)) cover(cc - l.dc, rr - l.dr);
  }
}

// One side of the card on (c, r) projected into `map`, `board` deciding what stops a range.
// At most 41 sources can cover one square (ten cards, four sides, a home), so a count never
// comes near the 16-bit limit and is not checked here.
inline void ProjectSide(const SquareMap& board, SquareMap& map, int c, int r, Step d, char code) {
  WalkSide(
      c, r, d, code, [&](int cc, int rr) { return board[cc][rr] != kEmptySquare; },
      [&](int cc, int rr) { ++map[cc][rr]; });
}

// The four sides of a card.
inline void ProjectCard(const SquareMap& board, SquareMap& map, int c, int r, bool enemy,
                        const std::array<char, 4>& sides) {
  for (int side = 1; side <= 4; ++side)
    ProjectSide(board, map, c, r, Ahead(enemy, side), sides[side - 1]);
}

// The blast of a bomb side: one, two and three ahead and the two squares beside two ahead.
// Squares may lie off the board; callers skip those.
struct BlastSquares {
  int c[5], r[5];
};
inline BlastSquares Blast(int c, int r, Step d) {
  const Step l = Sideways(d);
  return {{c + d.dc, c + 2 * d.dc + l.dc, c + 2 * d.dc, c + 2 * d.dc - l.dc, c + 3 * d.dc},
          {r + d.dr, r + 2 * d.dr + l.dr, r + 2 * d.dr, r + 2 * d.dr - l.dr, r + 3 * d.dr}};
}

}  // namespace korvane
