// The player's own puzzles: positions of the duels the player played in which the opponent's
// last placement left the player exactly one good placement (see solver/puzzle.h for what a
// puzzle is). Each is keyed by the position alone, so the same position reached twice is one
// puzzle, and the key never changes when the record around it does.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "engine/card_table.h"
#include "solver/puzzle.h"
#include "solver/review.h"

namespace korvane {

// The cards still to place at most, by default: later positions solve in a few milliseconds.
constexpr int kMinedMostLeft = 7;

struct MinedPuzzle {
  Puzzle puzzle;   // id: OwnPuzzleKey; level graded; moves from the deal to the position
  int placed = 0;  // placements made before the position (the duel's placement number)
};

// Every position right after one of the opponent's placements, with the player to move and at
// most `mostLeft` cards left, that is a puzzle (win and draw puzzles alike), in the order
// played. A duel whose placements cannot be made stops where they fail. `stop` is polled
// between positions: once it is set, what was found so far comes back.
std::vector<MinedPuzzle> MinePlayedDuel(const PlayedDuel& duel, const CardTable& cards,
                                        int mostLeft = kMinedMostLeft,
                                        const std::atomic<bool>* stop = nullptr);

// A key for the puzzle's position made from its hands and the placements leading to it:
// "own-" and sixteen hex digits. Puzzles of the shipped set are named otherwise.
std::string OwnPuzzleKey(const Puzzle& puzzle);

}  // namespace korvane
