#include "engine/duel_model.h"

#include "engine/card_table.h"

namespace korvane {
namespace {

MoveReport Refused(Refusal why, const Placement& m) {
  MoveReport report;
  report.refusal = why;
  report.move = m;
  return report;
}

// The placing side's half of a placement: the selected slot's card on (c, r), flipped at once or
// with its bombs going off.
MoveReport PlaceSelected(DuelState& s, bool enemy, int c, int r) {
  MoveReport report;
  report.move = {enemy, s.SelectedSlot, c, r};
  report.flips = enemy ? PlaceEnemyCard(s, c, r) : PlacePlayerCard(s, c, r);
  // A placement never turns its own card but when the square lay in the opposing field; then
  // that is its only flip (the bombs do not go off).
  for (const Flip& f : report.flips) report.flippedAtOnce |= f.column == c && f.row == r;
  return report;
}

}  // namespace

Refusal CheckPlacement(const DuelState& s, bool enemy, int slot, int c, int r) {
  if (s.Turn != (enemy ? TurnState::Enemy : TurnState::Player)) return Refusal::NotItsTurn;
  const auto& hand = enemy ? s.EnemyHand : s.PlayerHand;
  const auto& played = enemy ? s.EnemyPlayed : s.PlayerPlayed;
  if (!IsValidSlot(slot) || !IsValidCardId(hand[slot]) || played[slot]) return Refusal::NoCard;
  if (!IsPlayable(c, r)) return Refusal::OffBoard;
  if (s.BoardCard[c][r] != kEmptySquare) return Refusal::Taken;
  return Refusal::None;
}

MoveReport PlayPlacement(DuelState& s, const Placement& m) {
  s.SelectedSlot = static_cast<int16_t>(m.slot);
  MoveReport report = PlaceSelected(s, m.enemy, m.column, m.row);
  report.flips.Append(ComputeFields(s));
  return report;
}

void DuelModel::Deal(const Hand& player, const Hand& enemy, const CardTable& cards) {
  State.PlayerHand = player;
  State.EnemyHand = enemy;
  ResetBoard(State);
  LoadHandSides(State, cards);
  ComputeFields(State);
  DecideFirstTurn(State);
  moves_.clear();
  firstTurn_ = State.Turn;
}

void DuelModel::Clear() {
  ResetBoard(State);
  moves_.clear();
  firstTurn_ = TurnState::Nobody;
}

Refusal DuelModel::Check(int slot, int c, int r) const {
  return CheckPlacement(State, State.Turn == TurnState::Enemy, slot, c, r);
}

MoveReport DuelModel::PlaceOn(int slot, int c, int r) {
  const bool enemy = State.Turn == TurnState::Enemy;
  const Placement m{enemy, slot, c, r};
  if (const Refusal why = Check(slot, c, r); why != Refusal::None) return Refused(why, m);
  moves_.push_back(m);
  return PlayPlacement(State, m);
}

MoveReport DuelModel::Place(bool enemy, int c, int r) {
  MoveReport report = PlaceSelected(State, enemy, c, r);
  if (IsValidSlot(report.move.slot)) moves_.push_back(report.move);
  return report;
}

Flips DuelModel::Recompute() { return ComputeFields(State); }

}  // namespace korvane
