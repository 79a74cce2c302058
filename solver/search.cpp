#include "solver/search.h"

#include <algorithm>

namespace korvane::search {
namespace {

using Clock = std::chrono::steady_clock;

// Near the end most nodes cut off after one or two moves: from this many cards left down the
// moves are played one at a time instead of all at once for ordering.
constexpr int kInOrderLeft = 3;
// Positions with fewer cards left than this are cheaper to search again than to look up.
constexpr int kTableLeft = 3;

// The square index of each of the 25 squares (-1 for the blocked ones).
constexpr std::array<int8_t, 25> kIndexOfBit = [] {
  std::array<int8_t, 25> index{};
  index.fill(-1);
  for (int i = 0; i < kSquareCount; ++i) index[SquareBit(kSquares[i].c, kSquares[i].r)] = i;
  return index;
}();

// Table size by the cards left: room for about every position the search stores. A search with
// little time cannot store more positions than it visits (a few million a second), so a short
// budget gets a smaller table.
int TableBits(int left, const SolveLimits& limits) {
  int bits = left <= 6 ? 14 : left <= 7 ? 16 : left <= 8 ? 18 : left <= 9 ? 21 : 23;
  if (limits.deadline) {
    const double seconds = std::chrono::duration<double>(*limits.deadline - Clock::now()).count();
    for (int cap = 16; cap < bits; ++cap) {
      if (static_cast<double>(1 << cap) >= seconds * 5e6) return cap;
    }
  }
  return bits;
}

Kinds KindsOf(const HandSides& sides) {
  Kinds k;
  for (int slot = 0; slot < kHandSize; ++slot) {
    k.kind[slot] = static_cast<uint8_t>(slot);
    for (int other = 0; other < slot; ++other) {
      if (sides[other] == sides[slot]) {
        if (k.kind[slot] == slot) k.kind[slot] = static_cast<uint8_t>(other);
        ++k.rank[slot];
      }
    }
  }
  return k;
}

// Which slots are played, same-kind slots counted rather than named: the first n of a kind.
uint64_t PlayedBits(const Kinds& k, uint8_t played) {
  std::array<int, kHandSize> perKind{};
  for (int slot = 0; slot < kHandSize; ++slot) perKind[k.kind[slot]] += played >> slot & 1;
  uint64_t bits = 0;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if (k.rank[slot] < perKind[k.kind[slot]]) bits |= uint64_t{1} << slot;
  }
  return bits;
}

// Four bits of the table key for square index i: 0 empty, 1..5 the player's face-up card by
// kind, 6..10 the enemy's, 11 a face-down card (whose it is changes nothing from here on).
void SetNibble(uint64_t& board, int i, int nibble) {
  const int shift = 4 * (kSquareCount - 1 - i);
  board = (board & ~(uint64_t{15} << shift)) | uint64_t(nibble) << shift;
}

}  // namespace

int SquareIndex(int c, int r) { return IsOnBoard(c, r) ? kIndexOfBit[SquareBit(c, r)] : -1; }

Searcher::Searcher(const DuelState& root, int left, const SolveLimits& limits)
    : limits_(&limits),
      sides_{root.PlayerSides, root.EnemySides},
      kinds_{KindsOf(root.PlayerSides), KindsOf(root.EnemySides)},
      table_(TableBits(left, limits)),
      memo_(2 * kHandSize * kSquareCount * kMemoWays) {
  // How far each card could ever reach from each square: its cover with only the blocked squares
  // filled (more filled squares only shorten ranges), and its blasts.
  SquareMask blocked = 0;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (!IsPlayable(c, r)) blocked |= MaskOf(c, r);
    }
  }
  std::array<std::array<ReachTable, kHandSize>, 2> perSlot{};
  for (int owner = 0; owner < 2; ++owner) {
    for (int slot = 0; slot < kHandSize; ++slot) {
      const std::array<char, 4>& sides = sides_[owner][slot];
      ReachTable& table = perSlot[owner][slot];
      for (int i = 0; i < kSquareCount; ++i) {
        const int c = kSquares[i].c, r = kSquares[i].r;
        Reach one{CardCover(blocked, c, r, owner == 1, sides), 0};
        for (int side = 1; side <= 4; ++side) {
          if (sides[side - 1] >= '1' && sides[side - 1] <= '9') {
            rays_[owner * kHandSize + slot][i] |=
                SideCover(0, c, r, Ahead(owner == 1, side), sides[side - 1]);
          }
        }
        for (int side = 1; side <= 4; ++side) {
          if (sides[side - 1] == 'b') one.blast |= BlastMask(c, r, Ahead(owner == 1, side));
        }
        for (int e = 0; e < 128; ++e) {
          if (i < 7 && (e >> i & 1)) table.low[e] |= one;
        }
        for (int e = 0; e < 64; ++e) {
          if (i >= 7 && (e >> (i - 7) & 1)) table.high[e] |= one;
        }
      }
    }
    // Whole hands: what the slots not yet played reach together, by the played slots.
    for (int played = 0; played <= kAllPlayed; ++played) {
      playedKey_[owner][played] = PlayedBits(kinds_[owner], static_cast<uint8_t>(played));
      ReachTable& hand = reach_[owner][played];
      for (int slot = 0; slot < kHandSize; ++slot) {
        if (played >> slot & 1) continue;
        for (int e = 0; e < 128; ++e) hand.low[e] |= perSlot[owner][slot].low[e];
        for (int e = 0; e < 64; ++e) hand.high[e] |= perSlot[owner][slot].high[e];
      }
    }
  }
}

