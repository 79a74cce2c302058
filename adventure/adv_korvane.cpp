// ADVKorvane: construction, the title layer and profile, closing, the sound switches and the
// adventure music loop.
#include "adventure/adv_korvane.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "adventure/story/player_name.h"
#include "engine/card_table.h"
#include "engine/random.h"
#include "state/game_state.h"
#include "state/save_files.h"
#include "ui/fonts.h"

namespace korvane {
namespace {

// The captions are the logic's values and stay Japanese; the view shows them translated.
const QString kNewGame = QString::fromUtf8(QT_TRANSLATE_NOOP("Title", "ニューゲーム"));
const QString kContinue = QString::fromUtf8(QT_TRANSLATE_NOOP("Title", "続きから"));
const QString kBegin = QString::fromUtf8(QT_TRANSLATE_NOOP("Title", "始める"));
const QString kRules = QString::fromUtf8(QT_TRANSLATE_NOOP("Title", "ゲーム説明"));
const QString kMale = QStringLiteral("男");

}  // namespace

ADVKorvane::ADVKorvane(GameState& state, SaveStore& files, SoundSystem& sound, Platform& platform,
                       AdventureHost& host, AdventurePictures pictures, const CardTable* cards)
    : state_(state),
      files_(files),
      sound_(sound),
      platform_(platform),
      host_(host),
      pictures_(std::move(pictures)),
      cards_(cards),
      runner_(&RunPlaceStep),
      music_(sound.CreateMusicDevice()) {
  pictureLog_.ClearToArt(ArtKind::Town);
  commands_[0] = {true, kNewGame};
  commands_[1] = {true, kContinue};
  commands_[2] = {true, kRules};
  commands_[3] = {true, sound_.Switches().MusicCaption};
  commands_[4] = {true, sound_.Switches().EffectCaption};
  // At start-up the map offers only 真道's house and the player's own.
  clickerVisible_[1] = true;
  clickerVisible_[6] = true;
  music_->SetFileName(QStringLiteral("opening.mid"));
  music_->OnDone = [this] { MMControl1_Done(); };
}

QImage& ADVKorvane::Canvas() const {
  if (picture1_.isNull()) picture1_ = pictures_.Town().copy();
  return picture1_;
}

ADVKorvane::~ADVKorvane() {
  if (music_) music_->OnDone = nullptr;
}

// Window load: the save, the switches, the title music.
void ADVKorvane::Form_Load() {
  // Is there a saved game? A damaged one is put aside (never deleted) and the title
  // offers only a new game.
  QString reason;
  SaveStatus status = files_.HasSavedGame(&reason);
  if (status == SaveStatus::Damaged) {
    RefuseSave(reason);
    status = SaveStatus::NoSave;
  }
  // An earlier version of the game moved a continued save aside while it ran; such a copy goes
  // back into its place, unless a save written since supersedes it.
  if (files_.HasResumeCopy()) {
    if (status == SaveStatus::Saved) {
      (void)files_.DiscardResumeCopy();
    } else if (const FileResult restored = files_.RestoreResumeCopy(); !restored) {
      platform_.ShowOk(QCoreApplication::translate("Messages", "セーブデータ"), restored.error);
    } else {
      status = files_.HasSavedGame(&reason);
      if (status == SaveStatus::Damaged) {
        RefuseSave(reason);
        status = SaveStatus::NoSave;
      }
    }
  }
  commands_[1].visible = status == SaveStatus::Saved;
  // The two switches.
  files_.LoadSettings(sound_.Switches());
  commands_[3].caption = sound_.Switches().MusicCaption;
  commands_[4].caption = sound_.Switches().EffectCaption;
  // Title music.
  music_->Close();
  music_->Open();
  if (sound_.Switches().MusicOn()) music_->Play();
}

// A save that cannot be loaded is told once, moved aside under another name, and the title then
// offers only a new game.
void ADVKorvane::RefuseSave(const QString& why) {
  QString newPath;
  const FileResult kept = files_.KeepDamagedSaveAside(&newPath);
  QString text = QCoreApplication::translate(
      "Messages", "セーブデータが壊れているため、続きから始めることはできません。");
  if (!why.isEmpty()) text += QCoreApplication::translate("Messages", "\n（%1）").arg(why);
  if (kept) {
    text +=
        QCoreApplication::translate("Messages", "\n壊れたファイルは「%1」として残してあります。")
            .arg(newPath);
  } else {
    text += QStringLiteral("\n%1").arg(kept.error);
  }
  platform_.ShowOk(QCoreApplication::translate("Messages", "セーブデータ"), text);
  commands_[1].visible = false;
}

void ADVKorvane::Command1_Click() {
  if (!commands_[0].visible || !picture5_.visible || !windowVisible_) return;
  // The save need not exist for the start to discard it: a missing save is no error.
  commands_[0].visible = false;
  commands_[2].visible = false;
  commands_[1] = {true, kBegin};
  frame1Visible_ = true;
}

void ADVKorvane::Command2_Click() {
  if (!commands_[1].visible || !picture5_.visible || !windowVisible_) return;
  // The profile is checked before the old save is discarded, so that a refused name
  // never costs the player the save.
  if (frame1Visible_) {
    if (text1_.isEmpty()) return;
    if (text1_.startsWith(QStringLiteral("※"))) {
      platform_.ShowOk(
          QCoreApplication::translate("Messages", "名前再入力"),
          QCoreApplication::translate("Messages", "※から始まる名前はマスターしか使えません。"));
      return;
    }
    // Every message that shows the name must hold it with its honorific and a master mark.
    if (text1_.size() > story::NameLengthLimit()) {
      platform_.ShowOk(
          QCoreApplication::translate("Messages", "名前再入力"),
          QCoreApplication::translate("Messages", "名前は %1 文字までです（いまは %2 文字）。")
              .arg(story::NameLengthLimit())
              .arg(text1_.size()));
      return;
    }
    // The longest form the name can take must also go into the save.
    const QString problem = CheckPlayerName(QStringLiteral("※") + text1_ + Honorific());
    if (!problem.isEmpty()) {
      platform_.ShowOk(QCoreApplication::translate("Messages", "名前再入力"), problem);
      return;
    }
  }
  // A new game discards the old save.
  if (commands_[1].caption == kBegin) {
    (void)files_.DeleteSave();
    StartGame(false);
    return;
  }
  // Continuing: a save that went missing or was damaged since start-up is told, and the title
  // stays.
  QString error;
  if (files_.LoadGame(state_, &error)) {
    StartGame(true);
  } else if (!error.isEmpty()) {
    RefuseSave(error);
  } else {
    platform_.ShowOk(
        QCoreApplication::translate("Messages", "セーブデータ"),
        QCoreApplication::translate("Messages", "セーブデータが見つかりませんでした。"));
    commands_[1].visible = false;
  }
}

QString ADVKorvane::Honorific() const {
  return combo1_ == kMale ? QStringLiteral("君") : QStringLiteral("さん");
}

// "続きから" or "始める" accepted: leave the title for the town.
void ADVKorvane::StartGame(bool loaded) {
  // Hide the title layer.
  for (ControlState& c : commands_) c.visible = false;
  frame1Visible_ = false;
  picture5_.visible = false;
  // A game starts with a fresh random sequence from the clock (the duel window takes
  // another whenever it opens).
  if (rng_) rng_->SeedFromClock();
  currentPlace_ = -1;
  // A loaded game gets the map its flags build; a new game keeps the first one. The name
  // is kept in the form it will be read back from the save.
  if (loaded) {
    ShowTownMap();
  } else {
    NewGameState(state_, NormalizeSavedText(text1_ + Honorific()), combo1_ == kMale ? 0 : 1);
    if (OnNewGame) OnNewGame();
  }
  // The player's portrait.
  const int sex = state_.PlayerSex == 1 ? 1 : 0;
  playerPicVisible_[sex] = true;
  playerPicVisible_[1 - sex] = false;
  // A continued game's save stays in its place until a newer save replaces it or a new game is
  // begun: quitting without saving, a crash or a power cut never costs the last save. (The game
  // once deleted it as a game started, so that yes to "セーブしないで終わりますか？" lost it.)
  if (!loaded) (void)files_.DeleteSave();
  ShowMessage(WhereToGo());
  // The town music: the loop restarts the device with the new file.
  music_->SetFileName(QStringLiteral("BGM.mid"));
  music_->Close();
  picture1Visible_ = true;
}

void ADVKorvane::Command3_Click() {
  if (!commands_[2].visible || !picture5_.visible || !windowVisible_) return;
  music_->Close();
  state_.TutorialMode = -1;
  state_.TutorialPage = 1;
  windowVisible_ = false;
  host_.OpenDuelWindow(true);
}

void ADVKorvane::Command4_Click() {
  if (!commands_[3].visible || !windowVisible_ || ended_) return;
  if (sound_.Switches().MusicCaption != QStringLiteral("音楽：ＯＮ")) {
    sound_.Switches().MusicCaption = QStringLiteral("音楽：ＯＮ");
    commands_[3].caption = sound_.Switches().MusicCaption;
    music_->Close();
    music_->Open();
    music_->Play();
  } else {
    sound_.Switches().MusicCaption = QStringLiteral("音楽：ＯＦＦ");
    commands_[3].caption = sound_.Switches().MusicCaption;
    music_->Close();
  }
}

void ADVKorvane::Command5_Click() {
  if (!commands_[4].visible || !windowVisible_ || ended_) return;
  if (sound_.Switches().EffectCaption != QStringLiteral("効果音：ＯＮ")) {
    sound_.Switches().EffectCaption = QStringLiteral("効果音：ＯＮ");
  } else {
    sound_.Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  }
  commands_[4].caption = sound_.Switches().EffectCaption;
}

bool ADVKorvane::Form_QueryUnload() {
  // The switches are written on every close. A settings file that cannot be written
  // costs only the two switches: the player is told, and may still quit.
  SaveSettingsOrTell();
  // Still on the title screen: no game, nothing kept for resuming is touched.
  if (picture5_.visible && state_.TakamineStep < 112) return true;
  // After the ending there is nothing left to lose; otherwise the player decides.
  if (state_.TakamineStep < 112 &&
      !platform_.AskYesNo(
          QCoreApplication::translate("Messages", "ゲーム終了"),
          QCoreApplication::translate("Messages", "セーブしないで終わりますか？"))) {
    return false;
  }
  // Ending without saving ends the play since the last save; that save stays.
  return true;
}

void ADVKorvane::EndWithoutQuestion() {
  if (ended_) return;
  // The settings are written; a game in progress is not saved, and its last save stays for the
  // next start to offer.
  const FileResult saved = files_.SaveSettings(sound_.Switches());
  if (!saved) std::fprintf(stderr, "korvane: %s\n", qPrintable(saved.error));
  ended_ = true;
  host_.Quit();
}

void ADVKorvane::SaveSettingsOrTell() {
  const FileResult saved = files_.SaveSettings(sound_.Switches());
  if (!saved) {
    platform_.ShowOk(
        QCoreApplication::translate("Messages", "設定"),
        QCoreApplication::translate("Messages", "音楽と効果音の設定を保存できませんでした。\n") +
            saved.error);
  }
}

void ADVKorvane::DuelWindowClosed() { windowVisible_ = true; }

// The loop: a finished piece starts again, except while a duel runs, during 高峰's story and in
// the old house.
void ADVKorvane::MMControl1_Done() {
  if (!windowVisible_) return;
  if (state_.TakamineStep >= 50 && state_.TakamineStep <= 61) return;
  if (currentPlace_ == 5) return;
  music_->Close();
  RestartMusicIfOn();
}

void ADVKorvane::RestartMusicIfOn() {
  music_->Open();
  if (sound_.Switches().MusicOn()) music_->Play();
}

void ADVKorvane::MusicStop() { music_->Close(); }

void ADVKorvane::MusicResume() { RestartMusicIfOn(); }

void ADVKorvane::PlayMusicFile(const QString& fileName) {
  music_->SetFileName(fileName);
  RestartMusicIfOn();
}

bool ADVKorvane::SaveGameOldHouse() {
  const FileResult saved = files_.SaveGame(state_, true);
  if (saved) return true;
  platform_.ShowOk(
      QCoreApplication::translate("Messages", "セーブ失敗"),
      QCoreApplication::translate("Messages", "セーブできませんでした。\n") + saved.error);
  return false;
}

QString ADVKorvane::CardName(int cardId) {
  if (!cards_ || cardId < 0 || cardId >= kCardKinds) return {};
  return QString::fromStdString(cards_->Name(cardId));
}

void ADVKorvane::FillLightGrey() {
  ++pictureRevision_;
  QPainter p(&Canvas());
  p.drawImage(picture1_.rect(), pictures_.LightTile());
  pictureLog_.Fill();
}

void ADVKorvane::DrawTextAt(int xTwips, int yTwips, const QString& text) {
  const int x = xTwips / kTwipsPerPixel;
  const int y = yTwips / kTwipsPerPixel;
  {
    ++pictureRevision_;
    QPainter p(&Canvas());
    DrawPictureText(p, x, y, text, textColor_);
  }
  pictureLog_.Text(QPoint(x, y), text, textColor_);
  // Text that falls on the message box stays when the box's lines are redrawn.
  if (!boxBackground_.isNull() && boxRect_.intersects(QRect(x, y, picture1_.width(), 40))) {
    QPainter p(&boxBackground_);
    DrawPictureText(p, x - boxRect_.left(), y - boxRect_.top(), text, textColor_);
  }
}

}  // namespace korvane
