// Checks over every table that catch slips no playthrough reaches: where each Next leads, the
// captions of every choice, the card and person numbers, the texts.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <deque>
#include <set>

#include "adventure/story/script_table.h"

namespace korvane::story {
namespace {

bool HasOp(const Clause& c, Op op) {
  for (const Action& a : c.actions) {
    if (a.op == op) return true;
  }
  return false;
}

bool IsText(Op op) {
  return op == Op::kSpeech || op == Op::kMessage || op == Op::kNotice || op == Op::kChoices ||
         op == Op::kDrawText || op == Op::kPlayMusic;
}

// Where StartDuel leaves a counter before the engine's increment.
int AdjustedByDuel(int step) {
  int c = step <= 10 ? 11 : step;
  return c > 30 ? 35 : c;
}

bool IsDocumentedPassThrough(const PlaceScript& s, int step) {
  for (const auto& [st, why] : s.passThroughs) {
    if (st == step && why != nullptr && *why != '\0') return true;
  }
  return false;
}

std::vector<int> TargetsOf(const Next& n) {
  switch (n.kind) {
    case NextKind::kGoto:
    case NextKind::kAfterDuel:
      return {n.m[0]};
    case NextKind::kChoice:
      return {n.m[0], n.m[1]};
    case NextKind::kResult:
      return {n.m[0], n.m[1], n.m[2]};
    case NextKind::kFallThrough:
      return {};
  }
  return {};
}

TEST(StoryTables, EveryPlaceHasOneTableWithDistinctSteps) {
  for (int place : ScriptedPlaces()) {
    const PlaceScript* s = ScriptOf(place);
    ASSERT_NE(s, nullptr) << place;
    EXPECT_EQ(s->place, place);
    std::set<int> steps;
    for (const Entry& e : s->entries) {
      EXPECT_TRUE(steps.insert(e.step).second) << "place " << place << " step " << e.step;
    }
  }
  EXPECT_EQ(ScriptOf(6), nullptr);  // the player's own house asks its question in the engine
  EXPECT_EQ(ScriptOf(9), nullptr);
}

TEST(StoryTables, EveryNextLeadsToAnEntryOrADocumentedPassThrough) {
  for (int place : ScriptedPlaces()) {
    const PlaceScript& s = *ScriptOf(place);
    for (const Entry& e : s.entries) {
      for (const Clause& c : e.clauses) {
        for (int m : TargetsOf(c.next)) {
          EXPECT_TRUE(FindEntry(s, m) != nullptr || IsDocumentedPassThrough(s, m))
              << "place " << place << " step " << e.step << " leads to " << m;
        }
      }
      // Every visit of a step must end in a clause that decides: the last one is unguarded.
      ASSERT_FALSE(e.clauses.empty());
      EXPECT_EQ(e.clauses.back().when, nullptr) << "place " << place << " step " << e.step;
      EXPECT_NE(e.clauses.back().next.kind, NextKind::kFallThrough)
          << "place " << place << " step " << e.step;
    }
  }
}

TEST(StoryTables, ChoicesAndDuelsAgreeWithTheEngine) {
  for (int place : ScriptedPlaces()) {
    const PlaceScript& s = *ScriptOf(place);
    for (const Entry& e : s.entries) {
      for (const Clause& c : e.clauses) {
        const std::string where =
            "place " + std::to_string(place) + " step " + std::to_string(e.step);
        // The first answer runs the next step, the second skips it.
        EXPECT_EQ(HasOp(c, Op::kChoices), c.next.kind == NextKind::kChoice) << where;
        if (c.next.kind == NextKind::kChoice) {
          EXPECT_EQ(c.next.m[0], e.step + 1) << where;
          EXPECT_EQ(c.next.m[1], e.step + 2) << where;
        }
        // A duel comes back where StartDuel's adjustment and the increment put the counter.
        EXPECT_EQ(HasOp(c, Op::kDuel), c.next.kind == NextKind::kAfterDuel) << where;
        if (c.next.kind == NextKind::kAfterDuel) {
          EXPECT_EQ(c.next.m[0], AdjustedByDuel(e.step) + 1) << where;
          EXPECT_TRUE(c.next.m[0] == 12 || c.next.m[0] == 36) << where;
        }
        // A step that waits for an answer shows its question in the same step.
        if (HasOp(c, Op::kChoices)) {
          EXPECT_TRUE(HasOp(c, Op::kSpeech) || HasOp(c, Op::kMessage)) << where;
        }
      }
    }
  }
}

TEST(StoryTables, NumbersAreInRangeAndTextsAreWhole) {
  const QRegularExpression marker(QStringLiteral("\\{([a-z]*)\\}"));
  int texts = 0;
  for (int place : ScriptedPlaces()) {
    const PlaceScript& s = *ScriptOf(place);
    for (const Entry& e : s.entries) {
      for (const Clause& c : e.clauses) {
        for (const Action& a : c.actions) {
          const std::string where =
              "place " + std::to_string(place) + " step " + std::to_string(e.step);
          if (a.op == Op::kSetCard || a.op == Op::kAddCard) {
            EXPECT_TRUE(a.a >= 0 && a.a < kPersons) << where;
            EXPECT_TRUE(IsValidCardId(a.b)) << where;
            EXPECT_NE(a.op == Op::kAddCard ? a.c : 1, 0) << where;
          }
          if (a.op == Op::kSetCard) {
            EXPECT_GE(a.c, 0) << where;
          }
          if (a.op == Op::kSetFlag) {
            EXPECT_TRUE(a.a >= 1 && a.a <= 5) << where;
          }
          if (a.op == Op::kShowPortrait || a.op == Op::kHidePortrait) {
            EXPECT_TRUE(a.a >= 0 && a.a <= 5) << where;
          }
          if (a.op == Op::kShowHotSpot) {
            EXPECT_TRUE(a.a >= 0 && a.a <= 8) << where;
          }
          if (a.op == Op::kEnterPlace) {
            EXPECT_NE(ScriptOf(a.a), nullptr) << where;
          }
          if (a.op == Op::kSetStep || a.op == Op::kRaiseStep) {
            const PlaceScript* other = ScriptOf(a.a);
            ASSERT_NE(other, nullptr) << where;
            EXPECT_NE(FindEntry(*other, a.b), nullptr) << where << " sets place " << a.a;
          }
          if (!IsText(a.op)) continue;
          ++texts;
          ASSERT_NE(a.text, nullptr) << where;
          const QString t = QString::fromUtf8(a.text);
          EXPECT_FALSE(t.trimmed().isEmpty()) << where;
          EXPECT_FALSE(t.contains(QChar::ReplacementCharacter)) << where;
          auto it = marker.globalMatch(t);
          while (it.hasNext()) {
            const QString key = it.next().captured(1);
            EXPECT_TRUE(key == "name" || key == "bare" || key == "pronoun") << where;
          }
          if (a.op == Op::kChoices) {
            ASSERT_NE(a.text2, nullptr) << where;
            EXPECT_FALSE(QString::fromUtf8(a.text2).trimmed().isEmpty()) << where;
            EXPECT_NE(t, QString::fromUtf8(a.text2)) << where;
          }
        }
      }
    }
  }
  EXPECT_GT(texts, 250);
}

// A message waits for the click that dismisses it, so a step can show only one: a second one in
// the same visit of a step would wipe the first before anyone read it.
TEST(StoryTables, AStepShowsAtMostOneMessage) {
  for (int place : ScriptedPlaces()) {
    for (const Entry& e : ScriptOf(place)->entries) {
      int common = 0;  // shown by the clauses that only add actions
      for (const Clause& c : e.clauses) {
        int shown = 0;
        for (const Action& a : c.actions) {
          shown += a.op == Op::kSpeech || a.op == Op::kMessage || a.op == Op::kNotice ||
                   a.op == Op::kResult || a.op == Op::kMissingCards;
        }
        EXPECT_LE(common + shown, 1) << "place " << place << " step " << e.step;
        if (c.next.kind == NextKind::kFallThrough) common += shown;
      }
    }
  }
}

// Every entry can be reached: from the first step of the place, from a counter set by another
// place, or from another entry of the same table. A mistyped step number leaves an orphan.
TEST(StoryTables, EveryEntryIsReachable) {
  std::map<int, std::set<int>> starts;
  for (int place : ScriptedPlaces()) starts[place].insert(place == 7 ? -1 : 0);
  for (int place : ScriptedPlaces()) {
    for (const Entry& e : ScriptOf(place)->entries) {
      for (const Clause& c : e.clauses) {
        for (const Action& a : c.actions) {
          if (a.op == Op::kSetStep || a.op == Op::kRaiseStep) starts[a.a].insert(a.b);
        }
      }
    }
  }
  for (int place : ScriptedPlaces()) {
    const PlaceScript& s = *ScriptOf(place);
    std::set<int> seen(starts[place].begin(), starts[place].end());
    std::deque<int> todo(seen.begin(), seen.end());
    while (!todo.empty()) {
      const Entry* e = FindEntry(s, todo.front());
      todo.pop_front();
      if (e == nullptr) continue;
      for (const Clause& c : e->clauses) {
        for (int m : TargetsOf(c.next)) {
          if (seen.insert(m).second) todo.push_back(m);
        }
      }
    }
    for (const Entry& e : s.entries) {
      EXPECT_TRUE(seen.count(e.step)) << "place " << place << " step " << e.step << " is orphaned";
    }
  }
}

}  // namespace
}  // namespace korvane::story
