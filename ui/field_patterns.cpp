#include "ui/field_patterns.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/paint_log.h"

namespace korvane {
namespace {

bool patterns = false;

// Light lines and dark dots: whichever colour a field has, one of them stands out from it in
// lightness, which every kind of colour vision sees.
const QColor kHatch(255, 255, 255, 235);
const QColor kHatchEdge(0, 0, 0, 210);
const QColor kDot(0, 0, 0, 235);
const QColor kDotEdge(255, 255, 255, 170);
constexpr double kHatchStep = 14;
constexpr double kDotStep = 16;

void PaintHatching(QPainter& p, const QRectF& r) {
  QPainterPath lines;
  // Lines rising to the right, one every kHatchStep pixels across the square's diagonal.
  for (double d = kHatchStep / 2; d < r.width() + r.height(); d += kHatchStep) {
    lines.moveTo(r.left() + d - r.height(), r.bottom());
    lines.lineTo(r.left() + d, r.top());
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kHatchEdge, 5.0, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(lines);
  p.setPen(QPen(kHatch, 2.5, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(lines);
}

void PaintDots(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kDotEdge, 1.5));
  p.setBrush(kDot);
  // A grid of dots, every other row shifted by half a step.
  int row = 0;
  for (double y = r.top() + kDotStep / 2; y < r.bottom(); y += kDotStep, ++row) {
    for (double x = r.left() + (row % 2 ? kDotStep : kDotStep / 2); x < r.right(); x += kDotStep)
      p.drawEllipse(QPointF(x, y), 4.5, 4.5);
  }
}

}  // namespace

void SetFieldPatterns(bool on) { patterns = on; }

bool FieldPatterns() { return patterns; }

void PaintFieldPattern(QPainter& p, const QRect& square, bool playerField) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::Antialiasing, true);
  // Inside the square's own edge, so that the board's grooves stay as they are.
  const QRectF r = QRectF(square).adjusted(3, 3, -3, -3);
  p.setClipRect(r, Qt::IntersectClip);
  if (playerField) {
    PaintHatching(p, r);
  } else {
    PaintDots(p, r);
  }
  p.restore();
}

void PaintFieldPatterns(QPainter& p, const PaintLog& log) {
  const std::vector<PaintOp>& ops = log.Ops();
  auto isField = [](const PaintOp& op) {
    return op.kind == PaintOp::Kind::Combine &&
           (op.art.kind == ArtKind::MyField || op.art.kind == ArtKind::EnemyField);
  };
  // The player's hatching first, the opponent's dots over it.
  for (const ArtKind side : {ArtKind::MyField, ArtKind::EnemyField}) {
    for (size_t i = 0; i < ops.size(); ++i) {
      if (!isField(ops[i]) || ops[i].art.kind != side) continue;
      bool covered = false;
      for (size_t j = i + 1; j < ops.size() && !covered; ++j)
        covered = !isField(ops[j]) && ops[j].rect.normalized().intersects(ops[i].rect);
      if (!covered) PaintFieldPattern(p, ops[i].rect, side == ArtKind::MyField);
    }
  }
}

}  // namespace korvane
