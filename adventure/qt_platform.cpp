#include "adventure/qt_platform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPixmap>

namespace korvane {

QWidget* QtPlatform::Parent() const {
  QWidget* w = parent_ ? parent_() : nullptr;
  return w && w->isVisible() ? w : nullptr;
}

bool QtPlatform::AskYesNo(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, Parent());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtPlatform::ShowOk(const QString& title, const QString& text, const QImage& picture) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, Parent());
  if (!picture.isNull()) box.setIconPixmap(QPixmap::fromImage(picture));
  box.exec();
}

void QtPlatform::ProcessEvents() {
  if (beforeEvents_) beforeEvents_();
  QCoreApplication::processEvents();
}

}  // namespace korvane
