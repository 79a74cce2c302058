// The record layer: byte images of the save and the settings, built here by hand from the
// record layout, and everything the game writes read back value for value.
#include "state/save_image.h"

#include <gtest/gtest.h>

#include "state/game_state.h"
#include "tests/state/save_test_support.h"

namespace korvane {
namespace {

TEST(NewGame, StartingCollectionsAndCounters) {
  GameState g;
  g.Collections[0][5] = 3;  // the player's collection keeps its value
  g.PlaceUnlocked[3] = -1;
  NewGameState(g, QStringLiteral("太郎君"), 0);
  const int totals[kPersons] = {3, 42, 23, 58, 27, 15, 8};
  for (int p = 0; p < kPersons; ++p) EXPECT_EQ(g.TotalCards(p), totals[p]) << "person " << p;
  EXPECT_EQ(g.Collections[3][9], 12);
  EXPECT_EQ(g.Collections[6][38], 1);
  EXPECT_EQ(g.Collections[6][39], 0);
  EXPECT_EQ(g.FairyTreeStep, -1);
  EXPECT_EQ(g.PlaceUnlocked[3], 0);
  EXPECT_EQ(g.PlayerName, QStringLiteral("太郎君"));

  EXPECT_EQ(PersonIndex(QStringLiteral("速水 結")), 6);
  EXPECT_EQ(PersonName(1), QStringLiteral("高原 良絵"));
  EXPECT_EQ(PersonIndex(QStringLiteral("速水結")), -1);
  EXPECT_EQ(g.StepCounter(6), nullptr);
  EXPECT_EQ(g.StepCounter(8), &g.SquareStep);
}

TEST(SaveImage, ReadsAFileWrittenByteByByteFromTheLayout) {
  const std::string image = HandWrittenSave();
  GameState g;
  g.OpponentName = QStringLiteral("風見 誠");  // not in the save: stays
  QString reason;
  ASSERT_EQ(DecodeSaveImage(image, &g, &reason), SaveStatus::Saved) << reason.toStdString();
  EXPECT_EQ(g.PlayerName, QStringLiteral("太郎君"));
  EXPECT_EQ(g.PlayerSex, 1);
  for (int p = 0; p < kPersons; ++p) {
    for (int k = 0; k < kCardKinds; ++k) EXPECT_EQ(g.Collections[p][k], (p * 7 + k) % 13);
  }
  EXPECT_EQ(g.TakaharaStep, 11);
  EXPECT_EQ(g.TakamineStep, 112);
  EXPECT_EQ(g.OldHouseStep, 7);
  EXPECT_EQ(g.FairyTreeStep, -1);
  EXPECT_EQ(g.SquareStep, 300);
  EXPECT_EQ(g.PlaceUnlocked[1], -1);
  EXPECT_EQ(g.PlaceUnlocked[2], 0);
  EXPECT_EQ(g.PlaceUnlocked[5], -1);
  EXPECT_EQ(g.OpponentName, QStringLiteral("風見 誠"));
}

TEST(SaveImage, SaveLoadSaveKeepsTheValueBytesOfEveryRecord) {
  const std::string first = HandWrittenSave();
  GameState g;
  ASSERT_EQ(DecodeSaveImage(first, &g, nullptr), SaveStatus::Saved);
  QString error;
  const std::optional<std::string> second = EncodeSaveImage(g, false, &error);
  ASSERT_TRUE(second) << error.toStdString();
  EXPECT_EQ(second->size(), size_t{kSaveRecordCount * kRecordLength});
  GameState again;
  ASSERT_EQ(DecodeSaveImage(*second, &again, nullptr), SaveStatus::Saved);
  const std::optional<std::string> third = EncodeSaveImage(again, false, &error);
  ASSERT_TRUE(third);
  for (int r = 1; r <= kSaveRecordCount; ++r) {
    const std::string want = RecordValueBytes(first, r, IsTextRecord(r));
    EXPECT_EQ(RecordValueBytes(*second, r, IsTextRecord(r)), want) << "record " << r;
    EXPECT_EQ(RecordValueBytes(*third, r, IsTextRecord(r)), want) << "record " << r;
  }
  EXPECT_EQ(*second, *third);
  // Everything after a value is zero padding.
  EXPECT_EQ((*second)[2 + 6], '\0');
  EXPECT_EQ((*second)[kRecordLength * 2 + 5], '\0');
}

TEST(SaveImage, OldHouseVariantStoresZeroAsOldHouseStep) {
  GameState g;
  NewGameState(g, QStringLiteral("花子さん"), 1);
  g.OldHouseStep = 5;
  g.SquareStep = 9;
  const std::optional<std::string> image = EncodeSaveImage(g, true, nullptr);
  ASSERT_TRUE(image);
  EXPECT_EQ(ReadRecordInt(*image, kOldHouseStepRecord), 0);
  GameState back;
  ASSERT_EQ(DecodeSaveImage(*image, &back, nullptr), SaveStatus::Saved);
  EXPECT_EQ(back.OldHouseStep, 0);
  EXPECT_EQ(back.SquareStep, 9);
  EXPECT_EQ(back.FairyTreeStep, -1);
  EXPECT_EQ(g.OldHouseStep, 5);  // the running game keeps its step
}

TEST(SaveImage, EmptyNameIsNoSaveAndRecordsPastTheEndReadAsZero) {
  EXPECT_EQ(DecodeSaveImage("", nullptr, nullptr), SaveStatus::NoSave);
  EXPECT_EQ(DecodeSaveImage(std::string(2, '\0'), nullptr, nullptr), SaveStatus::NoSave);
  std::string emptyName = HandWrittenSave();
  emptyName[0] = emptyName[1] = '\0';
  EXPECT_EQ(DecodeSaveImage(emptyName, nullptr, nullptr), SaveStatus::NoSave);
  EXPECT_EQ(ReadRecordInt("", 295), 0);
  EXPECT_EQ(ReadRecordBytes(std::string(130, 'x'), 3), "");
  EXPECT_EQ(ReadRecordInt(std::string(129, '\x05'), 2), 5);
}

// Each kind of damage is reported with the record it concerns, and nothing is taken over.
TEST(SaveImage, DamagedImagesAreReportedAndNeverHalfLoaded) {
  struct Case {
    const char* what;
    std::string image;
    const char* reasonHas;
  };
  std::string longName = HandWrittenSave();
  longName[0] = 127;
  std::string badText = HandWrittenSave();
  badText[2] = '\x81';  // lead byte followed by a byte that cannot trail it
  badText[3] = '\x20';
  std::string cutInTheMiddle = HandWrittenSave().substr(0, 150 * kRecordLength);
  std::string cutInAValue = HandWrittenSave().substr(0, 294 * kRecordLength + 1);
  std::string cutName = HandWrittenSave().substr(0, 4);
  std::string negativeCount = HandWrittenSave();
  PutLe16(negativeCount, (CollectionRecord(3, 9) - 1) * kRecordLength, -2);
  std::string badSex = HandWrittenSave();
  PutLe16(badSex, kRecordLength, 7);
  const Case cases[] = {
      {"length prefix over 126", longName, "記録 1"},
      {"not code page 932", badText, "記録 1"},
      {"records missing after 150", cutInTheMiddle, "記録 151"},
      {"last value cut", cutInAValue, "記録 295"},
      {"name cut", cutName, "記録 1"},
      {"negative count", negativeCount, "記録 132"},
      {"sex out of range", badSex, "記録 2"},
      {"one byte", std::string(1, '\x03'), "短すぎ"},
  };
  for (const Case& c : cases) {
    GameState g;
    g.PlayerName = QStringLiteral("untouched");
    g.Collections[1][1] = 99;
    QString reason;
    EXPECT_EQ(DecodeSaveImage(c.image, &g, &reason), SaveStatus::Damaged) << c.what;
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.reasonHas)))
        << c.what << ": " << reason.toStdString();
    EXPECT_EQ(g.PlayerName, QStringLiteral("untouched")) << c.what;
    EXPECT_EQ(g.Collections[1][1], 99) << c.what;
  }
  // A last record shorter than 128 bytes is fine as long as its value is whole.
  EXPECT_EQ(DecodeSaveImage(HandWrittenSave().substr(0, 294 * kRecordLength + 2), nullptr, nullptr),
            SaveStatus::Saved);
}

