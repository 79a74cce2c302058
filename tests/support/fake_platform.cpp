#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane::test {

bool FakePlatform::AskYesNo(const QString& title, const QString& text) {
  questions.push_back({title, text, {}});
  if (whileAsking) whileAsking();
  if (!answers.empty()) {
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  if (!defaultAnswer) ADD_FAILURE() << "unexpected question: " << text.toStdString();
  return defaultAnswer.value_or(false);
}

void FakePlatform::ShowOk(const QString& title, const QString& text, const ShownCard& card) {
  messages.push_back({title, text, card});
  if (whileShowing) whileShowing();
}

void FakePlatform::ProcessEvents() {
  ++eventRuns;
  if (onEvents) onEvents();
}

int FakePlatform::Asked(const QString& title) const {
  return static_cast<int>(std::count_if(questions.begin(), questions.end(),
                                        [&](const Message& m) { return m.title == title; }));
}

int FakePlatform::Told(const QString& title) const {
  return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                        [&](const Message& m) { return m.title == title; }));
}

}  // namespace korvane::test
