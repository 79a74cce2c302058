// Where the top-level windows appear: the duel window centred over the adventure window, and the
// adventure window back exactly where it was when the duel window closes. Window managers place a
// window that is shown again as they see fit (and some move it by its frame each time), so the
// place is put right once more when the window manager has moved it while mapping it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>

class QWidget;

namespace korvane {

// The client rectangle of `size` centred over `over` (both client rectangles in screen
// coordinates), kept inside `screen` when it is given.
QRect CentredOver(QSize size, const QRect& over, const QRect& screen = QRect());

class KeepPlace : public QObject {
 public:
  // Watches `window` (a top-level widget); lives as its child.
  explicit KeepPlace(QWidget* window);
  // The client rectangle the window is to have when it is next shown (set by hiding it, too).
  void Expect(const QRect& client) { wanted_ = client; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PutBack();

  QWidget* window_;
  QRect wanted_;
  QElapsedTimer shown_;  // corrections only in the first moments after showing
};

}  // namespace korvane