TEST(SaveImage, TextThroughCodePage932) {
  // U+301C (WAVE DASH) is stored as 81 60, which reads back as U+FF5E (FULLWIDTH TILDE).
  const QString waveDash = QString::fromUtf8("波\u301Cさん");
  EXPECT_EQ(CheckPlayerName(waveDash), QString());
  GameState g;
  NewGameState(g, waveDash, 1);
  const std::optional<std::string> image = EncodeSaveImage(g, false, nullptr);
  ASSERT_TRUE(image);
  EXPECT_EQ(ReadRecordBytes(*image, 1), std::string("\x94\x67\x81\x60\x82\xb3\x82\xf1"));
  GameState back;
  ASSERT_EQ(DecodeSaveImage(*image, &back, nullptr), SaveStatus::Saved);
  EXPECT_EQ(back.PlayerName, QString::fromUtf8("波\uFF5Eさん"));
  EXPECT_EQ(NormalizeSavedText(waveDash), back.PlayerName);

  // A character that code page 932 does not have is refused by name, and never written.
  const QString emoji = QString::fromUtf8("太郎\U0001F600君");
  const QString refusal = CheckPlayerName(emoji);
  EXPECT_TRUE(refusal.contains(QString::fromUtf8("\U0001F600"))) << refusal.toStdString();
  g.PlayerName = emoji;
  QString error;
  EXPECT_FALSE(EncodeSaveImage(g, false, &error));
  EXPECT_EQ(error, refusal);

  // 126 bytes fit, 127 do not: 61 full-width letters + "さん" is 126, one more ASCII is 127.
  const QString fits = QString(61, QChar(0x3042)) + QStringLiteral("さん");
  EXPECT_EQ(CheckPlayerName(fits), QString());
  EXPECT_FALSE(CheckPlayerName(QStringLiteral("a") + fits).isEmpty());
  EXPECT_FALSE(CheckPlayerName(QString::fromUtf8("※") + fits).isEmpty());
  g.PlayerName = fits;
  const std::optional<std::string> full = EncodeSaveImage(g, false, nullptr);
  ASSERT_TRUE(full);
  EXPECT_EQ(ReadRecordInt(*full, 1), 126);
  g.PlayerName = QStringLiteral("a") + fits;
  EXPECT_FALSE(EncodeSaveImage(g, false, nullptr));
}

