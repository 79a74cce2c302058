// The duel's rules: field projection, placing a card with its bombs, who moves first, and the
// end of a duel. All operations work on a DuelState and nothing else.
#pragma once

#include <optional>

#include "engine/card_table.h"
#include "engine/duel_state.h"

namespace korvane {

// Board at the start of a duel: 0 on the 13 playable squares, 41 elsewhere, both maps zero but
// the home squares, no flips, all hand slots unplayed, turn "Nobody's Turn", no selection.
// The hands themselves are left alone.
void ResetBoard(DuelState& s);

// Copies the side codes of both hands' cards from the card table into the state.
// Empty slots (-1) get "0000".
void LoadHandSides(DuelState& s, const CardTable& cards);

// ReadCardSide: owner 1 the player's hand, anything else the enemy's; side 1..4.
char ReadCardSide(const DuelState& s, int owner, int slot, int side);

// Rebuilds both field maps, flips every unflipped card lying in the opposing field (flip clock
// 3.14) and rebuilds the maps again.
void ComputeFields(DuelState& s);

// Places the selected slot's card. A square off the board places nothing but still marks the
// slot played and passes the turn, as the game always has.
void PlacePlayerCard(DuelState& s, int c, int r);
void PlaceEnemyCard(DuelState& s, int c, int r);

// The side with more "0" sides moves first; a tie goes to the player.
void DecideFirstTurn(DuelState& s);

bool IsFlipRunning(const DuelState& s);

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

// The end test. Nothing (and no change) while a flip runs, nobody's turn, or a hand card is
// still unplayed; otherwise sets "Nobody's Turn" and gives the outcome.
std::optional<DuelOutcome> EndTest(DuelState& s);

// Debug check of every invariant of the board codes, hands and maps.
bool BoardIsConsistent(const DuelState& s);

}  // namespace korvane
