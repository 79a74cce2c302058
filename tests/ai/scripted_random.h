// A random source for the opponent's tests: plays back fixed numbers, then `rest` for ever,
// counting how many were drawn.
#pragma once

#include <deque>
#include <utility>

#include "ai/ai.h"

namespace korvane::test {

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<double> values, double rest = 0.0)
      : values_(std::move(values)), rest_(rest) {}
  double Next() override {
    ++draws;
    if (values_.empty()) return rest_;
    const double v = values_.front();
    values_.pop_front();
    return v;
  }
  int draws = 0;

 private:
  std::deque<double> values_;
  double rest_;
};

}  // namespace korvane::test
