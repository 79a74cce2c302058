#include "ui/paint_log.h"

namespace korvane {

void PaintLog::ClearToArt(ArtKind base) {
  base_ = base;
  colour_ = 0;
  ops_.clear();
  complete_ = true;
  ++revision_;
  ClearLines();
}

void PaintLog::ClearTo(QRgb colour) {
  ClearToArt(ArtKind::None);
  colour_ = colour;
}

void PaintLog::Add(const PaintOp& op) {
  const bool named = op.art.kind != ArtKind::None || op.kind == PaintOp::Kind::Restore ||
                     op.kind == PaintOp::Kind::ZoomIn || op.kind == PaintOp::Kind::Box ||
                     op.kind == PaintOp::Kind::Text || op.kind == PaintOp::Kind::Fill;
  if (!named) complete_ = false;
  ops_.push_back(op);
  ++revision_;
}

void PaintLog::ClearLines() {
  if (lines_.lines.empty()) return;
  lines_ = {};
  ++linesRevision_;
}

void PaintLog::Covered() {
  ops_.clear();
  ClearLines();
}

void PaintLog::ZoomIn(int place, const QRect& spot) {
  Covered();
  PaintOp op;
  op.kind = PaintOp::Kind::ZoomIn;
  op.place = place;
  op.rect = spot;
  Add(op);
}

void PaintLog::Box(const QRect& box) {
  if (!ops_.empty() && ops_.back().kind == PaintOp::Kind::Box && ops_.back().rect == box) {
    ops_.pop_back();
  }
  PaintOp op;
  op.kind = PaintOp::Kind::Box;
  op.rect = box;
  Add(op);
  ClearLines();
}

void PaintLog::Text(QPoint at, const QString& text, const QColor& colour) {
  PaintOp op;
  op.kind = PaintOp::Kind::Text;
  op.at = at;
  op.text = text;
  op.colour = colour;
  Add(op);
}

void PaintLog::Fill() {
  Covered();
  PaintOp op;
  op.kind = PaintOp::Kind::Fill;
  Add(op);
}

void PaintLog::SetLines(MessageLines lines) {
  lines_ = std::move(lines);
  ++linesRevision_;
}

}  // namespace korvane
