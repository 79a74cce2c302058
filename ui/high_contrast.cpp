#include "ui/high_contrast.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

namespace korvane {
namespace {

bool highContrast = false;

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// `c` blended towards white until it stands out from black by `ratio`.
QColor LightenedOnBlack(const QColor& c, double ratio) {
  QColor out = c;
  for (double t = 0; t <= 1.0 && ContrastRatio(out, Qt::black) < ratio; t += 0.05) {
    out = QColor::fromRgbF(float(c.redF() + (1 - c.redF()) * t),
                           float(c.greenF() + (1 - c.greenF()) * t),
                           float(c.blueF() + (1 - c.blueF()) * t));
  }
  return out;
}

}  // namespace

void SetHighContrast(bool on) { highContrast = on; }

bool HighContrast() { return highContrast; }

double Luminance(const QColor& c) {
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void PaintFrame(QPainter& p, const QRectF& r, const QPen& described) {
  if (!highContrast) {
    p.setPen(described);
    p.drawRect(r);
    return;
  }
  p.setPen(QPen(Qt::black, kContrastWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
  p.setPen(QPen(Qt::white, kContrastCore, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
}

void PaintFrame(QPainter& p, const std::vector<QLineF>& lines, const QPen& described) {
  if (!highContrast) {
    p.setPen(described);
    for (const QLineF& l : lines) p.drawLine(l);
    return;
  }
  for (const auto& [colour, width] :
       {std::pair{Qt::black, kContrastWidth}, std::pair{Qt::white, kContrastCore}}) {
    QPen pen = described;
    pen.setStyle(Qt::SolidLine);
    pen.setColor(colour);
    pen.setWidthF(width);
    p.setPen(pen);
    for (const QLineF& l : lines) p.drawLine(l);
  }
}

void PaintCursorFrame(QPainter& p, const QRectF& r) {
  if (highContrast) return PaintFrame(p, r, QPen());
  p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
  p.setPen(QPen(Qt::white, 3, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
}

void PaintStrokes(QPainter& p, const std::vector<QLineF>& lines, const QPen& described,
                  double edge) {
  // Every line's edge first, so that where lines cross their colours run on unbroken.
  QPen pen = described;
  pen.setColor(Qt::black);
  pen.setWidthF(described.widthF() + 2 * edge);
  p.setPen(pen);
  for (const QLineF& l : lines) p.drawLine(l);
  if (highContrast) {
    pen.setColor(Qt::white);
    pen.setWidthF(described.widthF());
    p.setPen(pen);
    for (const QLineF& l : lines) p.drawLine(l);
    pen.setColor(described.color());
    pen.setWidthF(described.widthF() * 0.4);
    p.setPen(pen);
  } else {
    p.setPen(described);
  }
  for (const QLineF& l : lines) p.drawLine(l);
}

void PaintTag(QPainter& p, const QRectF& r, const QColor& fill, const QString& text,
              const QFont& font) {
  p.setFont(font);
  if (!highContrast) {
    p.fillRect(r, fill);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text);
    return;
  }
  p.fillRect(r, Qt::black);
  p.setPen(QPen(Qt::white, kContrastEdge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
  p.setPen(LightenedOnBlack(fill, 7.0));
  p.drawText(r, Qt::AlignCenter, text);
}

void PaintPanel(QPainter& p, const QRectF& r, int alpha) {
  QPainterPath path;
  path.addRoundedRect(r, 6, 6);
  if (!highContrast) {
    p.fillPath(path, QColor(20, 20, 30, alpha));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
  } else {
    p.fillPath(path, Qt::black);
    p.setPen(QPen(Qt::white, kContrastEdge));
  }
  p.drawPath(path);
}

}  // namespace korvane
