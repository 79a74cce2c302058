#include "tools/assetgen/card_art_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/assetgen/assetgen.h"

namespace assetgen::kit {

QColor Ink(const QColor& fill) {
  QColor c = fill.darker(320);
  return QColor(c.red() / 2 + 10, c.green() / 2 + 8, c.blue() / 2 + 14);
}

void Backdrop(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, 0, 0, kBox);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(0, 0, kBox, kBox), g);
}

void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  QRadialGradient g(centre, radius);
  g.setColorAt(0, colour);
  QColor edge = colour;
  edge.setAlpha(0);
  g.setColorAt(1, edge);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
}

void Rays(QPainter& p, QPointF centre, int count, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const double a = 2 * M_PI * i / count, w = M_PI / count / 2;
    QPainterPath ray;
    ray.moveTo(centre);
    ray.lineTo(centre + QPointF(std::cos(a - w), std::sin(a - w)) * 80);
    ray.lineTo(centre + QPointF(std::cos(a + w), std::sin(a + w)) * 80);
    ray.closeSubpath();
    p.drawPath(ray);
  }
}

void Sparkles(QPainter& p, unsigned seed, int count, const QColor& colour, const QRectF& in) {
  Rng rng(seed * 2654435761u + 17);
  for (int i = 0; i < count; ++i) {
    const QPointF c(rng.Range(in.left(), in.right()), rng.Range(in.top(), in.bottom()));
    Star(p, c, rng.Range(1.2, 2.6), colour, 4);
  }
}

void Ground(QPainter& p, double y, const QColor& colour) {
  QPainterPath hill;
  hill.moveTo(-2, y + 4);
  hill.cubicTo(20, y - 3, 45, y - 3, 72, y + 2);
  hill.lineTo(72, 72);
  hill.lineTo(-2, 72);
  hill.closeSubpath();
  QLinearGradient g(0, y - 3, 0, kBox);
  g.setColorAt(0, colour.lighter(115));
  g.setColorAt(1, colour.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(hill);
}

void Moon(QPainter& p, QPointF centre, double radius, const QColor& sky) {
  Glow(p, centre, radius * 2.2, QColor(255, 250, 210, 90));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 248, 200));
  p.drawEllipse(centre, radius, radius);
  p.setBrush(sky);
  p.drawEllipse(centre + QPointF(radius * 0.45, -radius * 0.25), radius * 0.85, radius * 0.85);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double outline) {
  const QRectF b = path.boundingRect();
  QLinearGradient g(b.topLeft(), b.bottomRight());
  g.setColorAt(0, fill.lighter(135));
  g.setColorAt(0.55, fill);
  g.setColorAt(1, fill.darker(150));
  p.setBrush(g);
  if (outline > 0)
    p.setPen(QPen(Ink(fill), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  else
    p.setPen(Qt::NoPen);
  p.drawPath(path);
}

void Ball(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill, double outline) {
  QRadialGradient g(centre + QPointF(-rx * 0.35, -ry * 0.4), std::max(rx, ry) * 1.3);
  g.setColorAt(0, fill.lighter(150));
  g.setColorAt(0.5, fill);
  g.setColorAt(1, fill.darker(170));
  p.setBrush(g);
  if (outline > 0)
    p.setPen(QPen(Ink(fill), outline));
  else
    p.setPen(Qt::NoPen);
  p.drawEllipse(centre, rx, ry);
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    first ? path.moveTo(pt) : path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  return path;
}

QPainterPath Smooth(std::initializer_list<QPointF> points) {
  const std::vector<QPointF> v(points);
  const size_t n = v.size();
  QPainterPath path;
  if (n < 3) return path;
  path.moveTo(v[0]);
  for (size_t i = 0; i < n; ++i) {
    const QPointF p0 = v[(i + n - 1) % n], p1 = v[i], p2 = v[(i + 1) % n], p3 = v[(i + 2) % n];
    path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
  }
  path.closeSubpath();
  return path;
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

void Eye(QPainter& p, QPointF centre, double r, const QColor& iris) {
  p.setPen(QPen(QColor(30, 20, 20), 0.6));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, r, r * 1.15);
  p.setPen(Qt::NoPen);
  p.setBrush(iris);
  p.drawEllipse(centre + QPointF(0, r * 0.15), r * 0.62, r * 0.8);
  p.setBrush(QColor(15, 10, 10));
  p.drawEllipse(centre + QPointF(0, r * 0.2), r * 0.32, r * 0.42);
  p.setBrush(Qt::white);
  p.drawEllipse(centre + QPointF(-r * 0.25, -r * 0.2), r * 0.22, r * 0.22);
}

void Dot(QPainter& p, QPointF centre, double r, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, r, r);
}

void Line(QPainter& p, QPointF a, QPointF b, double width, const QColor& colour) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
}

