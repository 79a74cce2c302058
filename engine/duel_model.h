// The duel driven by square. Everything that places a card — the board click, the keys, the
// tutorial's script, the opponent, the solver, the tools — goes through here, and each placement
// says what happened: which card went where, whether it went down face down at once, and every
// card it turned (the placement's own flips first, then the fields'). The order of the rules is
// the duel's own: the placing side's placement (with its bombs), then the field recomputation that
// the redraw after every placement runs. Nothing here paints or waits; the window shows the flips
// and holds the end test back until they have been shown.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/duel_state.h"
#include "engine/placement.h"
#include "engine/rules.h"

namespace korvane {

class CardTable;

// Why a placement cannot be made.
enum class Refusal : uint8_t {
  None,
  NotItsTurn,  // it is the other side's turn, or nobody's
  NoCard,      // the slot is empty, out of range or already played
  OffBoard,    // not one of the 13 squares of the diamond
  Taken,       // the square holds a card
};

// What one placement did.
struct MoveReport {
  Refusal refusal = Refusal::None;  // anything but None: nothing changed
  Placement move;
  bool flippedAtOnce = false;  // the square lay in the opposing field: the card went down face down
  Flips flips;                 // the placement's own flips (clock 3.1), then the fields' (3.14)
  bool Placed() const { return refusal == Refusal::None; }
  // Whether the card on `move`'s square ended face up.
  bool FaceUp() const { return Placed() && !flippedAtOnce; }
};

// Whether `enemy`'s side may put `slot` on (c, r) now.
Refusal CheckPlacement(const DuelState& s, bool enemy, int slot, int c, int r);

// Whether the placement can be made now: by the side whose turn it is, from a slot holding a card
// it has not played, on an empty playable square.
inline bool IsLegalPlacement(const DuelState& s, const Placement& m) {
  return CheckPlacement(s, m.enemy, m.slot, m.column, m.row) == Refusal::None;
}

// A placement as the duel makes it, on any state: the slot selected, that side's placement, the
// fields recomputed. The caller gives a legal move (see CheckPlacement); the flips count as shown.
MoveReport PlayPlacement(DuelState& s, const Placement& m);

class DuelModel {
 public:
  using Hand = std::array<int16_t, kHandSize>;

  // The rules state: read by the painter, the opponent and the solver; tests set it directly.
  DuelState State;

  // A new duel with these hands: the board of a new duel, the hands' side codes, the fields (the
  // two home squares) and the first turn. The moves so far are forgotten.
  void Deal(const Hand& player, const Hand& enemy, const CardTable& cards);
  // The board of a duel that has not started (before a deal, after the reset).
  void Clear();

  // Whether the side to move may put `slot` on (c, r).
  Refusal Check(int slot, int c, int r) const;
  // The side to move puts `slot` on (c, r), and the fields are recomputed: one whole placement.
  // A refused move changes nothing.
  MoveReport PlaceOn(int slot, int c, int r);

  // The two halves of a placement, for the window, which paints between them. Place puts the
  // selected slot's card of `enemy`'s side on (c, r) as PlacePlayerCard / PlaceEnemyCard do (no
  // check: the window has made it); Recompute is the field recomputation of every redraw.
  MoveReport Place(bool enemy, int c, int r);
  Flips Recompute();

  // The end test (the window makes it once every flip has been shown).
  std::optional<DuelOutcome> EndTest() { return korvane::EndTest(State); }
  FaceUpCount Count() const { return CountFaceUp(State); }
  // Every placement since the deal, in the order they were made.
  const std::vector<Placement>& Moves() const { return moves_; }
  // Who moved first in this duel (the turn DecideFirstTurn gave).
  TurnState FirstTurn() const { return firstTurn_; }

 private:
  std::vector<Placement> moves_;
  TurnState firstTurn_ = TurnState::Nobody;
};

}  // namespace korvane
