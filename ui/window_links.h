// How the windows reach each other. A window never includes another window's code: the program
// that assembles the game (app/) gives each window these small openers.
#pragma once

#include <functional>

class QWidget;

namespace korvane {

struct DuelRecord;
struct GameState;

// Opens the album over `over` at `zoom`, showing `shown`, and returns its window (set by the
// game, which holds the album; the duel and the adventure only ask for it).
using AlbumOpener = std::function<QWidget*(QWidget* over, const GameState& shown, double zoom)>;

// Opens the review board of a recorded duel over `over` at `zoom` and returns its window.
using ReviewOpener = std::function<QWidget*(QWidget* over, const DuelRecord& duel, double zoom)>;

}  // namespace korvane
