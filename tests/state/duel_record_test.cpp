// The duel record: every field through a line and back, lines that are not records, damaged
// files kept aside while the game goes on, the newest thousand kept, and replays of a record.
#include "state/duel_record.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTimeZone>

#include "ai/selfplay.h"
#include "tests/engine/engine_test_support.h"

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

const QDateTime kStart = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0), Qt::UTC);

// A record with every field away from its default: a forfeit after three placements.
DuelRecord Sample(int n = 0) {
  DuelRecord r;
  r.PlayerHand = {8, 9, 9, 13, 39};
  r.EnemyHand = {10, 11, 0, 16, 17};
  r.PlayerFirst = false;
  r.Moves = {{true, 2, 3, 5}, {false, 4, 1, 3}, {true, 0, 3, 1}};
  r.Opponent = 6;
  r.Master = true;
  r.Practice = true;
  r.Forfeit = true;
  r.Result = DuelResult::EnemyWon;
  r.PlayerScore = 1;
  r.EnemyScore = 2;
  r.When = kStart.addSecs(n);
  return r;
}

std::string Line(const DuelRecord& r) {
  return QJsonDocument(ToJson(r)).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

TEST(DuelRecordTest, EveryFieldGoesThroughALineAndTheFileAndBack) {
  const DuelRecord r = Sample();
  const std::string line = Line(r);
  EXPECT_NE(line.find("\"v\":1"), std::string::npos);
  EXPECT_NE(line.find("\"when\":\"2026-12-09T10:15:00Z\""), std::string::npos);
  EXPECT_NE(line.find("\"moves\":[\"e2@3,5\",\"p4@1,3\",\"e0@3,1\"]"), std::string::npos);
  EXPECT_EQ(FromJson(ToJson(r)), r);
  // A settled duel with the other value of every flag, and a time given in another zone.
  DuelRecord settled = Sample();
  settled.PlayerFirst = true;
  settled.Master = settled.Practice = settled.Forfeit = false;
  settled.Moves.assign(10, Placement{false, 1, 2, 3});
  settled.Result = DuelResult::PlayerWon;
  settled.PlayerScore = 3;
  settled.When = QDateTime(QDate(2026, 12, 9), QTime(19, 15, 0), QTimeZone(9 * 3600));
  const std::optional<DuelRecord> back = FromJson(ToJson(settled));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, settled);
  EXPECT_EQ(back->When.timeSpec(), Qt::UTC);

  QTemporaryDir dir;
  DuelRecordFile file(dir.path());
  EXPECT_EQ(file.Load(), QString());  // nothing there yet, nothing to tell
  QString problem;
  ASSERT_TRUE(file.Append(r, &problem)) << problem.toStdString();
  ASSERT_TRUE(file.Append(settled, &problem)) << problem.toStdString();
  EXPECT_EQ(ReadAll(file.Path()), Line(r) + Line(settled));
  DuelRecordFile again(dir.path());
  EXPECT_EQ(again.Load(), QString());
  EXPECT_EQ(again.Duels(), (std::vector<DuelRecord>{r, settled}));
}

TEST(DuelRecordTest, AnythingButAWholeRecordIsRefused) {
  const QJsonObject good = ToJson(Sample());
  const std::vector<std::pair<const char*, QJsonValue>> changes = {
      {"v", 2},
      {"v", QJsonValue()},
      {"when", QStringLiteral("yesterday")},
      {"opponent", 0},
      {"opponent", 7},
      {"opponent", 2.5},
      {"master", 1},
      {"forfeit", QStringLiteral("true")},
      {"player", QJsonArray{1, 2, 3, 4}},
      {"enemy", QJsonArray{1, 2, 3, 4, 40}},
      {"first", QStringLiteral("nobody")},
      {"moves", QJsonArray{QStringLiteral("p5@3,3")}},
      {"moves", QJsonArray{QStringLiteral("p1@3,6")}},
      {"moves", QJsonArray{3}},
      {"moves", QJsonArray{"p0@3,3", "p0@3,3", "p0@3,3", "p0@3,3", "p0@3,3", "p0@3,3", "p0@3,3",
                           "p0@3,3", "p0@3,3", "p0@3,3", "p0@3,3"}},
      {"result", QStringLiteral("win")},  // a forfeit is a loss
      {"count", QJsonObject{{QStringLiteral("player"), 6}, {QStringLiteral("enemy"), 0}}},
      {"count", QJsonValue()},
  };
  for (const auto& [key, value] : changes) {
    QJsonObject o = good;
    if (value.isNull()) {
      o.remove(QLatin1String(key));
    } else {
      o[QLatin1String(key)] = value;
    }
    std::string why;
    EXPECT_FALSE(FromJson(o, &why)) << key;
    EXPECT_FALSE(why.empty()) << key;
  }
  // A settled duel needs its ten placements and the result its counts give.
  QJsonObject settled = good;
  settled[QLatin1String("forfeit")] = false;
  EXPECT_FALSE(FromJson(settled));
  settled[QLatin1String("moves")] = QJsonArray{"p0@3,3", "e0@3,3", "p0@3,3", "e0@3,3", "p0@3,3",
                                               "e0@3,3", "p0@3,3", "e0@3,3", "p0@3,3", "e0@3,3"};
  EXPECT_TRUE(FromJson(settled));
  settled[QLatin1String("result")] = QStringLiteral("draw");
  EXPECT_FALSE(FromJson(settled));
}

