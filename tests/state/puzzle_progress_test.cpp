// The puzzle progress: Glicko-2 against the worked example of its description, attempts moving
// the rating and the solved list across a restart, and damaged files set aside.
#include "state/puzzle_progress.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korvane {
namespace {

TEST(PuzzleProgressTest, GlickoFollowsTheWorkedExample) {
  // Glickman's example: 1500 / 200 / 0.06 beats 1400 / 30, loses to 1550 / 100 and 1700 / 300.
  const GlickoRating after =
      GlickoUpdate({1500, 200, 0.06}, {{1400, 30, 1}, {1550, 100, 0}, {1700, 300, 0}});
  EXPECT_NEAR(after.rating, 1464.06, 0.01);
  EXPECT_NEAR(after.deviation, 151.52, 0.01);
  EXPECT_NEAR(after.volatility, 0.05999, 0.00001);
  // A win against a harder puzzle gains more than against an easier one; a loss costs.
  const GlickoRating fresh;
  const double easy = GlickoUpdate(fresh, {{PuzzleRating(1), kPuzzleDeviation, 1}}).rating;
  const double hard = GlickoUpdate(fresh, {{PuzzleRating(5), kPuzzleDeviation, 1}}).rating;
  EXPECT_GT(hard, easy);
  EXPECT_GT(easy, fresh.rating);
  EXPECT_LT(GlickoUpdate(fresh, {{PuzzleRating(3), kPuzzleDeviation, 0}}).rating, fresh.rating);
}

TEST(PuzzleProgressTest, AttemptsSurviveARestartAndDamageIsSetAside) {
  QTemporaryDir dir;
  PuzzleProgress progress(dir.path());
  EXPECT_TRUE(progress.Load().isEmpty());  // no file yet
  progress.Record("7-0001", 3, true);
  const GlickoRating once = progress.Rating();
  progress.Record("7-0001", 3, false);  // known already: nothing changes
  progress.Record("7-0002", 2, false);
  EXPECT_LT(progress.Rating().rating, once.rating);
  // A puzzle of the player's own duels under the same id is another puzzle.
  progress.Record("7-0001", 1, true, PuzzleSet::Own);
  EXPECT_EQ(progress.Attempts(), 3);
  EXPECT_GT(once.rating, 1500);
  EXPECT_EQ(progress.SolvedCount(), 3u);
  EXPECT_TRUE(progress.WriteError().isEmpty());

  PuzzleProgress again(dir.path());
  EXPECT_TRUE(again.Load().isEmpty());
  EXPECT_EQ(again.SolvedIds(), (std::set<std::string>{"7-0001", "7-0002"}));
  EXPECT_EQ(again.SolvedIds(PuzzleSet::Own), (std::set<std::string>{"7-0001"}));
  EXPECT_FALSE(again.Solved("7-0002", PuzzleSet::Own));
  EXPECT_NEAR(again.Rating().rating, progress.Rating().rating, 1e-9);
  EXPECT_EQ(again.Attempts(), 3);

  const char* damaged[] = {
      "{not json",
      R"({"v":2,"solved":[],"rating":1500,"deviation":350,"volatility":0.06,"attempts":0})",
      R"({"v":1,"solved":[3],"rating":1500,"deviation":350,"volatility":0.06,"attempts":0})",
      R"({"v":1,"solved":[],"rating":-4,"deviation":350,"volatility":0.06,"attempts":0})",
      R"({"v":1,"solved":[],"rating":1500,"deviation":350,"volatility":0.06})",
      R"({"v":1,"solved":[],"own_solved":"x","rating":1500,"deviation":350,"volatility":0.06,"attempts":0})",
  };
  int n = 0;
  for (const char* text : damaged) {
    SCOPED_TRACE(text);
    {
      QFile f(progress.Path());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(text);
    }
    PuzzleProgress read(dir.path());
    EXPECT_FALSE(read.Load().isEmpty());
    EXPECT_EQ(read.SolvedCount(), 0u);
    EXPECT_EQ(read.Rating(), GlickoRating{});
    EXPECT_FALSE(QFile::exists(progress.Path()));
    QFile kept(progress.Path() + QStringLiteral(".damaged-%1").arg(++n));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toStdString(), text);
  }
}

}  // namespace
}  // namespace korvane
