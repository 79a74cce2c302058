// The record of duels and its file: what each report counts, the file across a restart and a
// save and reload of the game, damaged files set aside, and a new game keeping the old record.
#include "state/statistics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "state/save_files.h"

namespace korvane {
namespace {

std::string ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

DuelReport Report(int opponent, DuelResult result, int me, int them, int won, int lost,
                  bool forfeit = false) {
  return {opponent, result, me, them, forfeit, won, lost};
}

TEST(StatisticsTest, EachReportCountsWhatTheDuelDecided) {
  using R = OpponentRecord;
  const struct {
    const char* what;
    DuelReport report;
    OpponentRecord expected;  // duels wins losses draws pwins plosses won lost hints
  } cases[] = {
      {"win 3-2", Report(1, DuelResult::PlayerWon, 3, 2, 3, 0), R{1, 1, 0, 0, 0, 0, 3, 0, 0}},
      {"perfect win", Report(2, DuelResult::PlayerWon, 5, 0, 5, 0), R{1, 1, 0, 0, 1, 0, 5, 0, 0}},
      {"win with none left to the enemy but own face down",
       Report(2, DuelResult::PlayerWon, 4, 0, 5, 0), R{1, 1, 0, 0, 0, 0, 5, 0, 0}},
      {"loss 1-3", Report(3, DuelResult::EnemyWon, 1, 3, 0, 4), R{1, 0, 1, 0, 0, 0, 0, 4, 0}},
      {"perfect loss", Report(4, DuelResult::EnemyWon, 0, 5, 0, 5), R{1, 0, 1, 0, 0, 1, 0, 5, 0}},
      {"draw", Report(5, DuelResult::Draw, 2, 2, 0, 0), R{1, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"forfeit", Report(6, DuelResult::Draw, 0, 0, 0, 5, true), R{1, 0, 1, 0, 0, 1, 0, 5, 0}},
      {"速水: a win moves no card", Report(6, DuelResult::PlayerWon, 5, 0, 0, 0),
       R{1, 1, 0, 0, 1, 0, 0, 0, 0}},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    Statistics s(dir.path());
    s.Record(c.report);
    EXPECT_EQ(s.Against(c.report.Opponent), c.expected) << c.what;
    EXPECT_EQ(s.Total(), c.expected) << c.what;
  }
  // Nobody else is counted; hints only for the six.
  Statistics s(dir.path());
  for (int nobody : {-1, 0, 7}) {
    s.Record(Report(nobody, DuelResult::PlayerWon, 3, 2, 3, 0));
    s.CountHint(nobody);
  }
  EXPECT_TRUE(s.IsEmpty());
  s.CountHint(3);
  s.CountHint(3);
  EXPECT_EQ(s.Against(3).Hints, 2);
}

TEST(StatisticsTest, RecordSurvivesARestartAndASaveAndReloadOfTheGame) {
  QTemporaryDir dir;
  SaveStore store(dir.path());
  GameState g;
  NewGameState(g, QStringLiteral("太郎君"), 0);
  {
    Statistics s(dir.path());
    EXPECT_EQ(s.Load(), QString());  // no file yet: fresh, nothing to tell
    s.Record(Report(1, DuelResult::PlayerWon, 3, 2, 3, 0));
    s.Record(Report(1, DuelResult::EnemyWon, 0, 5, 0, 5));
    s.Record(Report(4, DuelResult::Draw, 1, 1, 0, 0));
    s.CountHint(4);
    s.RecordReview(1, 0.75, 1, 0);
    s.RecordReview(1, 0.5, 2, 1);
    EXPECT_EQ(s.WriteError(), QString());
    ASSERT_TRUE(store.SaveGame(g).ok);
  }
  // The save keeps its fixed size: the record is not in it.
  EXPECT_EQ(QFile(store.SavePath()).size(), 295 * 128);
  GameState loaded;
  ASSERT_TRUE(store.LoadGame(loaded));
  Statistics again(dir.path());
  EXPECT_EQ(again.Load(), QString());
  EXPECT_EQ(again.Against(1), (OpponentRecord{2, 1, 1, 0, 0, 1, 3, 5, 0, 2, 1250, 3, 1}));
  EXPECT_DOUBLE_EQ(*again.Against(1).AverageAccuracy(), 0.625);
  EXPECT_FALSE(again.Against(4).AverageAccuracy());
  EXPECT_EQ(again.Against(4), (OpponentRecord{1, 0, 0, 1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(again.Total().Duels, 3);
  // A file of the version before the reviews reads, with no reviews counted.
  std::string one = Statistics::Encode({});
  one.replace(one.find("statistics 2"), 12, "statistics 1");
  for (size_t at = 0; (at = one.find("\t0\t0\t0\t0\n", at)) != std::string::npos;) {
    one.replace(at, 9, "\n");
  }
  WriteAll(again.Path(), one);
  EXPECT_EQ(again.Load(), QString());
  EXPECT_TRUE(again.IsEmpty());
  // Nothing but the file itself is left beside the save (no temporary files).
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
            QStringList({QStringLiteral("KVData.kvd"), QStringLiteral("Statistics.txt")}));
}

TEST(StatisticsTest, DamagedFileIsKeptAsideToldAndPlayGoesOnFresh) {
  std::array<OpponentRecord, kPersons> some{};
  some[2] = {3, 1, 1, 1, 0, 1, 2, 5, 4, 2, 1500, 3, 4};
  const std::string good = Statistics::Encode(some);
  auto replace = [good](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"garbage", "\x01\x02\xff\xfe not a record"},
      {"cut short", good.substr(0, good.size() / 2)},
      {"no end line", replace("end\n", "")},
      {"other version", replace("statistics 2", "statistics 9")},
      {"accuracy over the whole", replace("\t1500\t", "\t2500\t")},
      {"a version 1 file with review columns", replace("statistics 2", "statistics 1")},
      {"not a number", replace("\t4\n", "\tfour\n")},
      {"negative", replace("\t4\n", "\t-4\n")},
      {"sums disagree", replace("3\t1\t1\t1", "4\t1\t1\t1")},
      {"more perfect losses than losses", replace("\t1\t0\t1\t", "\t1\t0\t2\t")},
      {"a name changed", replace("真道 祐樹", "真道")},
      {"too long", good + std::string(70 * 1024, '#')},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    Statistics s(dir.path());
    WriteAll(s.Path(), c.bytes);
    const QString message = s.Load();
    EXPECT_TRUE(message.contains(QStringLiteral("壊れて"))) << c.what;
    EXPECT_TRUE(message.contains(QStringLiteral("Statistics.txt.damaged-1"))) << c.what;
    EXPECT_EQ(ReadAll(s.Path() + ".damaged-1"), c.bytes) << c.what;
    EXPECT_TRUE(s.IsEmpty()) << c.what;
    // Play goes on: the next duel writes a sound file that reads back.
    s.Record(Report(2, DuelResult::PlayerWon, 3, 2, 3, 0));
    Statistics again(dir.path());
    EXPECT_EQ(again.Load(), QString()) << c.what;
    EXPECT_EQ(again.Against(2).Wins, 1) << c.what;
  }
  // The sound file itself reads, also with Windows line ends; a second damage takes the next name.
  QTemporaryDir dir;
  Statistics s(dir.path());
  std::string crlf;
  for (char ch : good) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  WriteAll(s.Path(), crlf);
  EXPECT_EQ(s.Load(), QString());
  EXPECT_EQ(s.Against(2), some[2]);
  WriteAll(s.Path() + ".damaged-1", "old");
  WriteAll(s.Path(), "bad");
  EXPECT_TRUE(s.Load().contains(QStringLiteral(".damaged-2")));
  EXPECT_EQ(ReadAll(s.Path() + ".damaged-1"), "old");
}

TEST(StatisticsTest, NewGameKeepsTheOldFileAsThePreviousGames) {
  QTemporaryDir dir;
  Statistics s(dir.path());
  EXPECT_EQ(s.PreviousGamePath(), QString());
  s.Record(Report(5, DuelResult::PlayerWon, 3, 2, 3, 0));
  const std::string first = ReadAll(s.Path());
  ASSERT_TRUE(s.StartNewGame().ok);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.PreviousGamePath(), s.Path() + ".previous-1");
  EXPECT_EQ(ReadAll(s.Path() + ".previous-1"), first);
  Statistics reread(dir.path());
  EXPECT_EQ(reread.Load(), QString());
  EXPECT_TRUE(reread.IsEmpty());
  // A new game with nothing recorded keeps no empty copy; the next real record is kept as well.
  ASSERT_TRUE(s.StartNewGame().ok);
  EXPECT_EQ(s.PreviousGamePath(), s.Path() + ".previous-1");
  s.Record(Report(3, DuelResult::EnemyWon, 1, 3, 0, 4));
  const std::string second = ReadAll(s.Path());
  ASSERT_TRUE(s.StartNewGame().ok);
  EXPECT_EQ(s.PreviousGamePath(), s.Path() + ".previous-2");
  EXPECT_EQ(ReadAll(s.Path() + ".previous-1"), first);
  EXPECT_EQ(ReadAll(s.Path() + ".previous-2"), second);
}

TEST(StatisticsTest, FailedWriteIsReportedAndTheFiguresStay) {
  QTemporaryDir dir;
  const QString notADirectory = dir.filePath(QStringLiteral("file"));
  WriteAll(notADirectory, "x");
  Statistics s(notADirectory);
  s.Record(Report(1, DuelResult::PlayerWon, 3, 2, 3, 0));
  EXPECT_FALSE(s.WriteError().isEmpty());
  EXPECT_EQ(s.Against(1).Wins, 1);
  EXPECT_FALSE(s.StartNewGame().ok);
}

}  // namespace
}  // namespace korvane
