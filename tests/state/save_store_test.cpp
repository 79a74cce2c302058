// The two files on disk: names in any case, damaged saves kept, writes that fail without harm.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "state/save_files.h"
#include "tests/state/save_test_support.h"

namespace korvane {
namespace {

class SaveStoreTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  void WriteRaw(const QString& name, const std::string& bytes) const {
    QFile f(PathOf(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string ReadRaw(const QString& name) const {
    QFile f(PathOf(name));
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
  }
  QStringList Entries() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  }
  GameState AGame() const {
    GameState g;
    NewGameState(g, QStringLiteral("花子さん"), 1);
    g.Collections[0][4] = 2;
    g.TakaharaStep = 40;
    g.PlaceUnlocked[4] = -1;
    return g;
  }

  QTemporaryDir dir_;
  SaveStore store_{dir_.path()};
};

TEST_F(SaveStoreTest, MissingEmptyAndZeroLengthSavesAreNoSave) {
  EXPECT_EQ(store_.HasSavedGame(), SaveStatus::NoSave);
  WriteRaw("KVData.kvd", "");
  QString reason;
  EXPECT_EQ(store_.HasSavedGame(&reason), SaveStatus::NoSave);
  EXPECT_TRUE(reason.isEmpty());
  GameState g;
  EXPECT_FALSE(store_.LoadGame(g));
  EXPECT_TRUE(g.PlayerName.isEmpty());
  // A directory that does not exist yet is simply empty, and is made by the first save.
  SaveStore later(PathOf("not/yet/there"));
  EXPECT_EQ(later.HasSavedGame(), SaveStatus::NoSave);
  ASSERT_TRUE(later.SaveGame(AGame()));
  EXPECT_EQ(later.HasSavedGame(), SaveStatus::Saved);
}

TEST_F(SaveStoreTest, SaveLoadDeleteCycle) {
  const GameState saved = AGame();
  const FileResult result = store_.SaveGame(saved);
  ASSERT_TRUE(result) << result.error.toStdString();
  EXPECT_EQ(Entries(), QStringList{"KVData.kvd"});  // no temporary file left behind
  EXPECT_EQ(QFileInfo(PathOf("KVData.kvd")).size(), kSaveRecordCount * kRecordLength);
  EXPECT_EQ(store_.HasSavedGame(), SaveStatus::Saved);

  GameState loaded;
  loaded.OpponentName = QStringLiteral("高峰 武");
  ASSERT_TRUE(store_.LoadGame(loaded));
  EXPECT_EQ(loaded.PlayerName, QStringLiteral("花子さん"));
  EXPECT_EQ(loaded.PlayerSex, 1);
  EXPECT_EQ(loaded.Collections, saved.Collections);
  EXPECT_EQ(loaded.TakaharaStep, 40);
  EXPECT_EQ(loaded.FairyTreeStep, -1);
  EXPECT_EQ(loaded.PlaceUnlocked, saved.PlaceUnlocked);
  EXPECT_EQ(loaded.OpponentName, QStringLiteral("高峰 武"));

  ASSERT_TRUE(store_.DeleteSave());
  EXPECT_TRUE(Entries().isEmpty());
  EXPECT_EQ(store_.HasSavedGame(), SaveStatus::NoSave);
  EXPECT_TRUE(store_.DeleteSave());  // nothing there: not an error
}

TEST_F(SaveStoreTest, NamesInAnyCaseAreTheSameFile) {
  WriteRaw("kvdata.kvd", HandWrittenSave());
  EXPECT_EQ(store_.HasSavedGame(), SaveStatus::Saved);
  GameState g;
  ASSERT_TRUE(store_.LoadGame(g));
  EXPECT_EQ(g.PlayerName, QStringLiteral("太郎君"));

  g.SquareStep = 77;
  ASSERT_TRUE(store_.SaveGame(g));
  EXPECT_EQ(Entries(), QStringList{"kvdata.kvd"});  // written in place, not beside it
  EXPECT_EQ(ReadRecordInt(ReadRaw("kvdata.kvd"), 290), 77);

  // Two spellings: the canonical one is the save; saving leaves only that one.
  WriteRaw("KVDATA.KVD", "");
  WriteRaw("KVData.kvd", HandWrittenSave());
  ASSERT_TRUE(store_.SaveGame(g));
  EXPECT_EQ(Entries(), QStringList{"KVData.kvd"});
  EXPECT_EQ(ReadRecordInt(ReadRaw("KVData.kvd"), 290), 77);

  // Deleting removes every spelling, so an old copy can never come back as the save.
  WriteRaw("kvDATA.kvd", HandWrittenSave());
  ASSERT_TRUE(store_.DeleteSave());
  EXPECT_TRUE(Entries().isEmpty());

  WriteRaw("CONDITION.KVD", EncodeSettingsImage([] {
             SoundSwitches s;
             s.EffectCaption = QStringLiteral("効果音：ＯＦＦ");
             return s;
           }()));
  SoundSwitches s;
  store_.LoadSettings(s);
  EXPECT_FALSE(s.EffectsOn());
  ASSERT_TRUE(store_.SaveSettings(s));
  EXPECT_EQ(Entries(), QStringList{"CONDITION.KVD"});
}

TEST_F(SaveStoreTest, SettingsFile) {
  SoundSwitches s;
  store_.LoadSettings(s);  // no file: built-in captions
  EXPECT_TRUE(s.MusicOn());
  EXPECT_TRUE(s.EffectsOn());

  std::string onlyRecord1;
  AppendTextRecord(onlyRecord1,
                   "\x89\xb9\x8a\x79\x81\x46\x82\x6e\x82\x65\x82\x65");  // 音楽：ＯＦＦ
  WriteRaw("Condition.kvd", onlyRecord1);
  store_.LoadSettings(s);
  EXPECT_EQ(s.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_EQ(s.EffectCaption, QStringLiteral("効果音：ＯＮ"));

  s.EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  ASSERT_TRUE(store_.SaveSettings(s));
  const std::string written = ReadRaw("Condition.kvd");
  EXPECT_EQ(written.size(), size_t{2 * kRecordLength});
  EXPECT_EQ(written.substr(0, 12),
            std::string("\x0c\x00\x89\xb9\x8a\x79\x81\x46\x82\x6e\x82\x65", 12));
  SoundSwitches back;
  store_.LoadSettings(back);
  EXPECT_EQ(back.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_EQ(back.EffectCaption, QStringLiteral("効果音：ＯＦＦ"));
}

TEST_F(SaveStoreTest, DamagedSaveIsReportedKeptAndMovedAsideOnRequest) {
  std::string damaged = HandWrittenSave();
  damaged[0] = '\x7f';  // name length 127
  WriteRaw("KVData.kvd", damaged);
  QString reason;
  EXPECT_EQ(store_.HasSavedGame(&reason), SaveStatus::Damaged);
  EXPECT_TRUE(reason.contains(QStringLiteral("127"))) << reason.toStdString();
  GameState g;
  QString error;
  EXPECT_FALSE(store_.LoadGame(g, &error));
  EXPECT_EQ(error, reason);
  EXPECT_TRUE(g.PlayerName.isEmpty());
  EXPECT_EQ(ReadRaw("KVData.kvd"), damaged);  // reading never changes or removes it

  WriteRaw("KVData.kvd.damaged-1", "older");
  QString movedTo;
  ASSERT_TRUE(store_.KeepDamagedSaveAside(&movedTo));
  EXPECT_EQ(QFileInfo(movedTo).fileName(), QStringLiteral("KVData.kvd.damaged-2"));
  EXPECT_EQ(ReadRaw("KVData.kvd.damaged-2"), damaged);
  EXPECT_EQ(ReadRaw("KVData.kvd.damaged-1"), "older");
  EXPECT_EQ(store_.HasSavedGame(), SaveStatus::NoSave);  // the moved files are not the save

  // A save that is a directory cannot be read: reported, not taken for "no save".
  ASSERT_TRUE(QDir(dir_.path()).mkdir("KVData.kvd"));
  EXPECT_EQ(store_.HasSavedGame(&reason), SaveStatus::Damaged);
}

TEST_F(SaveStoreTest, FailedWritesAreReportedAndKeepTheOldSave) {
  // The target is a directory: nothing can be renamed over it.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Condition.kvd"));
  const FileResult settings = store_.SaveSettings(SoundSwitches{});
  EXPECT_FALSE(settings);
  EXPECT_FALSE(settings.error.isEmpty());
  EXPECT_TRUE(QFileInfo(PathOf("Condition.kvd")).isDir());

  // A name that cannot be written fails before the disk is touched.
  WriteRaw("KVData.kvd", HandWrittenSave());
  GameState g = AGame();
  g.PlayerName = QString::fromUtf8("\U0001F600君");
  EXPECT_FALSE(store_.SaveGame(g));
  EXPECT_EQ(ReadRaw("KVData.kvd"), HandWrittenSave());

  // The disk fills up in the middle of the write (a file size limit stands in for it).
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult full = store_.SaveGame(AGame());
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(full);
  EXPECT_FALSE(full.error.isEmpty());
  EXPECT_EQ(ReadRaw("KVData.kvd"), HandWrittenSave());
  EXPECT_EQ(Entries(), (QStringList{"Condition.kvd", "KVData.kvd"}));  // no temporary left

  // A directory that refuses new files (not for root, who may write anywhere).
  if (geteuid() != 0) {
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    const FileResult readOnly = store_.SaveGame(AGame());
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(ReadRaw("KVData.kvd"), HandWrittenSave());
  }
}

}  // namespace
}  // namespace korvane
