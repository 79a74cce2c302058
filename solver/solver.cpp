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

namespace search {
namespace {

Placement PlacementOf(const Node& n, std::array<int, 2> move) {
  return {n.enemy, move[0], kSquares[move[1]].c, kSquares[move[1]].r};
}

// Every move that keeps `value`, in visiting order, each proved on its own; a card of the same
// kind as one already proved on the same square keeps it as well.
std::vector<Placement> AllBestMoves(Searcher& searcher, const Node& root, const HandSides& sides,
                                    int value, int left) {
  std::vector<Placement> best;
  for (const Placement& m : MovesOf(root)) {
    if (searcher.Aborted()) break;
    const bool same = std::any_of(best.begin(), best.end(), [&](const Placement& b) {
      return b.column == m.column && b.row == m.row && sides[b.slot] == sides[m.slot];
    });
    if (same || searcher.Keeps(root, m.slot, SquareOf(m), value, left)) best.push_back(m);
  }
  return best;
}

// One move that keeps `value`: the first of `preferred` that does, else the table's choice,
// else the first in visiting order.
std::vector<Placement> OneBestMove(Searcher& searcher, const Node& root,
                                   const std::vector<Placement>& preferred, int value, int left) {
  const std::vector<Placement> moves = MovesOf(root);
  std::vector<Placement> tries = preferred;
  if (auto m = searcher.TableMove(root)) tries.push_back(PlacementOf(root, *m));
  tries.insert(tries.end(), moves.begin(), moves.end());
  for (const Placement& m : tries) {
    if (searcher.Aborted()) break;
    if (std::find(moves.begin(), moves.end(), m) == moves.end()) continue;
    if (searcher.Keeps(root, m.slot, SquareOf(m), value, left)) return {m};
  }
  return {};
}

// One perfect line from `first` to the last card: each side in turn plays a move that keeps the
// value, the table's choice first.
std::vector<Placement> PrincipalLine(Searcher& searcher, const Node& root, Placement first,
                                     int value, int left) {
  std::vector<Placement> line;
  Node at = root;
  int v = value;
  std::optional<Placement> next = first;
  for (int l = left; next && !searcher.Aborted(); --l) {
    line.push_back(*next);
    at = searcher.Play(at, next->slot, SquareOf(*next));
    v = -v;
    next.reset();
    if (l == 1) break;
    if (at.played[at.enemy] == kAllPlayed) {
      at.enemy = !at.enemy;
      v = -v;
    }
    std::vector<Placement> candidates = MovesOf(at);
    if (auto m = searcher.TableMove(at)) candidates.insert(candidates.begin(), PlacementOf(at, *m));
    for (const Placement& m : candidates) {
      if (searcher.Aborted()) break;
      if (searcher.Keeps(at, m.slot, SquareOf(m), v, l - 1)) {
        next = m;
        break;
      }
    }
  }
  return line;
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

Position Prepare(const DuelState& input) {
  Position p{input, 0};
  DuelState& s = p.state;
  ComputeFields(s);
  for (int slot = 0; slot < kHandSize; ++slot) {
    p.left += !s.PlayerPlayed[slot] + !s.EnemyPlayed[slot];
  }
  if (p.left > 0 && s.Turn == TurnState::Nobody) {
    throw std::invalid_argument("nobody's turn with cards still in hand");
  }
  const bool enemy = s.Turn == TurnState::Enemy;
  const auto& played = enemy ? s.EnemyPlayed : s.PlayerPlayed;
  if (p.left > 0 && std::all_of(played.begin(), played.end(), [](bool b) { return b; })) {
    // The side named to move has nothing left (no duel gets here): the other one moves.
    s.Turn = enemy ? TurnState::Player : TurnState::Enemy;
  }
  return p;
}

std::optional<SolveResult> WithoutSearch(const Position& p, const SolveLimits& limits,
                                         Clock::time_point start) {
  SolveResult result;
  result.turn = p.state.Turn;
  if (p.left == 0) {
    const FaceUpCount up = CountFaceUp(p.state);
    result.margin = up.player - up.enemy;
    result.finished = true;
    result.seconds = SecondsSince(start);
    return result;
  }
  const bool stopped = limits.stop && limits.stop->load(std::memory_order_relaxed);
  if (stopped || (limits.deadline && start >= *limits.deadline)) return result;
  return std::nullopt;
}

SolveResult SolveOn(Searcher& searcher, const Position& p, const SolveLimits& limits,
                    Clock::time_point start) {
  SolveResult result;
  result.turn = p.state.Turn;
  const uint64_t nodesBefore = searcher.Nodes();
  const Node root = searcher.NodeOf(p.state);
  const int value = searcher.Value(root, p.left);
  if (limits.allBest) {
    const HandSides& sides = root.enemy ? p.state.EnemySides : p.state.PlayerSides;
    result.best = AllBestMoves(searcher, root, sides, value, p.left);
  } else {
    result.best = OneBestMove(searcher, root, limits.preferred, value, p.left);
  }
  if (limits.principalLine && !searcher.Aborted() && !result.best.empty()) {
    result.line = PrincipalLine(searcher, root, result.best.front(), value, p.left);
  }
  result.finished = !searcher.Aborted();
  result.margin = root.enemy ? -value : value;
  result.nodes = searcher.Nodes() - nodesBefore;
  result.seconds = SecondsSince(start);
  if (!result.finished) {
    result.best.clear();
    result.line.clear();
  }
  return result;
}

}  // namespace search

SolveResult Solve(const DuelState& input, const SolveLimits& limits) {
  const Clock::time_point start = Clock::now();
  const search::Position p = search::Prepare(input);
  if (auto answer = search::WithoutSearch(p, limits, start)) return *answer;
  const auto searcher = std::make_unique<search::Searcher>(p.state, p.left, limits);
  return search::SolveOn(*searcher, p, limits, start);
}

}  // namespace korvane