SquareMask Searcher::MeasureAfresh(const BoardBits& b, int i) const {
  return CoverBySides{sides_[0], sides_[1]}(b, i);
}

inline SquareMask Searcher::MeasureCover(const BoardBits& b, int i) const {
  const int slot = b.slotAt[i], square = kIndexOfBit[i];
  if (slot < 0 || slot >= kHandSize || square < 0) return MeasureAfresh(b, i);
  const int card = ((b.enemyCards >> i & 1) ? kHandSize : 0) + slot;
  const uint32_t key = (b.occupied & rays_[card][square]) | 0x80000000u;
  Memo& m = memo_[(card * kSquareCount + square) * kMemoWays + ((key * 0x9E3779B1u) >> 26)];
  if (m.key != key) m = {key, MeasureAfresh(b, i)};
  return m.cover;
}

Node Searcher::NodeOf(const DuelState& s) const {
  Node n;
  n.bits = BitsOf(s);
  MeasureCovers(n.bits, sides_[0], sides_[1]);
  for (int slot = 0; slot < kHandSize; ++slot) {
    n.played[0] |= static_cast<uint8_t>(s.PlayerPlayed[slot] << slot);
    n.played[1] |= static_cast<uint8_t>(s.EnemyPlayed[slot] << slot);
  }
  n.enemy = s.Turn == TurnState::Enemy;
  for (int i = 0; i < kSquareCount; ++i) {
    const int bit = SquareBit(kSquares[i].c, kSquares[i].r);
    const int slot = n.bits.slotAt[bit];
    int nibble = 0;
    if ((n.bits.playerCards >> bit & 1) && slot >= 0) {
      nibble = 1 + kinds_[0].kind[slot];
    } else if ((n.bits.enemyCards >> bit & 1) && slot >= 0) {
      nibble = 6 + kinds_[1].kind[slot];
    } else if (n.bits.occupied >> bit & 1) {
      nibble = 11;
    } else {
      n.empty |= static_cast<uint16_t>(1 << i);
    }
    SetNibble(n.board, i, nibble);
  }
  return n;
}

SquareMask Searcher::PlayOnBits(BoardBits& bits, bool enemy, int slot, int square) const {
  const Square sq = kSquares[square];
  const auto measure = [this](const BoardBits& b, int i) { return MeasureCover(b, i); };
  const SquareMask flipped =
      PlaceOnBits(bits, enemy, slot, sq.c, sq.r, sides_[enemy][slot], measure);
  return flipped | RecomputeFields(bits, measure, MaskOf(sq.c, sq.r));
}

Node Searcher::Play(const Node& n, int slot, int square) const {
  Node child = n;
  SquareMask flipped = PlayOnBits(child.bits, n.enemy, slot, square);
  SetNibble(child.board, square, (n.enemy ? 6 : 1) + kinds_[n.enemy].kind[slot]);
  for (; flipped != 0; flipped &= flipped - 1) {
    SetNibble(child.board, kIndexOfBit[std::countr_zero(flipped)], 11);
  }
  child.played[n.enemy] |= static_cast<uint8_t>(1 << slot);
  child.empty &= static_cast<uint16_t>(~(1 << square));
  child.enemy = !n.enemy;
  return child;
}

