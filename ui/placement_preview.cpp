#include "ui/placement_preview.h"

#include "engine/rules.h"

namespace korvane {

bool PlacementPreview::Turns(int c, int r) const {
  for (const Flip& f : flips) {
    if (f.column == c && f.row == r) return true;
  }
  return false;
}

bool PlacementPreview::TurnsOwn(int c, int r) const {
  for (const Flip& f : flips) {
    if (f.column == c && f.row == r) return move.enemy ? f.before < 0 : f.before > 0;
  }
  return false;
}

std::optional<PlacementPreview> PreviewPlacement(const DuelState& s, const Placement& m) {
  if (!IsLegalPlacement(s, m)) return std::nullopt;
  PlacementPreview preview;
  preview.move = m;
  DuelState after = s;
  const MoveReport report = PlayPlacement(after, m);
  preview.atOnce = report.flippedAtOnce;
  preview.flips = report.flips;
  // The card's own fields: the same board with its sides blank gives the fields of every other
  // card, and what the card adds is the difference. Blank sides only take fields away, so that
  // recomputation turns nothing more.
  DuelState without = after;
  auto& sides = m.enemy ? without.EnemySides[m.slot] : without.PlayerSides[m.slot];
  sides.fill('0');
  ComputeFields(without);
  const SquareMap& with = m.enemy ? after.EnemyFieldMap : after.PlayerFieldMap;
  const SquareMap& others = m.enemy ? without.EnemyFieldMap : without.PlayerFieldMap;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) preview.covers[c][r] = with[c][r] > others[c][r];
  }
  return preview;
}

}  // namespace korvane
