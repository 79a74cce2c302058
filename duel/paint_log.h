// PaintLog: what a picture of the duel window was painted from since it was last cleared, in the
// picture's own 1x pixels. The logic paints its 1x canvases (the board, the hand pictures) and
// writes each operation down here; a zoomed view paints the same operations again, at its own
// size, from sharper copies of the same source pictures. The 1x canvases stay the truth for the
// game; the log only lets the view draw them sharply.
#pragma once

#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

#include "duel/sprite.h"

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
    Board,    // the clean board image's own pixels put back
  };
  Kind kind = Kind::Sprite;
  ArtRef art;
  RasterOp op = RasterOp::Copy;
  // x, y, width and height; a negative width paints mirrored, extending to the left of x.
  QRect rect;
};

class PaintLog {
 public:
  // The picture is cleared to the board image, or to a flat colour.
  void ClearToBoard() { Clear(true, 0); }
  void ClearTo(QRgb colour) { Clear(false, colour); }
  void Add(const PaintOp& op) {
    if (op.kind != PaintOp::Kind::Board && op.art.kind == ArtKind::None) complete_ = false;
    ops_.push_back(op);
    ++revision_;
  }

  bool StartsWithBoard() const { return board_; }
  QRgb Colour() const { return colour_; }
  const std::vector<PaintOp>& Ops() const { return ops_; }
  // Rises with every change, so that a view paints again only then.
  uint64_t Revision() const { return revision_; }
  // False once an operation used a picture the log cannot name.
  bool Complete() const { return complete_; }

 private:
  void Clear(bool board, QRgb colour) {
    board_ = board;
    colour_ = colour;
    ops_.clear();
    complete_ = true;
    ++revision_;
  }

  bool board_ = false;
  QRgb colour_ = 0;
  std::vector<PaintOp> ops_;
  uint64_t revision_ = 0;
  bool complete_ = true;
};

}  // namespace korvane
