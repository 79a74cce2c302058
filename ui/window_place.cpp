#include "ui/window_place.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace korvane {

QRect CentredOver(QSize size, const QRect& over, const QRect& screen) {
  QRect r(QPoint(0, 0), size);
  r.moveCenter(over.center());
  if (screen.isValid()) {
    r.moveLeft(std::clamp(r.left(), screen.left(),
                          std::max(screen.left(), screen.right() - r.width() + 1)));
    r.moveTop(std::clamp(r.top(), screen.top(),
                         std::max(screen.top(), screen.bottom() - r.height() + 1)));
  }
  return r;
}

KeepPlace::KeepPlace(QWidget* window) : QObject(window), window_(window) {
  window_->installEventFilter(this);
}

void KeepPlace::PutBack() {
  if (!wanted_.isValid() || window_->isFullScreen()) return;
  const QPoint off = wanted_.topLeft() - window_->geometry().topLeft();
  if (!off.isNull()) window_->move(window_->pos() + off);
}

bool KeepPlace::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::Hide:
      // Only a window that really goes away: not one being minimised, nor a full screen.
      if (!window_->isMinimized() && !window_->isFullScreen()) wanted_ = window_->geometry();
      break;
    case QEvent::Show:
      shown_.start();
      PutBack();
      break;
    case QEvent::Move:
      // The window manager has placed the window it maps; a move the player makes later stays.
      if (shown_.isValid() && shown_.elapsed() < 1500) PutBack();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace korvane