TEST(DuelRecordTest, DamageIsKeptAsideToldOnceAndTheGameGoesOn) {
  const std::string a = Line(Sample(1)), b = Line(Sample(2)), c = Line(Sample(3));
  const struct {
    const char* what;
    std::string file;
    std::vector<DuelRecord> kept;  // the duels that stay
    std::string aside;  // what duels.jsonl.damaged-1 holds; "" the whole file, "-" nothing
  } cases[] = {
      {"cut off mid-line", a + b + c.substr(0, 40), {Sample(1), Sample(2)}, c.substr(0, 40) + "\n"},
      {"garbled line",
       a + "{\"v\":1,\xff\xfe garbage\n" + b,
       {Sample(1), Sample(2)},
       "{\"v\":1,\xff\xfe garbage\n"},
      {"not an object", "[1,2,3]\n" + a + "42\n", {Sample(1)}, "[1,2,3]\n42\n"},
      {"no good line", "\x01\x02\x03 not a record\n", {}, ""},
      {"only the last \"\\n\" missing", a + b.substr(0, b.size() - 1), {Sample(1), Sample(2)}, "-"},
  };
  for (const auto& t : cases) {
    QTemporaryDir dir;
    DuelRecordFile file(dir.path());
    WriteAll(file.Path(), t.file);
    const QString told = file.Load();
    EXPECT_EQ(file.Duels(), t.kept) << t.what;
    const QString aside = file.Path() + QStringLiteral(".damaged-1");
    if (t.aside == "-") {  // nothing damaged
      EXPECT_EQ(told, QString());
      EXPECT_FALSE(QFile::exists(aside));
      continue;
    }
    EXPECT_FALSE(told.isEmpty()) << t.what;
    EXPECT_EQ(ReadAll(aside), t.aside.empty() ? t.file : t.aside) << t.what;
    EXPECT_TRUE(told.contains(aside)) << t.what;
    // Told once: the next start finds a sound file; the next duel is recorded after the rest.
    EXPECT_EQ(DuelRecordFile(dir.path()).Load(), QString()) << t.what;
    QString problem;
    EXPECT_TRUE(file.Append(Sample(4), &problem)) << t.what;
    EXPECT_EQ(problem, QString()) << t.what;
    std::string expected;
    for (const DuelRecord& r : t.kept) expected += Line(r);
    EXPECT_EQ(ReadAll(file.Path()), expected + Line(Sample(4))) << t.what;
    EXPECT_EQ(ReadAll(aside), t.aside.empty() ? t.file : t.aside) << t.what;
  }
}

TEST(DuelRecordTest, AFolderInPlaceOfTheFileIsMovedAsideWithWhatItHolds) {
  QTemporaryDir dir;
  DuelRecordFile file(dir.path());
  ASSERT_TRUE(QDir().mkpath(file.Path()));
  WriteAll(file.Path() + QStringLiteral("/inside.txt"), "kept");
  // Appending first loads, and the message comes back with the append.
  QString problem;
  EXPECT_TRUE(file.Append(Sample(), &problem));
  EXPECT_FALSE(problem.isEmpty());
  EXPECT_EQ(ReadAll(file.Path() + QStringLiteral(".damaged-1/inside.txt")), "kept");
  EXPECT_EQ(ReadAll(file.Path()), Line(Sample()));
  // A second damaged file takes the next number; the first stays.
  WriteAll(file.Path(), "garbage");
  EXPECT_FALSE(file.Load().isEmpty());
  EXPECT_EQ(ReadAll(file.Path() + QStringLiteral(".damaged-2")), "garbage");
  EXPECT_TRUE(file.Duels().empty());
  // Looking only: the damage is told and left where it is.
  WriteAll(file.Path(), Line(Sample()) + "garbage\n");
  EXPECT_FALSE(file.Load(DuelRecordFile::Damage::LeaveAlone).isEmpty());
  EXPECT_EQ(file.Duels(), std::vector<DuelRecord>{Sample()});
  EXPECT_FALSE(QFile::exists(file.Path() + QStringLiteral(".damaged-3")));
  EXPECT_FALSE(file.Append(Sample(1)));  // never written over damage it did not keep aside
  EXPECT_EQ(ReadAll(file.Path()), Line(Sample()) + "garbage\n");
}

