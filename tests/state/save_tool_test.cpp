// korvane-tool reads what the game writes, and says why when a file is not a save.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "state/save_files.h"
#include "tests/state/save_test_support.h"

namespace korvane {
namespace {

struct ToolRun {
  int status = -1;
  QString out;
  QString err;
};

ToolRun RunTool(const QStringList& args) {
  QProcess tool;
  tool.start(QStringLiteral(KORVANE_TOOL), args);
  EXPECT_TRUE(tool.waitForFinished(30000));
  return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
          QString::fromUtf8(tool.readAllStandardOutput()),
          QString::fromUtf8(tool.readAllStandardError())};
}

TEST(SaveTool, DumpsAndChecksWhatTheGameWrote) {
  QTemporaryDir dir;
  SaveStore store(dir.path());
  GameState g;
  NewGameState(g, QStringLiteral("真琴さん"), 1);
  g.Collections[0][17] = 4;
  g.TakamineStep = 62;
  g.OldHouseStep = 3;
  g.PlaceUnlocked[5] = -1;
  ASSERT_TRUE(store.SaveGame(g, true));
  const QString path = store.SavePath();

  const ToolRun dump = RunTool({"save", "dump", path});
  ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
  EXPECT_TRUE(dump.out.contains(QStringLiteral("name: 真琴さん")));
  EXPECT_TRUE(dump.out.contains(QStringLiteral("sex: 1")));
  EXPECT_TRUE(dump.out.contains(QStringLiteral("0 player [4]: 17:4\n")));
  EXPECT_TRUE(
      dump.out.contains(QStringLiteral("6 速水 結 [8]: 0:1 29:1 31:1 32:1 33:1 34:1 35:1 38:1\n")));
  EXPECT_TRUE(dump.out.contains(QStringLiteral("TakamineStep 62\n")));
  EXPECT_TRUE(dump.out.contains(QStringLiteral("OldHouseStep 0\n")));  // old-house save
  EXPECT_TRUE(dump.out.contains(QStringLiteral("FairyTreeStep -1\n")));
  EXPECT_TRUE(dump.out.contains(QStringLiteral("PlaceUnlocked(5) -1\n")));

  const ToolRun check = RunTool({"save", "check", path});
  EXPECT_EQ(check.status, 0) << check.err.toStdString();
}

TEST(SaveTool, CheckRefusesWhatIsNotASave) {
  QTemporaryDir dir;
  auto write = [&](const QString& name, const std::string& bytes) {
    QFile f(QDir(dir.path()).filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return f.fileName();
  };
  std::string garbled = HandWrittenSave();
  garbled[0] = '\x90';  // length 400
  garbled[1] = '\x01';
  std::string cut = HandWrittenSave().substr(0, 200 * kTestRecordLength);
  const struct {
    QString path;
    const char* reasonHas;
  } cases[] = {
      {write("long", garbled), "400"},
      {write("cut", cut), "201"},
      {write("empty", ""), "empty"},
      {QDir(dir.path()).filePath("absent"), "no such file"},
  };
  for (const auto& c : cases) {
    for (const char* command : {"check", "dump"}) {
      const ToolRun run = RunTool({"save", command, c.path});
      EXPECT_EQ(run.status, 2) << command << " " << c.path.toStdString();
      EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.reasonHas))) << run.err.toStdString();
      EXPECT_TRUE(run.out.isEmpty());
    }
  }
  EXPECT_EQ(RunTool({"save", "check", write("good", HandWrittenSave())}).status, 0);
}

}  // namespace
}  // namespace korvane
