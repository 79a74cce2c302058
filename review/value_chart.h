// The review's chart: the exact value after every placement (the player's final margin with
// perfect play, -5..5) as steps across the duel, over bands shaded by outcome (win, draw, loss),
// with a dot per placement in its label's colour. A click on a dot, like stepping to it by key,
// shows that position.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <vector>

namespace korvane {

class ValueChart : public QWidget {
 public:
  static constexpr QSize kSize{587, 110};
  explicit ValueChart(QWidget* parent);

  // values[0] the deal's, then one per placement; colours one per placement.
  void SetValues(std::vector<int> values, std::vector<QColor> colours);
  void SetStep(int step);
  void SetZoom(double zoom);
  // The step a point of the chart (1x pixels) belongs to, or -1.
  int StepAt(QPointF at) const;

  std::function<void(int step)> OnStep;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  double X(int step) const;
  double Y(double value) const;

  std::vector<int> values_;
  std::vector<QColor> colours_;
  int step_ = 0;
  double zoom_ = 1;
};

}  // namespace korvane
