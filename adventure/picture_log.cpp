#include "adventure/picture_log.h"

#include <QPainter>
#include <cmath>

#include "adventure/adv_layout.h"

namespace korvane {

void PictureLog::Add(PictureOp op) {
  ops_.push_back(std::move(op));
  ++revision_;
}

void PictureLog::ClearLines() {
  if (lines_.lines.empty()) return;
  lines_ = {};
  ++linesRevision_;
}

void PictureLog::Reset() {
  ops_.clear();
  ++revision_;
  ClearLines();
}

void PictureLog::ZoomIn(int place, const QRect& spot) {
  // Everything before is covered.
  ops_.clear();
  Add({PictureOp::Kind::ZoomIn, place, spot, {}, {}, {}});
  ClearLines();
}

void PictureLog::Box(const QRect& box) {
  // A new box over the last one, with nothing drawn between, replaces it.
  if (!ops_.empty() && ops_.back().kind == PictureOp::Kind::Box && ops_.back().rect == box) {
    ops_.pop_back();
  }
  Add({PictureOp::Kind::Box, -1, box, {}, {}, {}});
  ClearLines();
}

void PictureLog::Text(QPoint at, const QString& text, const QColor& colour) {
  Add({PictureOp::Kind::Text, -1, {}, at, text, colour});
}

void PictureLog::Fill() {
  ops_.clear();
  Add({PictureOp::Kind::Fill, -1, {}, {}, {}, {}});
  ClearLines();
}

void PictureLog::SetLines(MessageLines lines) {
  lines_ = std::move(lines);
  ++linesRevision_;
}

QFont PictureTextFont() {
  QFont font(HandwritingFamily());
  font.setPointSizeF(kMessagePointSize);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void DrawPictureText(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  const QFont font = PictureTextFont();
  p.setFont(font);
  p.setPen(colour);
  // The glyphs' em box starts at y: the handwriting face carries a tall ascent of its own, so
  // the baseline is set from the em size (ideographs rise about 0.88 em above it).
  const double emPx = font.pointSizeF() * p.device()->logicalDpiY() / 72.0;
  p.drawText(x, y + qRound(emPx * 0.88), text);
}

QImage PaintPicture(const PictureLog& log, const PictureArt& art, double scale) {
  const QSize size(kPictureWidth, kPictureHeight);
  const QSize device(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
  QImage out(device, QImage::Format_RGB32);
  out.fill(Qt::black);
  if (!art.town || art.town->isNull()) return out;
  const QImage& town = *art.town;
  const double townScale = double(town.width()) / kPictureWidth;
  auto fromTown = [townScale](const QRect& r) {
    return QRectF(r.x() * townScale, r.y() * townScale, r.width() * townScale,
                  r.height() * townScale);
  };
  const QRectF all(0, 0, kPictureWidth, kPictureHeight);
  QPainter p(&out);
  p.scale(double(device.width()) / size.width(), double(device.height()) / size.height());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(all, town);
  for (const PictureOp& op : log.Ops()) {
    switch (op.kind) {
      case PictureOp::Kind::ZoomIn: {
        const QImage* closeUp = art.closeUp ? art.closeUp(op.place) : nullptr;
        if (closeUp && !closeUp->isNull()) {
          p.drawImage(all, *closeUp);
        } else {
          p.drawImage(all, town, fromTown(op.rect));
        }
        break;
      }
      case PictureOp::Kind::Box:
        // The unzoomed map under the box, brightened by OR-ing the light tile.
        p.drawImage(QRectF(op.rect), town, fromTown(op.rect));
        if (art.lightTile) {
          p.save();
          p.setRenderHint(QPainter::SmoothPixmapTransform, false);
          p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
          p.drawImage(QRectF(op.rect), *art.lightTile);
          p.restore();
        }
        break;
      case PictureOp::Kind::Text:
        DrawPictureText(p, op.at.x(), op.at.y(), op.text, op.colour);
        break;
      case PictureOp::Kind::Fill:
        if (art.lightTile) {
          p.save();
          p.setRenderHint(QPainter::SmoothPixmapTransform, false);
          p.drawImage(all, *art.lightTile);
          p.restore();
        }
        break;
    }
  }
  return out;
}

void PaintLines(QPainter& p, const MessageLines& lines) {
  if (lines.lines.empty()) return;
  p.save();
  p.setClipRect(lines.clip, Qt::IntersectClip);
  for (const auto& [at, text] : lines.lines) DrawPictureText(p, at.x(), at.y(), text, lines.colour);
  p.restore();
}

}  // namespace korvane
