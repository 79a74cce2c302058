// The real platform of the windows: Qt message boxes and the event loop. Every message box of the
// game, the error box included, is made here.
#pragma once

#include <QMessageBox>
#include <functional>
#include <memory>

#include "ui/platform.h"

class QWidget;

namespace korvane {

class QtPlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const QImage& picture = QImage()) override;
  // Before pending events run, the window in front mirrors its logic, so that a control a
  // handler has just hidden cannot be clicked meanwhile.
  void ProcessEvents() override;
  std::function<void()> BeforeEvents;

  // A fault that ends the game (a count out of range, a card file that cannot be read): one box
  // with the text, over `parent` (may be null).
  static void ShowError(QWidget* parent, const QString& text);

  // The boxes as they are shown (also used to look at them offscreen). Parent: the active window.
  // At a zoom their letters, buttons and picture are that much larger; `sharp` is the picture
  // already painted at the zoom times the screen's pixel ratio, when there is one.
  static std::unique_ptr<QMessageBox> MakeOkBox(const QString& title, const QString& text,
                                                const QImage& picture, QWidget* parent,
                                                double zoom = 1, const QImage& sharp = QImage());
  static std::unique_ptr<QMessageBox> MakeYesNoBox(const QString& title, const QString& text,
                                                   QWidget* parent, double zoom = 1);

  // The zoom the boxes follow, and the painter of their pictures at a device scale.
  std::function<double()> Zoom;
  std::function<QImage(const QImage&, double)> SharpPicture;
};

}  // namespace korvane
