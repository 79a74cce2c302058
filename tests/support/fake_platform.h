// The one fake platform of the window tests: Yes/No answers from a script (then a default, or a
// failed test when no default is set), every question and message recorded with its title, text
// and card, and hooks for the player acting while a box is up or while events run.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "ui/platform.h"

// Readable failures for the game's texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace korvane::test {

struct Message {
  QString title, text;
  ShownCard card;
  QString Line() const { return title + u'|' + text; }  // "title|text"
};

class FakePlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override;
  void ShowOk(const QString& title, const QString& text, const ShownCard& card) override;
  void ProcessEvents() override;

  // How many questions (or messages) had this title.
  int Asked(const QString& title) const;
  int Told(const QString& title) const;

  std::deque<bool> answers;                  // taken in order
  std::optional<bool> defaultAnswer = true;  // none: a question past the script fails the test
  std::vector<Message> questions, messages;
  // The player clicking while a question or a message is up, or while events run.
  std::function<void()> whileAsking, whileShowing, onEvents;
  int eventRuns = 0;
};

}  // namespace korvane::test
