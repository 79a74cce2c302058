// PaintLog: what a picture of a window was painted from since it was last cleared, in the
// picture's own 1x pixels. The logic paints its 1x canvases as described (the duel's board and
// hand pictures with their raster operations, the adventure's picture surface with its zoom, light
// boxes and texts) and writes each operation down here; a zoomed view paints the same operations
// again, at its own size, from sharper copies of the same source pictures and with text at the
// zoomed size. The 1x canvases stay the truth for the game; the log only lets the view draw them
// sharply.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "ui/sprite.h"

namespace korvane {

// The source pictures an operation can use.
enum class ArtKind : uint8_t {
  None,  // a picture the log cannot name (the view then enlarges the 1x canvas instead)
  Board,
  Card,       // CardPic(index), index 0..40
  EnemyCard,  // ECardPic(index), index 0..40
  Mask,
  MyField,
  EnemyField,
  CornerMask,
  CornerFrame,
  Town,       // the adventure's town picture, 576 x 406
  LightTile,  // the adventure's light grey tile
  CloseUp,    // the close-up of place `index` (only as a sharp picture)
};

struct ArtRef {
  ArtKind kind = ArtKind::None;
  int index = 0;
  bool operator==(const ArtRef&) const = default;
};

struct PaintOp {
  enum class Kind : uint8_t {
    Sprite,   // the mask with AND, then the picture with OR
    Combine,  // the picture alone, combined by `op`
    Restore,  // the base picture's own pixels put back over `rect`
    ZoomIn,   // `rect` of the town picture stretched over the whole picture (place `place`)
    Box,      // the light message box over `rect`
    Text,     // `text` at `at` in `colour`, in the messages' face
    Fill,     // the whole picture light grey
  };
  Kind kind = Kind::Sprite;
  ArtRef art;
  RasterOp op = RasterOp::Copy;
  // x, y, width and height; a negative width paints mirrored, extending to the left of x.
  QRect rect;
  int place = -1;
  QPoint at;
  QString text;
  QColor colour;

  // An operation on a picture: a sprite, a combination or the board put back.
  static PaintOp OnArt(Kind kind, ArtRef art, RasterOp op, const QRect& rect) {
    PaintOp o;
    o.kind = kind;
    o.art = art;
    o.op = op;
    o.rect = rect;
    return o;
  }
};

// Lines of text drawn over everything, clipped to a box: the message being typed.
struct MessageLines {
  QRect clip;
  QColor colour;
  std::vector<std::pair<QPoint, QString>> lines;
};

class PaintLog {
 public:
  // The picture is cleared to a base picture (the board image, the town), or to a flat colour.
  void ClearToArt(ArtKind base);
  void ClearToBoard() { ClearToArt(ArtKind::Board); }
  void ClearTo(QRgb colour);
  void Add(const PaintOp& op);

  // The adventure's steps. Each one that covers the whole picture drops what lay under it, and
  // all but a text erase the typed lines.
  void ZoomIn(int place, const QRect& spot);
  // A new box over the last one, with nothing drawn between, replaces it.
  void Box(const QRect& box);
  void Text(QPoint at, const QString& text, const QColor& colour);
  void Fill();
  void SetLines(MessageLines lines);

  ArtKind Base() const { return base_; }  // ArtKind::None: the flat colour
  bool StartsWithBoard() const { return base_ == ArtKind::Board; }
  QRgb Colour() const { return colour_; }
  const std::vector<PaintOp>& Ops() const { return ops_; }
  const MessageLines& Lines() const { return lines_; }
  // Rise with every change of the operations, or of the lines, so that a view paints again only
  // then.
  uint64_t Revision() const { return revision_; }
  uint64_t LinesRevision() const { return linesRevision_; }
  // False once an operation used a picture the log cannot name.
  bool Complete() const { return complete_; }

 private:
  void ClearLines();
  void Covered();

  ArtKind base_ = ArtKind::None;
  QRgb colour_ = 0;
  std::vector<PaintOp> ops_;
  MessageLines lines_;
  uint64_t revision_ = 0;
  uint64_t linesRevision_ = 0;
  bool complete_ = true;
};

}  // namespace korvane
