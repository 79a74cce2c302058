#include "review/value_chart.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

constexpr double kLeft = 34, kRight = 8, kTop = 6, kBottom = 18;
constexpr int kMaxValue = 5;
constexpr int kSteps = 10;  // placements in a duel

}  // namespace

ValueChart::ValueChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ReviewChart"));
  SetZoom(1);
}

void ValueChart::SetValues(std::vector<int> values, std::vector<QColor> colours) {
  values_ = std::move(values);
  colours_ = std::move(colours);
  update();
}

void ValueChart::SetStep(int step) {
  step_ = step;
  update();
}

void ValueChart::SetZoom(double zoom) {
  zoom_ = zoom;
  setFixedSize(ZoomRect(QRect(QPoint(0, 0), kSize), zoom).size());
  update();
}

double ValueChart::X(int step) const {
  return kLeft + (kSize.width() - kLeft - kRight) * step / kSteps;
}

double ValueChart::Y(double value) const {
  const double h = kSize.height() - kTop - kBottom;
  return kTop + h * (kMaxValue - value) / (2 * kMaxValue);
}

int ValueChart::StepAt(QPointF at) const {
  int best = -1;
  double nearest = 12;  // pixels
  for (int step = 0; step < static_cast<int>(values_.size()); ++step) {
    const double d = std::hypot(at.x() - X(step), at.y() - Y(values_[step]));
    if (d < nearest) nearest = d, best = step;
  }
  if (best < 0 && !values_.empty()) {
    // A click in a step's column counts too.
    const int step = static_cast<int>(std::lround((at.x() - kLeft) / (X(1) - X(0))));
    if (step >= 0 && step < static_cast<int>(values_.size())) best = step;
  }
  return best;
}

void ValueChart::mousePressEvent(QMouseEvent* e) {
  const int step = StepAt(e->position() / zoom_);
  if (step >= 0 && OnStep) OnStep(step);
}

void ValueChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(zoom_, zoom_);
  p.fillRect(QRectF(QPointF(0, 0), QSizeF(kSize)), Qt::white);
  const double right = kSize.width() - kRight;
  // The outcome bands: a win above the middle, a draw on it, a loss below.
  p.fillRect(QRectF(kLeft, Y(kMaxValue + 0.5), right - kLeft, Y(0.5) - Y(kMaxValue + 0.5)),
             QColor(214, 230, 255));
  p.fillRect(QRectF(kLeft, Y(0.5), right - kLeft, Y(-0.5) - Y(0.5)), QColor(232, 232, 232));
  p.fillRect(QRectF(kLeft, Y(-0.5), right - kLeft, Y(-kMaxValue - 0.5) - Y(-0.5)),
             QColor(255, 222, 222));
  p.setFont(GothicFont(10));
  p.setPen(QColor(90, 90, 90));
  for (int v : {kMaxValue, 0, -kMaxValue}) {
    p.drawText(QRectF(0, Y(v) - 7, kLeft - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
               v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v));
  }
  for (int step = 0; step <= kSteps; ++step) {
    p.drawText(QRectF(X(step) - 10, kSize.height() - kBottom + 2, 20, 14), Qt::AlignCenter,
               QString::number(step));
  }
  if (values_.empty()) {
    p.drawText(QRectF(kLeft, 0, right - kLeft, kSize.height() - kBottom), Qt::AlignCenter,
               QCoreApplication::translate("Review", "読み切り中・・・"));
    return;
  }
  // The steps: the value holds from one placement to the next.
  p.setPen(QPen(QColor(40, 40, 40), 2));
  for (size_t i = 1; i < values_.size(); ++i) {
    const double y0 = Y(values_[i - 1]), y1 = Y(values_[i]);
    p.drawLine(QPointF(X(int(i) - 1), y0), QPointF(X(int(i)), y0));
    p.drawLine(QPointF(X(int(i)), y0), QPointF(X(int(i)), y1));
  }
  p.drawLine(QPointF(X(int(values_.size()) - 1), Y(values_.back())),
             QPointF(X(int(values_.size()) - 1) + 4, Y(values_.back())));
  // The position in view, then a dot per placement.
  p.setPen(QPen(QColor(0, 0, 0, 120), 1, Qt::DashLine));
  p.drawLine(QPointF(X(step_), kTop), QPointF(X(step_), kSize.height() - kBottom));
  for (size_t i = 0; i < values_.size(); ++i) {
    const QColor c =
        i == 0 ? QColor(120, 120, 120) : colours_[std::min(i - 1, colours_.size() - 1)];
    const double r = int(i) == step_ ? 6 : 4.5;
    p.setPen(QPen(int(i) == step_ ? Qt::black : Qt::white, 1.5));
    p.setBrush(c);
    p.drawEllipse(QPointF(X(int(i)), Y(values_[i])), r, r);
  }
}

}  // namespace korvane
