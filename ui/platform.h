// What the window logic needs from the platform. The real windows use Qt (ui/qt_platform.h);
// tests use a fake that answers questions from a script and records every message.
#pragma once

#include <QString>

namespace korvane {

// A card a message shows beside its text: its identifier 0..39, and whose face (the player's,
// framed in blue, or the enemy's, framed in red and turned round). No card: id -1.
struct ShownCard {
  int id = -1;
  bool enemyFace = false;
  bool operator==(const ShownCard&) const = default;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const QString& title, const QString& text) = 0;
  // Modal OK message, with a card shown in it when one is given.
  virtual void ShowOk(const QString& title, const QString& text,
                      const ShownCard& card = ShownCard()) = 0;
  // Let pending window events run once.
  virtual void ProcessEvents() = 0;
};

}  // namespace korvane
