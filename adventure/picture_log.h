// PictureLog: what has been drawn on the adventure's picture surface (Picture1) since the plain
// town picture was last laid down: the zoom into a place, the light message boxes, the texts the
// scripts write and the light grey of the ending, plus the lines of the message being typed. The
// logic draws its 1x surface as described and writes each step down here; the view draws the same
// steps at its zoom, from sharp art and with the text at the zoomed size, so letters stay crisp.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QPainter;

namespace korvane {

struct PictureOp {
  enum class Kind : uint8_t {
    ZoomIn,  // `rect` of the town picture stretched over the whole picture (place `place`)
    Box,     // the light message box over `rect`
    Text,    // `text` at `at` in `colour`
    Fill,    // the whole picture light grey
  };
  Kind kind = Kind::Box;
  int place = -1;
  QRect rect;
  QPoint at;
  QString text;
  QColor colour;
};

// The message being typed: up to three lines, clipped to the box.
struct MessageLines {
  QRect clip;
  QColor colour;
  std::vector<std::pair<QPoint, QString>> lines;
};

class PictureLog {
 public:
  void Reset();  // the plain town picture
  void ZoomIn(int place, const QRect& spot);
  void Box(const QRect& box);
  void Text(QPoint at, const QString& text, const QColor& colour);
  void Fill();
  // The typed lines, drawn over everything; a box, a zoom or a fill erases them.
  void SetLines(MessageLines lines);

  const std::vector<PictureOp>& Ops() const { return ops_; }
  const MessageLines& Lines() const { return lines_; }
  // Rises with every change of Ops(), and with every change of Lines().
  uint64_t Revision() const { return revision_; }
  uint64_t LinesRevision() const { return linesRevision_; }

 private:
  void Add(PictureOp op);
  void ClearLines();

  std::vector<PictureOp> ops_;
  MessageLines lines_;
  uint64_t revision_ = 0;
  uint64_t linesRevision_ = 0;
};

// The handwriting face of the messages and of every text drawn on the picture.
QFont PictureTextFont();
// Text output on the picture surface: (x, y) is the top left of the text's em box, in the
// handwriting face of the messages. The logic and the view both write with this.
void DrawPictureText(QPainter& p, int x, int y, const QString& text, const QColor& colour);

// What the picture is drawn from at some scale.
struct PictureArt {
  const QImage* town = nullptr;  // 576 x 406 times any whole scale
  const QImage* lightTile = nullptr;
  std::function<const QImage*(int place)> closeUp;  // the place's close-up, or null
};

// The picture's steps (without the typed lines) drawn `scale` times larger.
QImage PaintPicture(const PictureLog& log, const PictureArt& art, double scale);
// The typed lines, on a painter in the picture's 1x pixels.
void PaintLines(QPainter& p, const MessageLines& lines);

}  // namespace korvane