int Searcher::Search(const Node& n, int alpha, int beta, int left) {
  Tick();
  if (aborted_) return 0;
  if (left == 0) return Margin(n);
  if (n.played[n.enemy] == kAllPlayed) {
    // Only the other side still holds cards (a position no duel reaches): it moves on.
    Node pass = n;
    pass.enemy = !n.enemy;
    return -Search(pass, -beta, -alpha, left);
  }
  // No side ends with more face-up cards than it has now plus the cards it still holds, nor
  // with fewer than those of its face-up cards that no card still to come can reach.
  const SquareMask mineUp = n.enemy ? n.bits.enemyCards : n.bits.playerCards;
  const SquareMask theirsUp = n.enemy ? n.bits.playerCards : n.bits.enemyCards;
  SquareMask toMine, toTheirs;
  Threats(n, toMine, toTheirs);
  int hi = Count(mineUp) + CardsLeft(n.played[n.enemy]) - Count(theirsUp & ~toTheirs);
  int lo = Count(mineUp & ~toMine) - (Count(theirsUp) + CardsLeft(n.played[!n.enemy]));
  if (lo >= beta) return lo;
  if (hi <= alpha) return hi;
  if (left == 1) return LastCard(n, beta, hi);
  if (left < kTableLeft) {
    return SearchInOrder(n, std::max(alpha, lo), std::min(beta, hi), left, kNoMove).value;
  }

  const uint64_t key = Key(n);
  int hashMove = kNoMove;
  if (const TableEntry* e = table_.Probe(key)) {
    lo = std::max<int>(lo, e->lo);
    hi = std::min<int>(hi, e->hi);
    if (lo >= beta || lo == hi) return lo;
    if (hi <= alpha) return hi;
    hashMove = e->move;
  }
  const int a = std::max(alpha, lo), b = std::min(beta, hi);
  Scored best{-kInfinity, kNoMove};
  if (left <= kInOrderLeft) {
    best = SearchInOrder(n, a, b, left, hashMove);
  } else {
    // The table's move first, before the others are played out: it often cuts off alone.
    if (hashMove != kNoMove) {
      best = {-Search(Play(n, FirstSlotOf(n, hashMove / 16), hashMove % 16), -b, -a, left - 1),
              hashMove};
    }
    if (best.value < b && !aborted_) {
      const int count = Expand(n, left, hashMove);
      for (int i = 0; i < count; ++i) {
        const Child& ch = children_[left][order_[left][i]];
        const int v = -Search(ch.node, -b, -std::max(a, best.value), left - 1);
        if (aborted_) break;
        if (v > best.value) {
          best = {v, ch.move};
          if (v >= b) break;
        }
      }
    }
  }
  if (aborted_) return 0;
  if (best.value >= b) history_[n.enemy][best.move] += left * left;
  table_.Store(key, left, best.value <= a ? lo : std::max(lo, best.value),
               best.value >= b ? hi : best.value, best.move);
  return best.value;
}

// The moves one at a time, the table's move first and then by how often each cut off
// elsewhere, each played only when its turn comes.
Searcher::Scored Searcher::SearchInOrder(const Node& n, int a, int b, int left, int hashMove) {
  const Kinds& kinds = kinds_[n.enemy];
  const uint8_t played = n.played[n.enemy];
  Scored best{-kInfinity, kNoMove};
  const auto cutOff = [&](int slot, int i) {
    const int v = -Search(Play(n, slot, i), -b, -std::max(a, best.value), left - 1);
    if (v > best.value) best = {v, kinds.kind[slot] * 16 + i};
    return aborted_ || best.value >= b;
  };
  if (hashMove != kNoMove && cutOff(FirstSlotOf(n, hashMove / 16), hashMove % 16)) return best;
  std::array<bool, kHandSize> tried{};
  std::array<int, 13 * kHandSize> moves, score;
  int count = 0;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if ((played >> slot & 1) || tried[kinds.kind[slot]]) continue;
    tried[kinds.kind[slot]] = true;
    for (int i = 0; i < kSquareCount; ++i) {
      const int code = kinds.kind[slot] * 16 + i;
      if (!(n.empty >> i & 1) || code == hashMove) continue;
      const int h = history_[n.enemy][code];
      int j = count++;
      for (; j > 0 && score[j - 1] < h; --j) {
        moves[j] = moves[j - 1];
        score[j] = score[j - 1];
      }
      moves[j] = slot * 16 + i;
      score[j] = h;
    }
  }
  for (int k = 0; k < count; ++k) {
    if (cutOff(moves[k] / 16, moves[k] % 16)) break;
  }
  return best;
}

