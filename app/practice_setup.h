// The practice set-up (練習試合): an opponent the player has met, and a strength (手加減 / 本気 /
// 達人). ↑ ↓ choose the opponent, ← → the strength, Enter starts, Esc closes.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "ai/practice.h"

class QButtonGroup;
class QListWidget;

namespace korvane {

struct PracticeChoice {
  int opponent = 1;  // person 1..6
  Strength strength = Strength::Full;
  uint64_t seed = 0;  // 手加減's mistakes; 0: from the clock
};

// 手加減 / 本気 / 達人, and one line on what each means, in the edition's language.
QString StrengthName(Strength s);
QString StrengthNote(Strength s);

class PracticeSetup : public QDialog {
 public:
  using Start = std::function<void(const PracticeChoice&)>;
  PracticeSetup(std::vector<int> opponents, Start start, QWidget* parent = nullptr,
                double zoom = 1);

  PracticeChoice Choice() const;
  void SetStrength(Strength s);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartChosen();

  std::vector<int> opponents_;
  Start start_;
  QListWidget* list_ = nullptr;
  QButtonGroup* strengths_ = nullptr;
  bool started_ = false;
};

}  // namespace korvane