TEST(SettingsImage, CaptionsByRecord) {
  SoundSwitches s;
  std::string onlyMusic;
  AppendTextRecord(onlyMusic, "\x89\xb9\x8a\x79\x81\x46\x82\x6e\x82\x65\x82\x65");  // 音楽：ＯＦＦ
  DecodeSettingsImage(onlyMusic, s);
  EXPECT_EQ(s.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_EQ(s.EffectCaption, QStringLiteral("効果音：ＯＮ"));

  SoundSwitches off;
  off.MusicCaption = QStringLiteral("音楽：ＯＦＦ");
  off.EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  SoundSwitches back;
  DecodeSettingsImage(EncodeSettingsImage(off), back);
  EXPECT_FALSE(back.MusicOn());
  EXPECT_FALSE(back.EffectsOn());
  EXPECT_EQ(back.EffectCaption, QStringLiteral("効果音：ＯＦＦ"));

  // A record that holds something else, or is garbled, leaves its switch alone.
  std::string garbage;
  AppendTextRecord(garbage, "hello");
  AppendTextRecord(garbage, std::string("\x81\x20", 2));
  DecodeSettingsImage(garbage, back);
  EXPECT_EQ(back.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_EQ(back.EffectCaption, QStringLiteral("効果音：ＯＦＦ"));
}

}  // namespace
}  // namespace korvane
