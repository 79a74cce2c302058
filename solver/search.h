// The solver's search: positions as the engine's bit masks, negamax with alpha-beta and a
// transposition table. Used by Solve (solver.cpp) and the analyst (analyst.cpp), which keeps one
// searcher and its table for a whole duel.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/board_bits.h"
#include "engine/duel_state.h"
#include "solver/solver.h"
#include "solver/transposition.h"

namespace korvane::search {

// The 13 playable squares in visiting order: row by row from row 1, columns left to right.
struct Square {
  int8_t c, r;
};
constexpr std::array<Square, 13> kSquares = {{{3, 1},
                                              {2, 2},
                                              {3, 2},
                                              {4, 2},
                                              {1, 3},
                                              {2, 3},
                                              {3, 3},
                                              {4, 3},
                                              {5, 3},
                                              {2, 4},
                                              {3, 4},
                                              {4, 4},
                                              {3, 5}}};
constexpr int kSquareCount = static_cast<int>(kSquares.size());
constexpr int kNoMove = 0xff;  // move codes are kind * 16 + square index
constexpr int kInfinity = 64;  // beyond any margin
constexpr int kAllPlayed = (1 << kHandSize) - 1;

int SquareIndex(int c, int r);  // -1 when not playable

// Set bits of a mask of the 25 squares or of the hand slots (26 bits at most), without a call
// into the compiler's runtime: two looks into a table of the counts of all 13-bit numbers.
inline constexpr std::array<uint8_t, 1 << 13> kBitCounts = [] {
  std::array<uint8_t, 1 << 13> counts{};
  for (int x = 1; x < (1 << 13); ++x) counts[x] = static_cast<uint8_t>(counts[x >> 1] + (x & 1));
  return counts;
}();
inline int Count(uint32_t x) { return kBitCounts[x & 8191] + kBitCounts[(x >> 13) & 8191]; }

// For each hand, the kind of each slot: the lowest slot holding the same four side codes, and
// how many same-kind slots come before it.
struct Kinds {
  std::array<uint8_t, kHandSize> kind{};
  std::array<uint8_t, kHandSize> rank{};
};

// A position: the board as the engine's bit masks, the 13 squares as the table sees them (four
// bits each, first square highest), the slots each side has played (bit per slot, [0] the
// player, [1] the enemy), the empty squares (bit per square index) and whose turn it is.
struct Node {
  BoardBits bits;
  uint64_t board = 0;
  std::array<uint8_t, 2> played{};
  uint16_t empty = 0;
  bool enemy = false;  // the enemy is to move
};

inline int CardsLeft(uint8_t played) { return kHandSize - Count(played); }

// The margin on the board as the side to move sees it.
inline int Margin(const Node& n) {
  const int player = Count(n.bits.playerCards), enemy = Count(n.bits.enemyCards);
  return n.enemy ? enemy - player : player - enemy;
}

class Searcher {
 public:
  // A searcher for the duel of `root` (its two hands): any position of that duel can be searched.
  // The table is sized for `left` cards and for the time `limits` leave.
  Searcher(const DuelState& root, int left, const SolveLimits& limits);

  // The limits of the searches from now on (kept by reference), and a fresh start after a search
  // that gave up. What the table holds stays: a search that gives up stores nothing unproved.
  void SetLimits(const SolveLimits& limits) {
    limits_ = &limits;
    aborted_ = false;
  }

  // The position of a duel state whose fields are up to date.
  Node NodeOf(const DuelState& s) const;

  // The position after the side to move puts hand slot `slot` on square `square`: the engine's
  // placement and the field recomputation that the redraw after every placement runs.
  Node Play(const Node& n, int slot, int square) const;

  // The value for the side to move: null-window tests around a guess, each narrowing the
  // interval the value lies in.
  int Value(const Node& n, int left);

  // Whether the move keeps `value` for the side to move.
  bool Keeps(const Node& n, int slot, int square, int value, int left);

  // The move the table remembers for `n` as (slot, square), the first unplayed slot of its
  // kind; nullopt when there is none.
  std::optional<std::array<int, 2>> TableMove(const Node& n) const;

