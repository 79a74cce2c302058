#include "adventure/message_lines.h"

#include <QImage>

#include "ui/fonts.h"

namespace korvane {
namespace {

bool IsBreak(QChar c) { return c == u' ' || c == u'\n'; }

}  // namespace

std::vector<TextSpan> WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width) {
  std::vector<TextSpan> lines;
  const int size = int(text.size());
  auto fits = [&](int start, int end) {
    return metrics.horizontalAdvance(text.mid(start, end - start)) <= width;
  };
  TextSpan line{-1, -1};  // the line being filled; start -1 while it is empty
  int i = 0;
  while (i < size) {
    if (text.at(i) == u'\n') {
      // A line feed ends the line, even an empty one.
      lines.push_back(line.start < 0 ? TextSpan{i, i} : line);
      line = {-1, -1};
      ++i;
      continue;
    }
    if (IsBreak(text.at(i))) {
      ++i;
      continue;
    }
    int wordEnd = i;
    while (wordEnd < size && !IsBreak(text.at(wordEnd))) ++wordEnd;
    if (line.start >= 0 && fits(line.start, wordEnd)) {
      line.end = wordEnd;
      i = wordEnd;
      continue;
    }
    if (line.start >= 0) lines.push_back(line);
    // The word starts a line; a word wider than a line is cut where it stops fitting.
    int start = i;
    while (!fits(start, wordEnd)) {
      int cut = start + 1;
      while (cut + 1 < wordEnd && fits(start, cut + 1)) ++cut;
      lines.push_back({start, cut});
      start = cut;
    }
    line = {start, wordEnd};
    i = wordEnd;
  }
  if (line.start >= 0) lines.push_back(line);
  return lines;
}

QFontMetricsF MessageMetrics() {
  // The picture surface: a QImage at 96 dots per inch, where the face's points become pixels.
  static const QImage surface(1, 1, QImage::Format_RGB32);
  return QFontMetricsF(PictureTextFont(), &surface);
}

}  // namespace korvane
