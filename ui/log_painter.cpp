#include "ui/log_painter.h"

#include <QPainter>
#include <cmath>

#include "ui/card_pictures.h"
#include "ui/field_patterns.h"
#include "ui/fonts.h"
#include "ui/sharp_art.h"
#include "ui/sprite.h"

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

// The duel's operations: cards, tiles, frames and the board put back.
void PaintDuelOp(QPainter& p, const PaintOp& op, const SharpArt& art, int k, const QImage& board) {
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
    case PaintOp::Kind::Restore: {
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.setRenderHint(QPainter::SmoothPixmapTransform, true);
      const double boardScale = board.width() / 402.0;
      const QRectF r(op.rect);
      p.drawImage(r, board,
                  QRectF(r.x() * boardScale, r.y() * boardScale, r.width() * boardScale,
                         r.height() * boardScale));
      break;
    }
    default:
      break;
  }
}

// The adventure's operations: the zoom into a place, the light boxes, texts and the light grey.
void PaintPictureOp(QPainter& p, const PaintOp& op, const SharpArt& art, const QImage& town,
                    const TownArt& townArt, QSize size) {
  const QImage* lightTile = townArt.lightTile;
  const double townScale = double(town.width()) / size.width();
  auto fromTown = [townScale](const QRect& r) {
    return QRectF(r.x() * townScale, r.y() * townScale, r.width() * townScale,
                  r.height() * townScale);
  };
  const QRectF all(QPointF(0, 0), QSizeF(size));
  switch (op.kind) {
    case PaintOp::Kind::ZoomIn: {
      const QImage* closeUp = art.CloseUp(op.place);
      if (closeUp && !closeUp->isNull()) {
        p.drawImage(all, *closeUp);
      } else {
        p.drawImage(all, town, fromTown(op.rect));
      }
      break;
    }
    case PaintOp::Kind::Box:
      // The unzoomed map under the box, lightened: a clean veil of light grey, or the logic's OR.
      p.drawImage(QRectF(op.rect), town, fromTown(op.rect));
      if (!townArt.logicBox) {
        QColor veil = QColor::fromRgb(kBoxGrey);
        veil.setAlphaF(float(kBoxVeil));
        p.fillRect(QRectF(op.rect), veil);
      } else if (lightTile) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(QRectF(op.rect), *lightTile);
        p.restore();
      }
      break;
    case PaintOp::Kind::Text:
      DrawPictureText(p, op.at.x(), op.at.y(), op.text, op.colour);
      break;
    case PaintOp::Kind::Fill:
      if (lightTile) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(all, *lightTile);
        p.restore();
      }
      break;
    default:
      break;
  }
}

}  // namespace

QImage PaintLogAt(const PaintLog& log, QSize size, const SharpArt& art, double scale,
                  const TownArt& townArt) {
  const QSize device(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
  QImage out(device, QImage::Format_RGB32);
  out.fill(log.Colour());
  const int k = SharpArt::ArtScaleFor(scale);
  if (log.Base() == ArtKind::Town) {
    const QImage* sharpTown =
        art.File(QStringLiteral("adventure"), QStringLiteral("Town.png"), size, k);
    const QImage* town = sharpTown ? sharpTown : townArt.town;
    if (!town || town->isNull()) return out;
    QPainter p(&out);
    p.scale(double(device.width()) / size.width(), double(device.height()) / size.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), *town);
    for (const PaintOp& op : log.Ops()) PaintPictureOp(p, op, art, *town, townArt, size);
    return out;
  }
  const QImage& board = art.Get({ArtKind::Board, 0}, k);
  QPainter p(&out);
  p.scale(double(device.width()) / size.width(), double(device.height()) / size.height());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (log.StartsWithBoard()) p.drawImage(QRectF(0, 0, 402, 402), board);
  for (const PaintOp& op : log.Ops()) PaintDuelOp(p, op, art, k, board);
  if (FieldPatterns()) PaintFieldPatterns(p, log);
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
      case PaintOp::Kind::Restore:
        Combine(out, pictures.Board().copy(r), r.x(), r.y(), RasterOp::Copy);
        break;
      default:
        break;
    }
  }
  return out;
}

QImage PaintShownCard(const ShownCard& card, const SharpArt& art, double scale,
                      const QColor& background) {
  constexpr int kShown = 160;
  const ArtRef ref{card.enemyFace ? ArtKind::EnemyCard : ArtKind::Card, card.id};
  if (scale == 1.0) {
    // At 1x exactly as the board paints it: the mask with AND, the picture with OR.
    QImage out = BlankImage(kShown, kShown, background.rgb());
    const CardPictures& small = art.Small();
    PaintSprite(out, small.Mask(), small.Get(ref), 0, 0, kShown, kShown);
    return out;
  }
  const int device = int(std::ceil(kShown * scale));
  QImage out(device, device, QImage::Format_RGB32);
  out.fill(background);
  QPainter p(&out);
  p.scale(double(device) / kShown, double(device) / kShown);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  DrawInto(p, QRect(0, 0, kShown, kShown), art.Sprite(ref, SharpArt::ArtScaleFor(scale)));
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
