#include "duel/log_painter.h"

#include <QPainter>
#include <cmath>

#include "duel/card_pictures.h"
#include "duel/sharp_art.h"
#include "duel/sprite.h"

namespace korvane {
namespace {

QPainter::CompositionMode ModeOf(RasterOp op) {
  switch (op) {
    case RasterOp::And:
      return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::Or:
      return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::Copy:
      break;
  }
  return QPainter::CompositionMode_Source;
}

// Draws `image` over the 1x rectangle `r`; a negative width mirrors it to the left of r.x().
void DrawInto(QPainter& p, const QRect& r, const QImage& image) {
  if (r.width() == 0 || r.height() <= 0 || image.isNull()) return;
  p.save();
  p.translate(r.x(), r.y());
  if (r.width() < 0) p.scale(-1, 1);
  p.drawImage(QRectF(0, 0, std::abs(r.width()), r.height()), image);
  p.restore();
}

}  // namespace

QImage PaintLogAt(const PaintLog& log, QSize size, const SharpArt& art, double scale) {
  const QSize device(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
  QImage out(device, QImage::Format_RGB32);
  out.fill(log.Colour());
  const int k = SharpArt::ArtScaleFor(scale);
  const QImage& board = art.Get({ArtKind::Board, 0}, k);
  const double boardScale = board.width() / 402.0;
  QPainter p(&out);
  p.scale(double(device.width()) / size.width(), double(device.height()) / size.height());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (log.StartsWithBoard()) p.drawImage(QRectF(0, 0, 402, 402), board);
  for (const PaintOp& op : log.Ops()) {
    switch (op.kind) {
      case PaintOp::Kind::Sprite:
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        DrawInto(p, op.rect, art.Sprite(op.art, k));
        break;
      case PaintOp::Kind::Combine:
        // Flat tiles and square brackets: the nearest pixel keeps their colours exact.
        p.setCompositionMode(ModeOf(op.op));
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        DrawInto(p, op.rect, art.Get(op.art, k));
        break;
      case PaintOp::Kind::Board: {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QRectF r(op.rect);
        p.drawImage(r, board,
                    QRectF(r.x() * boardScale, r.y() * boardScale, r.width() * boardScale,
                           r.height() * boardScale));
        break;
      }
    }
  }
  return out;
}

QImage PaintLogExact(const PaintLog& log, QSize size, const CardPictures& pictures) {
  QImage out = log.StartsWithBoard() ? pictures.Board().copy()
                                     : BlankImage(size.width(), size.height(), log.Colour());
  for (const PaintOp& op : log.Ops()) {
    const QRect& r = op.rect;
    switch (op.kind) {
      case PaintOp::Kind::Sprite:
        PaintSprite(out, pictures.Mask(), pictures.Get(op.art), r.x(), r.y(), r.width(),
                    r.height());
        break;
      case PaintOp::Kind::Combine:
        Combine(out, pictures.Get(op.art), r.x(), r.y(), r.width(), r.height(), op.op);
        break;
      case PaintOp::Kind::Board:
        Combine(out, pictures.Board().copy(r), r.x(), r.y(), RasterOp::Copy);
        break;
    }
  }
  return out;
}

}  // namespace korvane
