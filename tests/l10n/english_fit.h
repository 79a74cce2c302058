// Word wrapping by pixels, as the English edition's message box will need it: a text is broken
// at spaces so that no line is wider than the box; a single word wider than the box is broken
// between letters.
#pragma once

#include <QFontMetricsF>
#include <QStringList>

namespace korvane::testing {

inline QStringList WrapWords(const QString& text, const QFontMetricsF& fm, qreal width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    const QString joined = line.isEmpty() ? word : line + u' ' + word;
    if (fm.horizontalAdvance(joined) <= width) {
      line = joined;
      continue;
    }
    if (!line.isEmpty()) lines << line;
    line = word;
    while (fm.horizontalAdvance(line) > width && line.size() > 1) {
      qsizetype fits = line.size() - 1;
      while (fits > 1 && fm.horizontalAdvance(line.left(fits)) > width) --fits;
      lines << line.left(fits);
      line = line.mid(fits);
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace korvane::testing
