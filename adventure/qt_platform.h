// The adventure window's platform: modal message boxes and one round of pending events.
#pragma once

#include <QWidget>
#include <functional>

#include "duel/platform.h"

namespace korvane {

class QtPlatform : public Platform {
 public:
  // beforeEvents runs before pending events are let through (the view mirrors the logic then, so
  // a hidden control cannot be clicked in the meantime).
  explicit QtPlatform(std::function<QWidget*()> parent = {},
                      std::function<void()> beforeEvents = {})
      : parent_(std::move(parent)), beforeEvents_(std::move(beforeEvents)) {}
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const QImage& picture) override;
  void ProcessEvents() override;

 private:
  QWidget* Parent() const;
  std::function<QWidget*()> parent_;
  std::function<void()> beforeEvents_;
};

}  // namespace korvane