void Curve(QPainter& p, QPointF a, QPointF control, QPointF b, double width, const QColor& colour) {
  QPainterPath path;
  path.moveTo(a);
  path.quadTo(control, b);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void Star(QPainter& p, QPointF centre, double r, const QColor& colour, int points) {
  QPainterPath star;
  const double inner = points == 4 ? 0.3 : 0.45;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = i * M_PI / points - M_PI / 2;
    const double rr = (i % 2 == 0) ? r : r * inner;
    const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * rr;
    i ? star.lineTo(pt) : star.moveTo(pt);
  }
  star.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
}

void Flame(QPainter& p, QPointF base, double w, double h, const QColor& outer,
           const QColor& inner) {
  auto tongue = [&](double scale, const QColor& c) {
    QPainterPath f;
    const double ww = w * scale, hh = h * scale;
    f.moveTo(base + QPointF(0, 0));
    f.cubicTo(base + QPointF(-ww, -hh * 0.1), base + QPointF(-ww * 0.6, -hh * 0.6),
              base + QPointF(0, -hh));
    f.cubicTo(base + QPointF(ww * 0.1, -hh * 0.55), base + QPointF(ww, -hh * 0.4),
              base + QPointF(ww * 0.55, -hh * 0.05));
    f.cubicTo(base + QPointF(ww * 0.4, hh * 0.05), base + QPointF(ww * 0.1, hh * 0.05), base);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(f);
  };
  tongue(1.0, outer);
  tongue(0.6, inner);
}

void Sword(QPainter& p, QPointF hilt, QPointF tip, double width, const QColor& blade) {
  const QPointF d = tip - hilt;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len, n(-u.y(), u.x());
  const QPointF guard = hilt + u * (len * 0.18);
  QPainterPath b = Poly({guard + n * width / 2, tip - u * width + n * width / 2, tip,
                         tip - u * width - n * width / 2, guard - n * width / 2});
  Shape(p, b, blade, 0.7);
  Line(p, guard + n * width * 1.6, guard - n * width * 1.6, width * 0.8, QColor(200, 160, 40));
  Line(p, hilt, guard, width * 0.7, QColor(90, 50, 20));
  Dot(p, hilt, width * 0.55, QColor(220, 180, 60));
}

void Wing(QPainter& p, QPointF root, double span, double angle, const QColor& fill,
          bool feathered) {
  p.save();
  p.translate(root);
  p.rotate(angle);
  QPainterPath w;
  w.moveTo(0, 0);
  w.cubicTo(span * 0.3, -span * 0.55, span * 0.8, -span * 0.6, span, -span * 0.35);
  if (feathered) {
    const int n = 4;
    for (int i = 1; i <= n; ++i) {
      const double t = double(i) / n;
      const QPointF a(span * (1 - 0.22 * t), -span * (0.35 - 0.5 * t));
      const QPointF b(span * (1 - 0.3 * t) - span * 0.12, -span * (0.35 - 0.5 * t) + span * 0.02);
      w.quadTo(a, b);
    }
    w.quadTo(span * 0.35, span * 0.2, 0, 0);
  } else {  // bat or dragon wing: scalloped membrane
    w.lineTo(span * 0.78, span * 0.05);
    w.quadTo(span * 0.62, -span * 0.05, span * 0.5, span * 0.18);
    w.quadTo(span * 0.35, span * 0.02, span * 0.2, span * 0.22);
    w.quadTo(span * 0.12, span * 0.05, 0, 0);
  }
  Shape(p, w, fill, 0.8);
  p.restore();
}

void Smile(QPainter& p, QPointF centre, double w, double depth, const QColor& colour) {
  Curve(p, centre - QPointF(w / 2, 0), centre + QPointF(0, depth), centre + QPointF(w / 2, 0), 0.9,
        colour);
}

void Torso(QPainter& p, double cx, double top, double width, const QColor& fill) {
  const double h = width / 2;
  QPainterPath t;
  t.moveTo(cx - h, 72);
  t.cubicTo(cx - h, top + 8, cx - h * 0.7, top, cx, top);
  t.cubicTo(cx + h * 0.7, top, cx + h, top + 8, cx + h, 72);
  t.closeSubpath();
  Shape(p, t, fill, 0.9);
}

}  // namespace assetgen::kit
