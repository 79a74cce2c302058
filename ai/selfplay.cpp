#include "ai/selfplay.h"

#include <algorithm>

#include "ai/practice.h"
#include "cast/cast.h"

namespace korvane {
namespace {

int16_t MirrorCode(int16_t code) {
  return code == kBlockedSquare ? code : static_cast<int16_t>(-code);
}

EnemyMove RandomMove(const DuelState& s, RandomSource& rng) {
  std::array<int, kHandSize> slots;
  int slotCount = 0;
  for (int k = 0; k < kHandSize; ++k) {
    if (!s.PlayerPlayed[k]) slots[slotCount++] = k;
  }
  std::array<std::pair<int, int>, 13> squares;
  int squareCount = 0;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (s.BoardCard[c][r] == kEmptySquare) squares[squareCount++] = {c, r};
    }
  }
  if (slotCount == 0 || squareCount == 0) return {};
  const int slot = slots[std::min(slotCount - 1, static_cast<int>(rng.Next() * slotCount))];
  const auto sq = squares[std::min(squareCount - 1, static_cast<int>(rng.Next() * squareCount))];
  return {slot, sq.first, sq.second};
}

// Every move is redrawn at once: the fields are recomputed and the flips count as shown.
void Redraw(DuelState& s) { ComputeFields(s); }

}  // namespace

DuelState MirrorSides(const DuelState& s) {
  DuelState m = s;
  m.PlayerHand = s.EnemyHand;
  m.EnemyHand = s.PlayerHand;
  m.PlayerPlayed = s.EnemyPlayed;
  m.EnemyPlayed = s.PlayerPlayed;
  m.PlayerSides = s.EnemySides;
  m.EnemySides = s.PlayerSides;
  for (int c = 0; c <= kBoardSize; ++c) {
    for (int r = 0; r <= kBoardSize; ++r) {
      const int mc = c == 0 ? 0 : kBoardSize + 1 - c, mr = r == 0 ? 0 : kBoardSize + 1 - r;
      m.BoardCard[mc][mr] = MirrorCode(s.BoardCard[c][r]);
      m.PlayerFieldMap[mc][mr] = s.EnemyFieldMap[c][r];
      m.EnemyFieldMap[mc][mr] = s.PlayerFieldMap[c][r];
    }
  }
  if (s.Turn == TurnState::Player) m.Turn = TurnState::Enemy;
  if (s.Turn == TurnState::Enemy) m.Turn = TurnState::Player;
  return m;
}

DuelOutcome PlaySelfPlayDuel(const CardTable& cards, const SelfPlaySide& enemy,
                             const SelfPlaySide& player, RandomSource& rng, SelfPlayLog* log) {
  // Weights and hands.
  AiWeights enemyWeights, playerWeights;
  SetWeightsFor(enemy.name, &enemyWeights);
  DuelState s;
  Collection enemyStock = StartingCollection(CastIndex(enemy.name));
  ChooseEnemyHand(s.EnemyHand, enemyStock, enemy.name, rng);
  if (player.isAi) {
    SetWeightsFor(player.name, &playerWeights);
    Collection playerStock = StartingCollection(CastIndex(player.name));
    ChooseEnemyHand(s.PlayerHand, playerStock, player.name, rng);
  } else {
    for (auto& id : s.PlayerHand) {
      id =
          static_cast<int16_t>(std::min(kCardKinds - 1, static_cast<int>(rng.Next() * kCardKinds)));
    }
  }
  // The duel's set-up.
  ResetBoard(s);
  LoadHandSides(s, cards);
  Redraw(s);
  DecideFirstTurn(s);
  if (log) *log = {s.PlayerHand, s.EnemyHand, s.Turn == TurnState::Player, {}};
  // Ten placements in turn; the end test closes the duel.
  for (int move = 0; move <= 2 * kHandSize; ++move) {
    if (auto outcome = EndTest(s)) return *outcome;
    if (s.Turn == TurnState::Enemy) {
      const EnemyMove m = enemy.mistakes ? ChooseGentleMove(s, enemyWeights, rng, *enemy.mistakes)
                                         : ChooseEnemyMove(s, enemyWeights, rng);
      s.SelectedSlot = static_cast<int16_t>(m.slot);
      PlaceEnemyCard(s, m.column, m.row);
      if (log) log->moves.push_back({true, m.slot, m.column, m.row});
    } else {
      EnemyMove m;
      if (player.isAi) {
        m = ChooseEnemyMove(MirrorSides(s), playerWeights, rng);
        if (m.column != 0) {
          m.column = kBoardSize + 1 - m.column;
          m.row = kBoardSize + 1 - m.row;
        }
      } else {
        m = RandomMove(s, rng);
      }
      s.SelectedSlot = static_cast<int16_t>(m.slot);
      PlacePlayerCard(s, m.column, m.row);
      if (log) log->moves.push_back({false, m.slot, m.column, m.row});
    }
    Redraw(s);
  }
  return EndTest(s).value_or(DuelOutcome{DuelResult::Draw, 0, 0});
}

SelfPlayTally RunSelfPlay(const CardTable& cards, const SelfPlaySide& enemy,
                          const SelfPlaySide& player, int games, uint64_t seed,
                          const SelfPlayWatcher& onDuel) {
  SelfPlayTally tally;
  tally.signature = 14695981039346656037ull;
  SeededRandom rng(seed);
  SelfPlayLog log;
  for (int g = 0; g < games; ++g) {
    const DuelOutcome out = PlaySelfPlayDuel(cards, enemy, player, rng, onDuel ? &log : nullptr);
    if (onDuel) onDuel(log, out);
    if (out.result == DuelResult::EnemyWon) ++tally.wins;
    if (out.result == DuelResult::PlayerWon) ++tally.losses;
    if (out.result == DuelResult::Draw) ++tally.draws;
    for (int v : {static_cast<int>(out.result), out.PlayerScore, out.EnemyScore}) {
      tally.signature = (tally.signature ^ static_cast<uint64_t>(v + 1)) * 1099511628211ull;
    }
  }
  return tally;
}

}  // namespace korvane