// The side to move places its last card: the best square for it decides.
int Searcher::LastCard(const Node& n, int beta, int hi) {
  const int slot = std::countr_zero(static_cast<unsigned>(~n.played[n.enemy]));
  int best = -kInfinity;
  for (int i = 0; i < kSquareCount; ++i) {
    if (!(n.empty >> i & 1)) continue;
    Tick();
    // Only the count matters after the last card: the board alone is played.
    BoardBits bits = n.bits;
    PlayOnBits(bits, n.enemy, slot, i);
    const SquareMask mine = n.enemy ? bits.enemyCards : bits.playerCards;
    const SquareMask theirs = n.enemy ? bits.playerCards : bits.enemyCards;
    best = std::max(best, Count(mine) - Count(theirs));
    if (best >= beta || best >= hi) break;
  }
  return best;
}

// Every move but the table's (one slot per kind), played out into this depth's buffer and
// ordered by the margin each leaves on the board, then by how often it cut off elsewhere.
int Searcher::Expand(const Node& n, int left, int hashMove) {
  const Kinds& kinds = kinds_[n.enemy];
  std::array<bool, kHandSize> tried{};
  std::array<int, 13 * kHandSize> score;
  uint8_t* order = order_[left].data();
  int count = 0;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if ((n.played[n.enemy] >> slot & 1) || tried[kinds.kind[slot]]) continue;
    tried[kinds.kind[slot]] = true;
    for (int i = 0; i < kSquareCount; ++i) {
      const int code = kinds.kind[slot] * 16 + i;
      if (!(n.empty >> i & 1) || code == hashMove) continue;
      Child& ch = children_[left][count];
      ch.node = Play(n, slot, i);
      ch.move = static_cast<uint8_t>(code);
      const int s = (8 - Margin(ch.node)) * (1 << 20) + std::min(history_[n.enemy][code], 0xfffff);
      // Insertion of the index, best first; equal scores keep their visiting order.
      int j = count;
      for (; j > 0 && score[order[j - 1]] < s; --j) order[j] = order[j - 1];
      order[j] = static_cast<uint8_t>(count);
      score[count++] = s;
    }
  }
  return count;
}

// The squares where a card still in either hand might yet turn a face-up card of the side to
// move (toMine) or of the other side (toTheirs) over: a new card's field flips only the other
// side's cards, a bomb both sides'. The cards already on the board reach no further than now,
// and a settled board has no card in the opposing field.
void Searcher::Threats(const Node& n, SquareMask& toMine, SquareMask& toTheirs) const {
  std::array<Reach, 2> reach{};
  for (int owner = 0; owner < 2; ++owner) {
    const ReachTable& hand = reach_[owner][n.played[owner]];
    reach[owner] = hand.low[n.empty & 127];
    reach[owner] |= hand.high[n.empty >> 7];
  }
  const SquareMask blast = reach[0].blast | reach[1].blast;
  toMine = reach[!n.enemy].field | blast;
  toTheirs = reach[n.enemy].field | blast;
}

int Searcher::FirstSlotOf(const Node& n, int kind) const {
  for (int slot = 0; slot < kHandSize; ++slot) {
    if (!(n.played[n.enemy] >> slot & 1) && kinds_[n.enemy].kind[slot] == kind) return slot;
  }
  return 0;
}

// Board, kinds still in hand and turn, exactly, in 63 bits.
uint64_t Searcher::Key(const Node& n) const {
  return n.board << 11 | uint64_t{playedKey_[0][n.played[0]]} << 6 |
         uint64_t{playedKey_[1][n.played[1]]} << 1 | (n.enemy ? 1 : 0);
}

bool Searcher::ShouldStop() const {
  if (limits_->stop && limits_->stop->load(std::memory_order_relaxed)) return true;
  return limits_->deadline && Clock::now() >= *limits_->deadline;
}

int Searcher::Value(const Node& n, int left) {
  int lower = -kInfinity, upper = kInfinity, guess = 0;
  while (lower < upper && !aborted_) {
    const int beta = guess == lower ? guess + 1 : guess;
    const int v = Search(n, beta - 1, beta, left);
    (v < beta ? upper : lower) = v;
    guess = v;
  }
  return lower;
}

bool Searcher::Keeps(const Node& n, int slot, int square, int value, int left) {
  return -Search(Play(n, slot, square), -value, -value + 1, left - 1) >= value;
}

std::optional<std::array<int, 2>> Searcher::TableMove(const Node& n) const {
  if (n.played[n.enemy] == kAllPlayed) return std::nullopt;
  const TableEntry* e = table_.Probe(Key(n));
  if (!e || e->move == kNoMove) return std::nullopt;
  const int square = e->move % 16;
  if (!(n.empty >> square & 1)) return std::nullopt;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if (!(n.played[n.enemy] >> slot & 1) && kinds_[n.enemy].kind[slot] == e->move / 16) {
      return std::array<int, 2>{slot, square};
    }
  }
  return std::nullopt;
}

}  // namespace korvane::search