TEST(DuelRecordTest, TheNewestThousandDuelsStay) {
  QTemporaryDir dir;
  DuelRecordFile file(dir.path());
  std::vector<DuelRecord> many;
  for (int n = 0; n < kDuelRecordLimit; ++n) many.push_back(Sample(n));
  ASSERT_TRUE(file.AppendAll(many));
  ASSERT_TRUE(file.Append(Sample(kDuelRecordLimit)));
  ASSERT_TRUE(file.Append(Sample(kDuelRecordLimit + 1)));
  DuelRecordFile again(dir.path());
  EXPECT_EQ(again.Load(), QString());
  ASSERT_EQ(again.Duels().size(), static_cast<size_t>(kDuelRecordLimit));
  EXPECT_EQ(again.Duels().front(), Sample(2));
  EXPECT_EQ(again.Duels().back(), Sample(kDuelRecordLimit + 1));
  // A longer file written by someone else is read to its newest thousand as well.
  std::string text;
  for (int n = 0; n < kDuelRecordLimit + 5; ++n) text += Line(Sample(n));
  WriteAll(again.Path(), text);
  EXPECT_EQ(again.Load(), QString());
  EXPECT_EQ(again.Duels().front(), Sample(5));
}

TEST(DuelRecordTest, ReplayingARecordGivesItsCounts) {
  const CardTable cards = test::SourceCardTable();
  SeededRandom rng(7);
  SelfPlayLog log;
  const DuelOutcome out = PlaySelfPlayDuel(cards, {"風見 誠", true}, {"", false}, rng, &log);
  DuelRecord r;
  std::copy(log.playerHand.begin(), log.playerHand.end(), r.PlayerHand.begin());
  std::copy(log.enemyHand.begin(), log.enemyHand.end(), r.EnemyHand.begin());
  r.PlayerFirst = log.playerFirst;
  r.Moves = log.moves;
  r.Result = out.result;
  r.PlayerScore = out.PlayerScore;
  r.EnemyScore = out.EnemyScore;
  const RecordReplay replay = ReplayRecord(r, cards);
  EXPECT_TRUE(replay.legal && replay.countsMatch) << replay.problem;
  EXPECT_EQ(replay.count.player, out.PlayerScore);
  EXPECT_EQ(replay.count.enemy, out.EnemyScore);

  DuelRecord forfeit = r;  // abandoned after four placements, at the board's count then
  forfeit.Moves.resize(4);
  forfeit.Forfeit = true;
  forfeit.Result = DuelResult::EnemyWon;
  const RecordReplay part = ReplayRecord(forfeit, cards);
  forfeit.PlayerScore = part.count.player;
  forfeit.EnemyScore = part.count.enemy;
  EXPECT_TRUE(ReplayRecord(forfeit, cards).countsMatch);

  DuelRecord wrongCount = r, wrongFirst = r, wrongMove = r;
  wrongCount.PlayerScore = (r.PlayerScore + 1) % 6;
  wrongFirst.PlayerFirst = !r.PlayerFirst;
  std::swap(wrongMove.Moves[0], wrongMove.Moves[1]);  // out of turn
  for (const DuelRecord* bad : {&wrongCount, &wrongFirst, &wrongMove}) {
    const RecordReplay replayed = ReplayRecord(*bad, cards);
    EXPECT_FALSE(replayed.countsMatch);
    EXPECT_FALSE(replayed.problem.empty());
  }
  EXPECT_TRUE(ReplayRecord(wrongCount, cards).legal);
  EXPECT_FALSE(ReplayRecord(wrongMove, cards).legal);
}

}  // namespace
}  // namespace korvane
