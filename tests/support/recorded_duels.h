// Duel records made for tests: any hands and placements played through the rules into a record
// as the game writes it, and one duel of the record whose review holds a mistake and a blunder
// of the player's (found in seeded self-play of a random player against 風見 誠's evaluation).
#pragma once

#include <QDateTime>
#include <initializer_list>
#include <string_view>

#include "engine/duel_model.h"
#include "engine/placement.h"
#include "engine/rules.h"
#include "state/duel_record.h"

namespace korvane::test {

// The record of a duel of `player` against `enemy` with these placements: who began as the
// hands give it, the counts and the result as the placements end.
inline DuelRecord RecordOf(const std::array<int, kHandSize>& player,
                           const std::array<int, kHandSize>& enemy,
                           const std::vector<Placement>& moves, const CardTable& cards,
                           int opponent = 3) {
  DuelRecord r;
  r.PlayerHand = player;
  r.EnemyHand = enemy;
  r.Moves = moves;
  r.Opponent = opponent;
  r.When = QDateTime(QDate(2026, 12, 9), QTime(10, 15), Qt::UTC);
  DuelModel model;
  DuelModel::Hand p{}, e{};
  for (int k = 0; k < kHandSize; ++k) {
    p[k] = static_cast<int16_t>(player[k]);
    e[k] = static_cast<int16_t>(enemy[k]);
  }
  model.Deal(p, e, cards);
  r.PlayerFirst = model.State.Turn == TurnState::Player;
  for (const Placement& m : moves) PlayPlacement(model.State, m);
  const FaceUpCount count = CountFaceUp(model.State);
  r.PlayerScore = count.player;
  r.EnemyScore = count.enemy;
  r.Result = count.player > count.enemy   ? DuelResult::PlayerWon
             : count.player < count.enemy ? DuelResult::EnemyWon
                                          : DuelResult::Draw;
  return r;
}

inline std::vector<Placement> Placements(std::initializer_list<std::string_view> texts) {
  std::vector<Placement> moves;
  for (std::string_view t : texts) moves.push_back(*ParsePlacement(t));
  return moves;
}

// 風見 誠 begins; the player's fourth placement of the duel (the duel's 4th, p1@3,2) turns a won
// position into a draw, and the player's eighth (p4@2,3) a won one into a loss; (3,4) with the
// same card would have kept the win both times. It ends 2 to 3.
inline DuelRecord BlunderDuel(const CardTable& cards) {
  return RecordOf({11, 31, 39, 19, 15}, {13, 14, 16, 10, 0},
                  Placements({"e2@3,5", "p2@3,3", "e3@3,1", "p1@3,2", "e0@1,3", "p3@2,4", "e1@4,4",
                              "p4@2,3", "e4@2,2", "p0@4,3"}),
                  cards);
}

}  // namespace korvane::test
