#include "ui/qt_platform.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "engine/types.h"
#include "ui/fonts.h"
#include "ui/log_painter.h"

namespace korvane {
namespace {

void Style(QMessageBox& box, double zoom) {
  box.setFont(GothicFont(std::max(1, int(std::lround(12 * zoom)))));
}

}  // namespace

std::unique_ptr<QMessageBox> QtPlatform::MakeOkBox(const QString& title, const QString& text,
                                                   const QImage& picture, QWidget* parent,
                                                   double zoom, const QImage& sharp) {
  auto box = std::make_unique<QMessageBox>(parent);
  Style(*box, zoom);
  box->setWindowTitle(title);
  box->setText(text);
  box->setStandardButtons(QMessageBox::Ok);
  if (!picture.isNull()) {
    // Shown at the zoom: from the sharp copy when there is one, else the picture enlarged.
    const QSizeF shown = QSizeF(picture.size()) * zoom;
    QImage image = sharp.isNull() ? picture : sharp;
    const double ratio = image.width() / shown.width();
    if (sharp.isNull() && zoom != 1) {
      image = picture.scaled(shown.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(sharp.isNull() ? 1.0 : ratio);
    box->setIconPixmap(pixmap);
    // The box wraps its text once it grows past a width of its own (half a small screen, less
    // the card), and Japanese wraps between any two characters ("カー" / "ド"): the short text
    // beside the card keeps to its own lines at every zoom.
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() +
                 QStringLiteral("</p>"));
  } else {
    box->setIcon(QMessageBox::Information);
  }
  return box;
}

std::unique_ptr<QMessageBox> QtPlatform::MakeYesNoBox(const QString& title, const QString& text,
                                                      QWidget* parent, double zoom) {
  auto box = std::make_unique<QMessageBox>(parent);
  Style(*box, zoom);
  box->setWindowTitle(title);
  box->setText(text);
  box->setIcon(QMessageBox::Question);
  box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::Yes);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

QWidget* QtPlatform::BoxParent() {
  QWidget* front = QApplication::activeWindow();
  if (front) {
    lastOver_ = front;
  } else if (lastOver_ && lastOver_->isVisible()) {
    front = lastOver_;
  }
  return front;
}

int QtPlatform::ExecOver(QMessageBox& box, QWidget* over) {
  const QPointer<QWidget> front = over;
  const int answer = box.exec();
  if (front && front->isVisible()) front->activateWindow();
  return answer;
}

bool QtPlatform::AskYesNo(const QString& title, const QString& text) {
  QWidget* over = BoxParent();
  auto box = MakeYesNoBox(title, text, over, Zoom ? Zoom() : 1.0);
  return ExecOver(*box, over) == QMessageBox::Yes;
}

std::unique_ptr<QMessageBox> QtPlatform::MakeOkBoxFor(const QString& title, const QString& text,
                                                      const ShownCard& card,
                                                      QWidget* parent) const {
  const double zoom = Zoom ? Zoom() : 1.0;
  const double ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
  QImage picture, sharp;
  if (Art && IsValidCardId(card.id)) {
    // The card alone on the box's own colour, 160 pixels square at 1x.
    const QColor back = QApplication::palette().color(QPalette::Window);
    picture = PaintShownCard(card, *Art, 1.0, back);
    if (zoom * ratio != 1) sharp = PaintShownCard(card, *Art, zoom * ratio, back);
  }
  return MakeOkBox(title, text, picture, parent, zoom, sharp);
}

void QtPlatform::ShowOk(const QString& title, const QString& text, const ShownCard& card) {
  QWidget* over = BoxParent();
  auto box = MakeOkBoxFor(title, text, card, over);
  ExecOver(*box, over);
}

void QtPlatform::ProcessEvents() {
  if (BeforeEvents) BeforeEvents();
  QCoreApplication::processEvents();
}

void QtPlatform::ShowError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QStringLiteral("KORVANE"), text);
}

}  // namespace korvane
