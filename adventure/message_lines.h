// The English edition's message lines: a text broken at spaces so that no line is wider than the
// message box, measured in the handwriting face at 1x. The Japanese edition keeps its fixed lines
// of 22 characters and never comes here.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <vector>

namespace korvane {

// One line of a text: the characters [start, end). The spaces where a line was broken belong to
// no line.
struct TextSpan {
  int start = 0;
  int end = 0;
  bool operator==(const TextSpan&) const = default;
};

// Breaks `text` at spaces (and at line feeds) into lines no wider than `width` pixels; a word
// wider than a whole line is broken between its characters, so that a name typed without spaces
// still shows in full.
std::vector<TextSpan> WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width);

// The face the messages are drawn in (DrawPictureText), measured as the 1x picture draws it.
QFontMetricsF MessageMetrics();

// The width the English lines may take in a box `boxWidth` pixels wide: a little room is left at
// the right for the slant of the handwriting.
inline qreal MessageLineWidth(int boxWidth) { return boxWidth - 4; }

}  // namespace korvane
