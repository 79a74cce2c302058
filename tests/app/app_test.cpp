// What main sets up around the windows: the stall probe's verdicts and Qt's own Japanese.
#include <gtest/gtest.h>

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/stall_probe.h"
#include "app/translations.h"

namespace korvane {
namespace {

// One step of the GUI thread, at a time in ms: an event starts or ends, or the loop waits.
struct Step {
  double at;
  char what;  // 'S' event starts, 'F' event finishes, 'B' loop blocks, 'A' loop wakes
  int type = QEvent::None;
};

TEST(StallProbe, ReportsBusyStretchesOnlyAndNamesWhatRan) {
  const ProbedEvent timer{QEvent::Timer, "QTimer", "korvane::ADVKorvaneWindow", {}, 10};
  const ProbedEvent click{QEvent::MouseButtonRelease, "QPushButton", nullptr, "Command2"};
  struct Case {
    const char* name;
    std::vector<Step> steps;
    QStringList expected;  // parts of each report line, in order
    double worst;
  } cases[] = {
      {"waiting for input is no stall",
       {{0, 'B'}, {900, 'A'}, {902, 'S', QEvent::Timer}, {904, 'F'}},
       {},
       2},
      {"a slow timer handler",
       {{0, 'S', QEvent::Timer}, {150, 'F'}},
       {"GUI停止 150 ms: Timer → QTimer（10 ms 間隔、親 korvane::ADVKorvaneWindow）"},
       150},
      {"a modal box keeps the loop alive",
       {{0, 'S', QEvent::MouseButtonRelease},
        {5, 'B'},
        {3000, 'A'},
        {3001, 'S', QEvent::Timer},
        {3003, 'F'},
        {3004, 'B'},
        {6000, 'A'},
        {6010, 'F'}},
       {},
       10},
      {"long work before a nested processEvents is the outer handler's",
       {{0, 'S', QEvent::MouseButtonRelease}, {80, 'S', QEvent::Timer}, {81, 'F'}, {82, 'F'}},
       {"GUI停止 80 ms: MouseButtonRelease → QPushButton「Command2」"},
       80},
      {"start-up before the loop runs",
       {{400, 'B'}},
       {"GUI停止 400 ms: イベントの外（起動処理）"},
       400},
      {"busy between events, after a click",
       {{0, 'S', QEvent::MouseButtonRelease}, {5, 'F'}, {205, 'B'}},
       {"GUI停止 200 ms: イベントの外（直前: MouseButtonRelease → QPushButton「Command2」）"},
       200},
      {"just under the threshold", {{0, 'S', QEvent::Timer}, {50, 'F'}}, {}, 50},
      {"events delivered after a wait that never said it woke",
       {{0, 'B'}, {500, 'S', QEvent::Timer}, {620, 'F'}, {621, 'B'}},
       {"GUI停止 120 ms: Timer"},
       120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    double now = 0;
    QStringList lines;
    StallProbe probe(
        50, [&] { return now; }, [&](const QString& l) { lines << l; });
    for (const Step& s : c.steps) {
      now = s.at;
      switch (s.what) {
        case 'S':
          probe.EventStarted(s.type == QEvent::Timer ? timer : click);
          break;
        case 'F':
          probe.EventFinished();
          break;
        case 'B':
          probe.AboutToBlock();
          break;
        case 'A':
          probe.Awake();
          break;
      }
    }
    ASSERT_EQ(lines.size(), c.expected.size()) << lines.join('\n').toStdString();
    for (int i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].contains(c.expected[i])) << lines[i].toStdString();
    }
    EXPECT_EQ(probe.Reports(), c.expected.size());
    EXPECT_DOUBLE_EQ(probe.WorstMs(), c.worst);
  }
}

TEST(StallProbe, TellsOnceWhenTheFirstWindowHasPainted) {
  double now = 0;
  StallProbe probe(
      1000, [&] { return now; }, [](const QString&) {});
  int painted = 0;
  probe.OnFirstWindowPainted = [&] { ++painted; };
  ProbedEvent child{QEvent::Paint, "QLabel", "QWidget", {}};
  ProbedEvent window{QEvent::Paint, "korvane::ADVKorvaneWindow", nullptr, {}};
  window.windowPaint = true;
  probe.EventStarted(child);
  probe.EventFinished();
  EXPECT_EQ(painted, 0);
  for (int i = 0; i < 2; ++i) {
    probe.EventStarted(window);
    probe.EventFinished();
  }
  EXPECT_EQ(painted, 1);
}

// Message boxes answer in the edition's language: Qt's own Japanese with the Japanese edition,
// Qt's English with the English one, and Japanese again when English cannot be had.
TEST(Edition, MessageBoxButtonsSpeakTheEditionsLanguage) {
  auto yesNo = [] {
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text() + "/" + box.button(QMessageBox::No)->text();
  };
  const QString english = yesNo();
  ASSERT_EQ(english, "&Yes/&No");
  QTemporaryDir empty;
  {
    Edition edition(QStringLiteral(KORVANE_DATA_DIR));
    Edition broken(empty.path());  // no English translation in it
    const struct {
      Edition* edition;
      const char* language;
      const char* buttons;
    } steps[] = {
        {&edition, "ja", "はい(&Y)/いいえ(&N)"}, {&edition, "en", "&Yes/&No"},
        {&edition, "ja", "はい(&Y)/いいえ(&N)"}, {&edition, "en", "&Yes/&No"},
        {&broken, "en", "はい(&Y)/いいえ(&N)"},
    };
    for (const auto& step : steps) {
      SCOPED_TRACE(step.language);
      step.edition->Use(QString::fromLatin1(step.language));
      EXPECT_EQ(yesNo(), QString::fromUtf8(step.buttons));
    }
  }
  EXPECT_EQ(yesNo(), english);  // the editions took their translations with them
}

}  // namespace
}  // namespace korvane
