// Drawing helpers shared by the card illustrations. Every illustration draws in a 70 x 70 box
// with (0, 0) at its top left; the side codes sit over the middle of each edge, so the figure
// keeps to the centre.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <initializer_list>
#include <vector>

namespace assetgen::kit {

constexpr double kBox = 70;

QColor Ink(const QColor& fill);  // the outline colour that goes with a fill

void Backdrop(QPainter& p, const QColor& top, const QColor& bottom);
void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour);
void Rays(QPainter& p, QPointF centre, int count, const QColor& colour);
void Sparkles(QPainter& p, unsigned seed, int count, const QColor& colour, const QRectF& in);
void Ground(QPainter& p, double y, const QColor& colour);  // a low hill along the bottom
void Moon(QPainter& p, QPointF centre, double radius, const QColor& sky);

// Filled shapes with a soft top light and a dark outline.
void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double outline = 0.9);
void Ball(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill,
          double outline = 0.9);
QPainterPath Poly(std::initializer_list<QPointF> points);
QPainterPath Smooth(std::initializer_list<QPointF> points);  // closed curve through the points
QPainterPath Ellipse(QPointF centre, double rx, double ry);

// Details.
void Eye(QPainter& p, QPointF centre, double r, const QColor& iris);
void Dot(QPainter& p, QPointF centre, double r, const QColor& colour);
void Line(QPainter& p, QPointF a, QPointF b, double width, const QColor& colour);
void Curve(QPainter& p, QPointF a, QPointF control, QPointF b, double width, const QColor& colour);
void Star(QPainter& p, QPointF centre, double r, const QColor& colour, int points = 5);
void Flame(QPainter& p, QPointF base, double w, double h, const QColor& outer, const QColor& inner);
void Sword(QPainter& p, QPointF hilt, QPointF tip, double width, const QColor& blade);
void Wing(QPainter& p, QPointF root, double span, double angle, const QColor& fill,
          bool feathered);  // angle in degrees, 0 points right
void Smile(QPainter& p, QPointF centre, double w, double depth, const QColor& colour);
// Rounded shoulders and chest running off the bottom of the box.
void Torso(QPainter& p, double cx, double top, double width, const QColor& fill);

}  // namespace assetgen::kit
