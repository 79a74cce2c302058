// The real platform of the windows: Qt message boxes and the event loop. Every message box of the
// game, the error box included, is made here.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <memory>

#include "ui/platform.h"

class QWidget;

namespace korvane {
class SharpArt;
}

namespace korvane {

class QtPlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text,
              const ShownCard& card = ShownCard()) override;
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

  // The OK box as ShowOk shows it over `parent`, at the zoom, its card painted from `Art`.
  std::unique_ptr<QMessageBox> MakeOkBoxFor(const QString& title, const QString& text,
                                            const ShownCard& card, QWidget* parent) const;

  // The zoom the boxes follow, and the pictures a shown card is painted from (without them, a
  // box shows no card).
  std::function<double()> Zoom;
  const SharpArt* Art = nullptr;

 private:
  // The window a box goes over: the one in front, or the one the last box was over while the
  // keyboard is on its way back to it (boxes come one after another: the cards of a result).
  QWidget* BoxParent();
  // The box run to its answer, and the keyboard given back to `over` then: not every window
  // system does that itself, and keys (a controller's too) would go nowhere.
  static int ExecOver(QMessageBox& box, QWidget* over);
  QPointer<QWidget> lastOver_;
};

}  // namespace korvane
