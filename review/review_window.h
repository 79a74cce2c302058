// The review board (振り返り): a recorded duel replayed placement by placement on the real board
// art, the chart of its exact values, every placement labelled from the mover's side with the
// best alternative shown on the board, the player's accuracy, and "ここからやり直す". A window of
// its own over the one that opened it, at the windows' zoom, played by keyboard throughout:
//   ← → step, Home / End the deal and the last placement, R "ここからやり直す" (again: back to
//   the record), 1-5 and the arrows with Enter while playing on, Esc closes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <optional>
#include <utility>

#include "review/review_session.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {

class BoardView;
class ReviewWorker;
class CardTable;
class SharpArt;
class ValueChart;
class ViewZoom;

class ReviewWindow : public QDialog {
 public:
  static constexpr QSize kSize{900, 560};

  ReviewWindow(DuelRecord record, const CardTable& cards, const SharpArt& art,
               QWidget* parent = nullptr, double zoom = 1);
  ~ReviewWindow() override;

  ReviewSession& Session() { return session_; }
  // The review has been worked out (off the window's thread) and shown.
  bool Reviewed() const { return session_.Review().has_value(); }
  // Follows the windows' zoom keys from now on.
  void Follow(ViewZoom* zoom);
  void SetZoom(double zoom);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Build();
  void Show();  // the session's state onto the widgets
  void StepTo(int step);
  void ToggleRetry();
  void RetrySquare(int column, int row);
  void MoveCursor(int dc, int dr);

  ReviewSession session_;
  const SharpArt& art_;
  double zoom_;
  std::unique_ptr<ReviewWorker> worker_;
  BoardView* board_ = nullptr;
  ValueChart* chart_ = nullptr;
  QListWidget* moves_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton *back_ = nullptr, *next_ = nullptr, *retry_ = nullptr, *close_ = nullptr;
  QPointer<ViewZoom> follow_;
  int slot_ = -1;
  std::pair<int, int> cursor_{3, 3};
};

// Opens the review of `record` window-modal over `parent` and returns at once; the window
// deletes itself when closed.
ReviewWindow* ShowReview(QWidget* parent, const DuelRecord& record, const CardTable& cards,
                         const SharpArt& art, double zoom = 1, ViewZoom* follow = nullptr);

}  // namespace korvane
