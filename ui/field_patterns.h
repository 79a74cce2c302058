// Fields drawn with patterns as well as colour, for players who cannot tell the blue, red and
// purple of the fields apart: hatching for the player's field, dots for the opponent's, both where
// they meet. Off unless the preference `patterns` is on; the fields' colours stay as they are.
#pragma once

#include <QRect>

class QPainter;

namespace korvane {

class PaintLog;

// Whether the fields get their patterns (set once at start from the preferences).
void SetFieldPatterns(bool on);
bool FieldPatterns();

// One side's pattern over the 1x square `square` on `p`, whose coordinates are the board's 1x
// pixels (the painter may be scaled for a zoomed view): light hatching rising to the right for the
// player's field, dark dots for the opponent's.
void PaintFieldPattern(QPainter& p, const QRect& square, bool playerField);

// The patterns of every field tile of a board's paint log, over the finished picture: both
// sides' tiles lie under both patterns where the fields meet, and a square painted over after its
// tile (a card, the board put back) gets none.
void PaintFieldPatterns(QPainter& p, const PaintLog& log);

}  // namespace korvane
