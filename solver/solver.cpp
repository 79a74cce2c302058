#include "solver/solver.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "engine/rules.h"
#include "solver/search.h"

namespace korvane {
namespace {

using Clock = std::chrono::steady_clock;
using search::kSquares;
using search::Node;

// Every move of the side to move in `n`, in visiting order.
std::vector<Placement> MovesOf(const Node& n) {
  std::vector<Placement> moves;
  for (int i = 0; i < search::kSquareCount; ++i) {
    if (!(n.empty >> i & 1)) continue;
    for (int slot = 0; slot < kHandSize; ++slot) {
      if (!(n.played[n.enemy] >> slot & 1)) {
        moves.push_back({n.enemy, slot, kSquares[i].c, kSquares[i].r});
      }
    }
  }
  return moves;
}

int SquareOf(const Placement& m) { return search::SquareIndex(m.column, m.row); }

}  // namespace

void PlayPlacement(DuelState& s, const Placement& m) {
  s.SelectedSlot = static_cast<int16_t>(m.slot);
  if (m.enemy) {
    PlaceEnemyCard(s, m.column, m.row);
  } else {
    PlacePlayerCard(s, m.column, m.row);
  }
  ComputeFields(s);
  s.FlipTime = ClockMap{};
}

std::vector<Placement> LegalPlacements(const DuelState& s) {
  std::vector<Placement> moves;
  if (s.Turn == TurnState::Nobody) return moves;
  const bool enemy = s.Turn == TurnState::Enemy;
  const auto& played = enemy ? s.EnemyPlayed : s.PlayerPlayed;
  for (const search::Square sq : kSquares) {
    if (s.BoardCard[sq.c][sq.r] != kEmptySquare) continue;
    for (int slot = 0; slot < kHandSize; ++slot) {
      if (!played[slot]) moves.push_back({enemy, slot, sq.c, sq.r});
    }
  }
  return moves;
}

SolveResult Solve(const DuelState& input, const SolveLimits& limits) {
  const Clock::time_point start = Clock::now();
  SolveResult result;
  DuelState s = input;
  ComputeFields(s);
  s.FlipTime = ClockMap{};
  int left = 0;
  for (int slot = 0; slot < kHandSize; ++slot) left += !s.PlayerPlayed[slot] + !s.EnemyPlayed[slot];
  if (left > 0 && s.Turn == TurnState::Nobody) {
    throw std::invalid_argument("nobody's turn with cards still in hand");
  }
  const bool enemy = s.Turn == TurnState::Enemy;
  if (left > 0 && std::all_of((enemy ? s.EnemyPlayed : s.PlayerPlayed).begin(),
                              (enemy ? s.EnemyPlayed : s.PlayerPlayed).end(),
                              [](bool played) { return played; })) {
    // The side named to move has nothing left (no duel gets here): the other one moves.
    s.Turn = enemy ? TurnState::Player : TurnState::Enemy;
  }
  result.turn = s.Turn;
  if (left == 0) {
    const FaceUpCount up = CountFaceUp(s);
    result.margin = up.player - up.enemy;
    result.finished = true;
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
  }
  const bool stopped = limits.stop && limits.stop->load(std::memory_order_relaxed);
  if (stopped || (limits.deadline && start >= *limits.deadline)) return result;

  auto searcher = std::make_unique<search::Searcher>(s, left, limits);
  const Node root = searcher->NodeOf(s);
  const int value = searcher->Value(root, left);
  const std::vector<Placement> moves = MovesOf(root);
  if (limits.allBest) {
    const HandSides& sides = root.enemy ? s.EnemySides : s.PlayerSides;
    for (const Placement& m : moves) {
      if (searcher->Aborted()) break;
      // The same kind of card on the same square was proved already.
      const bool same = std::any_of(result.best.begin(), result.best.end(), [&](auto& b) {
        return b.column == m.column && b.row == m.row && sides[b.slot] == sides[m.slot];
      });
      if (same || searcher->Keeps(root, m.slot, SquareOf(m), value, left)) {
        result.best.push_back(m);
      }
    }
  } else {
    std::vector<Placement> tries = limits.preferred;
    if (auto m = searcher->TableMove(root)) {
      tries.push_back({root.enemy, (*m)[0], kSquares[(*m)[1]].c, kSquares[(*m)[1]].r});
    }
    tries.insert(tries.end(), moves.begin(), moves.end());
    for (const Placement& m : tries) {
      if (searcher->Aborted()) break;
      if (std::find(moves.begin(), moves.end(), m) == moves.end()) continue;
      if (searcher->Keeps(root, m.slot, SquareOf(m), value, left)) {
        result.best.push_back(m);
        break;
      }
    }
  }
  if (limits.principalLine && !searcher->Aborted() && !result.best.empty()) {
    // Each side in turn plays a move that keeps the value, the table's choice first.
    Node at = root;
    int v = value;
    std::optional<Placement> next = result.best.front();
    for (int l = left; next && !searcher->Aborted(); --l) {
      result.line.push_back(*next);
      at = searcher->Play(at, next->slot, SquareOf(*next));
      v = -v;
      next.reset();
      if (l == 1) break;
      if (at.played[at.enemy] == search::kAllPlayed) {
        at.enemy = !at.enemy;
        v = -v;
      }
      std::vector<Placement> candidates = MovesOf(at);
      if (auto m = searcher->TableMove(at)) {
        candidates.insert(candidates.begin(),
                          {at.enemy, (*m)[0], kSquares[(*m)[1]].c, kSquares[(*m)[1]].r});
      }
      for (const Placement& m : candidates) {
        if (searcher->Aborted()) break;
        if (searcher->Keeps(at, m.slot, SquareOf(m), v, l - 1)) {
          next = m;
          break;
        }
      }
    }
  }
  result.finished = !searcher->Aborted();
  result.margin = root.enemy ? -value : value;
  result.nodes = searcher->Nodes();
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!result.finished) {
    result.best.clear();
    result.line.clear();
  }
  return result;
}

}  // namespace korvane
