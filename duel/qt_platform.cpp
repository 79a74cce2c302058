#include "duel/qt_platform.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>

namespace korvane {
namespace {

void Style(QMessageBox& box) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  box.setFont(font);
}

}  // namespace

std::unique_ptr<QMessageBox> QtPlatform::MakeOkBox(const QString& title, const QString& text,
                                                   const QImage& picture, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  Style(*box);
  box->setWindowTitle(title);
  box->setText(text);
  box->setStandardButtons(QMessageBox::Ok);
  if (!picture.isNull()) {
    box->setIconPixmap(QPixmap::fromImage(picture));
  } else {
    box->setIcon(QMessageBox::Information);
  }
  return box;
}

std::unique_ptr<QMessageBox> QtPlatform::MakeYesNoBox(const QString& title, const QString& text,
                                                      QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  Style(*box);
  box->setWindowTitle(title);
  box->setText(text);
  box->setIcon(QMessageBox::Question);
  box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::Yes);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

bool QtPlatform::AskYesNo(const QString& title, const QString& text) {
  auto box = MakeYesNoBox(title, text, QApplication::activeWindow());
  return box->exec() == QMessageBox::Yes;
}

void QtPlatform::ShowOk(const QString& title, const QString& text, const QImage& picture) {
  auto box = MakeOkBox(title, text, picture, QApplication::activeWindow());
  box->exec();
}

void QtPlatform::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace korvane
