// What the window logic needs from the platform. The real windows use Qt (ui/qt_platform.h);
// tests use a fake that answers questions from a script and records every message.
#pragma once

#include <QImage>
#include <QString>

namespace korvane {

class Platform {
 public:
  virtual ~Platform() = default;
  // Modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const QString& title, const QString& text) = 0;
  // Modal OK message, with an optional picture shown in it.
  virtual void ShowOk(const QString& title, const QString& text,
                      const QImage& picture = QImage()) = 0;
  // Let pending window events run once.
  virtual void ProcessEvents() = 0;
};

}  // namespace korvane
