// The marks the views draw over the board in a palette of strong lightness contrast, for players
// who do not make them out on the art: the key cursors, the selected card, the hint, the
// opponent's last card, the review's and the puzzles' marks, the placement preview and the
// borders of the views' panels and tags. Off unless the preference `highContrast` is on. Only
// what the views add changes; the described pictures (the board, the cards, the fields, the
// selected card's yellow corners) stay as they are.
//
// A frame in it is a white band between two black ones. Black and white differ by 21 : 1, more
// than 4.5 × 4.5, so whatever colour lies under a frame, one of its bands stands out from it by
// at least 4.5 : 1, the contrast asked of text (WCAG 2).
#pragma once

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

class QFont;
class QPainter;

namespace korvane {

// Whether the views use the high-contrast palette (set once at start from the preferences).
void SetHighContrast(bool on);
bool HighContrast();

// Relative luminance of a colour and the contrast ratio of two, as WCAG 2 defines them.
double Luminance(const QColor& c);
double ContrastRatio(const QColor& a, const QColor& b);

// The bands of a high-contrast frame, in 1x pixels: black, then white, then black.
constexpr double kContrastEdge = 2;
constexpr double kContrastCore = 2;
constexpr double kContrastWidth = 2 * kContrastEdge + kContrastCore;

// A frame along `r` drawn with `described` (its colour, width and dashes), or with high contrast
// the black and white bands over the same line, solid; the same for open lines.
void PaintFrame(QPainter& p, const QRectF& r, const QPen& described);
void PaintFrame(QPainter& p, const std::vector<QLineF>& lines, const QPen& described);
// The keyboard's square: a dashed white frame on a black one, or the high-contrast frame.
void PaintCursorFrame(QPainter& p, const QRectF& r);
// The strokes of a mark (a cross): a black edge of `edge` around each line in `described`; with
// high contrast a white band between the edge and a core of the described colour, so that
// whose card the mark means still shows.
void PaintStrokes(QPainter& p, const std::vector<QLineF>& lines, const QPen& described,
                  double edge);
// A tag with `text` over `r`: white letters on `fill`; with high contrast letters of the fill's
// colour, lightened until they read clearly, on black inside a white border.
void PaintTag(QPainter& p, const QRectF& r, const QColor& fill, const QString& text,
              const QFont& font);
// The dark rounded panel under the views' texts, with a faint light border; with high contrast
// black with a white border.
void PaintPanel(QPainter& p, const QRectF& r, int alpha);

}  // namespace korvane
