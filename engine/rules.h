// The duel's rules: field projection, placing a card with its bombs, who moves first, and the
// end of a duel. All operations work on a DuelState and nothing else; those that turn cards face
// down say which, so that the window can show each flip (engine/duel_model.h drives them by
// square and tells the whole of a placement).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/card_table.h"
#include "engine/duel_state.h"

namespace korvane {

// Board at the start of a duel: 0 on the 13 playable squares, 41 elsewhere, both maps zero but
// the home squares, all hand slots unplayed, turn "Nobody's Turn", no selection.
// The hands themselves are left alone.
void ResetBoard(DuelState& s);

// Copies the side codes of both hands' cards from the card table into the state.
// Empty slots (-1) get "0000".
void LoadHandSides(DuelState& s, const CardTable& cards);

// ReadCardSide: owner 1 the player's hand, anything else the enemy's; side 1..4.
char ReadCardSide(const DuelState& s, int owner, int slot, int side);

// One card turned face down: its square, the code it had (1..5 the player's slot + 1, -1..-5 the
// enemy's) and the clock its flip is shown from: 3.1 for a card flipped by a placement (at once,
// or by a bomb), 3.14 for one flipped by a field.
struct Flip {
  int8_t column = 0;
  int8_t row = 0;
  int16_t before = 0;
  double clock = 0;
};
constexpr double kPlacementFlipClock = 3.1;
constexpr double kFieldFlipClock = 3.14;

// The flips of one operation, in the order the rules visit the squares (row by row from row 1).
// At most the ten cards of a duel turn; nothing is allocated.
class Flips {
 public:
  void Add(const Flip& f) {
    if (count_ < static_cast<int>(list_.size())) list_[count_++] = f;
  }
  void Append(const Flips& other) {
    for (const Flip& f : other) Add(f);
  }
  const Flip* begin() const { return list_.data(); }
  const Flip* end() const { return list_.data() + count_; }
  int size() const { return count_; }
  bool empty() const { return count_ == 0; }

 private:
  std::array<Flip, 2 * kHandSize> list_{};
  int count_ = 0;
};

// Rebuilds both field maps, flips every unflipped card lying in the opposing field and rebuilds
// the maps again.
Flips ComputeFields(DuelState& s);

// Places the selected slot's card. A square off the board places nothing but still marks the
// slot played and passes the turn, as the game always has.
Flips PlacePlayerCard(DuelState& s, int c, int r);
Flips PlaceEnemyCard(DuelState& s, int c, int r);

// The side with more "0" sides moves first; a tie goes to the player.
void DecideFirstTurn(DuelState& s);

enum class DuelResult { PlayerWon, EnemyWon, Draw };
struct DuelOutcome {
  DuelResult result;
  int PlayerScore;
  int EnemyScore;
};

// The face-up cards of each side on the board (codes 1..39 and -39..-1), as the end test counts
// them.
struct FaceUpCount {
  int player;
  int enemy;
};
FaceUpCount CountFaceUp(const DuelState& s);

// The end test. Nothing (and no change) while it is nobody's turn or a hand card is still
// unplayed; otherwise sets "Nobody's Turn" and gives the outcome. The duel window makes it only
// once every flip has been shown.
std::optional<DuelOutcome> EndTest(DuelState& s);

// Debug check of every invariant of the board codes, hands and maps.
bool BoardIsConsistent(const DuelState& s);

}  // namespace korvane