  bool Aborted() const { return aborted_; }
  uint64_t Nodes() const { return nodes_; }
  size_t TableBytes() const { return table_.Bytes(); }

 private:
  struct Scored {
    int value, move;
  };
  struct Child {
    Node node;
    uint8_t move;
  };
  struct Reach {
    SquareMask field = 0, blast = 0;
    Reach& operator|=(const Reach& o) {
      field |= o.field;
      blast |= o.blast;
      return *this;
    }
  };
  // What the cards still in a hand could reach from any of a set of empty squares, looked up by
  // the empty squares in two parts of 7 and 6 squares.
  struct ReachTable {
    std::array<Reach, 128> low{};
    std::array<Reach, 64> high{};
  };

  // The engine's placement and field recomputation on `bits`; gives the squares whose cards
  // flipped.
  SquareMask PlayOnBits(BoardBits& bits, bool enemy, int slot, int square) const;
  // A card's cover as the engine measures it, through a memory of earlier answers: the cover
  // depends only on which squares along the card's ranges are filled.
  SquareMask MeasureCover(const BoardBits& b, int i) const;
  [[gnu::noinline]] SquareMask MeasureAfresh(const BoardBits& b, int i) const;

  int Search(const Node& n, int alpha, int beta, int left);
  Scored SearchInOrder(const Node& n, int a, int b, int left, int hashMove);
  int LastCard(const Node& n, int beta, int hi);
  int Expand(const Node& n, int left, int hashMove);
  void Threats(const Node& n, SquareMask& toMine, SquareMask& toTheirs) const;
  int FirstSlotOf(const Node& n, int kind) const;
  uint64_t Key(const Node& n) const;
  bool ShouldStop() const;
  void Tick() {
    if ((++nodes_ & 1023) == 0 && ShouldStop()) aborted_ = true;
  }

  const SolveLimits* limits_;
  const std::array<HandSides, 2> sides_;
  const std::array<Kinds, 2> kinds_;
  TranspositionTable table_;
  uint64_t nodes_ = 0;
  bool aborted_ = false;
  std::array<std::array<ReachTable, kAllPlayed + 1>, 2> reach_{};   // by the slots played
  std::array<std::array<uint8_t, kAllPlayed + 1>, 2> playedKey_{};  // the slots played, by kind
  // Per card (owner * 5 + slot) and square: the squares its ranges could ever pass, and a few
  // remembered covers keyed by which of those are filled.
  struct Memo {
    uint32_t key = 0;  // the filled squares on the rays, with the top bit set; 0 unused
    SquareMask cover = 0;
  };
  static constexpr int kMemoWays = 64;
  std::array<std::array<SquareMask, kSquareCount>, 2 * kHandSize> rays_{};
  mutable std::vector<Memo> memo_;
  std::array<std::array<int, 256>, 2> history_{};  // cut-offs per side and move code
  std::array<std::array<Child, 13 * kHandSize>, 2 * kHandSize + 1> children_;
  std::array<std::array<uint8_t, 13 * kHandSize>, 2 * kHandSize + 1> order_;
};

// A duel state as the solver takes it: fields recomputed, the flips counted as shown, and the
// side to move the one that still holds cards; with the number of cards still to place.
struct Position {
  DuelState state;
  int left = 0;
};
// Throws std::invalid_argument for "Nobody's Turn" with cards still in hand.
Position Prepare(const DuelState& s);

// Solve's answer when no search is needed: every card placed (the count is the margin), or the
// stop flag set or the deadline passed before the start (unfinished).
std::optional<SolveResult> WithoutSearch(const Position& p, const SolveLimits& limits,
                                         std::chrono::steady_clock::time_point start);

// Solve's answer for a prepared position with cards left, worked out on `searcher` (which must
// belong to the same duel and whose limits are `limits`); `start` is when the solve began.
SolveResult SolveOn(Searcher& searcher, const Position& p, const SolveLimits& limits,
                    std::chrono::steady_clock::time_point start);

}  // namespace korvane::search
