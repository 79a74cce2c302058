// The real platform of the windows: Qt message boxes and the event loop.
#pragma once

#include <QMessageBox>
#include <memory>

#include "duel/platform.h"

class QWidget;

namespace korvane {

class QtPlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const QImage& picture = QImage()) override;
  void ProcessEvents() override;

  // The boxes as they are shown (also used to look at them offscreen). Parent: the active window.
  static std::unique_ptr<QMessageBox> MakeOkBox(const QString& title, const QString& text,
                                                const QImage& picture, QWidget* parent);
  static std::unique_ptr<QMessageBox> MakeYesNoBox(const QString& title, const QString& text,
                                                   QWidget* parent);
};

}  // namespace korvane
