#include "solver/puzzle_mine.h"

#include <cstdint>
#include <cstdio>

#include "engine/rules.h"

namespace korvane {
namespace {

int CardsLeftOf(const DuelState& s) {
  int left = 0;
  for (int k = 0; k < kHandSize; ++k) left += !s.PlayerPlayed[k] + !s.EnemyPlayed[k];
  return left;
}

}  // namespace

std::vector<MinedPuzzle> MinePlayedDuel(const PlayedDuel& duel, const CardTable& cards,
                                        int mostLeft, const std::atomic<bool>* stop) {
  std::vector<MinedPuzzle> found;
  DuelState s = DealOf(duel, cards);
  for (size_t i = 0; i < duel.moves.size(); ++i) {
    if (stop && stop->load()) break;
    const Placement& m = duel.moves[i];
    if (!IsLegalPlacement(s, m)) break;
    PlayPlacement(s, m);
    if (!m.enemy || s.Turn != TurnState::Player || CardsLeftOf(s) > mostLeft) continue;
    const PuzzleAnalysis a = AnalysePuzzle(s);
    if (!a.qualifies) continue;
    MinedPuzzle mined;
    mined.placed = static_cast<int>(i) + 1;
    Puzzle& p = mined.puzzle;
    p.level = GradePuzzle(a);
    p.player = duel.player;
    p.enemy = duel.enemy;
    p.moves.assign(duel.moves.begin(), duel.moves.begin() + mined.placed);
    p.solution = a.solution;
    p.id = OwnPuzzleKey(p);
    found.push_back(std::move(mined));
  }
  return found;
}

std::string OwnPuzzleKey(const Puzzle& puzzle) {
  // FNV-1a over the hands and the placements: the same position always gets the same key.
  uint64_t hash = 14695981039346656037ull;
  const auto mix = [&hash](int value) {
    for (int byte = 0; byte < 4; ++byte) {
      hash ^= static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * byte));
      hash *= 1099511628211ull;
    }
  };
  for (int card : puzzle.player) mix(card);
  for (int card : puzzle.enemy) mix(card);
  for (const Placement& m : puzzle.moves) {
    mix(m.enemy ? -1 - m.slot : m.slot);
    mix(m.column * 8 + m.row);
  }
  char key[24];
  std::snprintf(key, sizeof key, "own-%016llx", static_cast<unsigned long long>(hash));
  return key;
}

}  // namespace korvane
