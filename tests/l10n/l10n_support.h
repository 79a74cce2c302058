// What the English-edition tests share: the translation installed for one test, the story's
// table texts listed with their kinds, and the search for Japanese left in an English text.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "adventure/story/script_table.h"
#include "app/translations.h"
#include "engine/card_table.h"
#include "state/language.h"
#include "tests/engine/engine_test_support.h"

namespace korvane::testing {

// The English translation as the build made it, installed for the life of the object.
class EnglishInstalled {
 public:
  EnglishInstalled() {
    QString error;
    installed_ = edition_.Use(QStringLiteral("en"), &error);
    EXPECT_TRUE(installed_) << error.toStdString();
  }
  bool ok() const { return installed_; }

 private:
  Edition edition_{QStringLiteral(KORVANE_DATA_DIR)};
  bool installed_ = false;
};

// A text of a place table: the kind of action that shows it, and the source text.
struct TableText {
  int place;
  int step;
  story::Op op;
  const char* source;
};

inline std::vector<TableText> StoryTableTexts() {
  std::vector<TableText> texts;
  for (int place : story::ScriptedPlaces()) {
    for (const story::Entry& e : story::ScriptOf(place)->entries) {
      for (const story::Clause& c : e.clauses) {
        for (const story::Action& a : c.actions) {
          switch (a.op) {
            case story::Op::kChoices:
              texts.push_back({place, e.step, a.op, a.text2});
              [[fallthrough]];
            case story::Op::kSpeech:
            case story::Op::kMessage:
            case story::Op::kNotice:
            case story::Op::kDrawText:
              texts.push_back({place, e.step, a.op, a.text});
              break;
            default:
              break;
          }
        }
      }
    }
  }
  return texts;
}

// The Japanese characters of a text (kana, kanji, Japanese punctuation and full-width forms);
// empty for a text an English reader can read. "※", "♪" and "×" are not among them.
inline QString JapaneseIn(const QString& text) {
  QString found;
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
        (u >= 0xFF00 && u <= 0xFFEF)) {
      found += ch;
    }
  }
  return found;
}

// The cards of assets/cards.tsv, English names included.
inline std::vector<CardRecord> CardTableSource() { return test::SourceRecords(); }

}  // namespace korvane::testing
