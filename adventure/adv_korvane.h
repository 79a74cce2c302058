// ADVKorvane: the adventure window's logic. It holds what the window shows (the title layer, the
// town map, the message box, the portraits, the choice buttons), the painted picture surface
// Picture1, and the handlers under their own names. The Qt view mirrors this state onto widgets;
// tests drive it tick by tick without a window.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "adventure/adv_layout.h"
#include "adventure/adv_pictures.h"
#include "adventure/message_lines.h"
#include "adventure/story/script_host.h"
#include "sound/sound.h"
#include "ui/paint_log.h"
#include "ui/platform.h"

class QPainter;

namespace korvane {

class CardTable;
class RandomSource;
class SaveStore;
struct GameState;

// What the logic needs from the program around it.
class AdventureHost {
 public:
  virtual ~AdventureHost() = default;
  // Load the duel window Korvane and show it (for a duel, or the rules tutorial).
  virtual void OpenDuelWindow(bool tutorial) = 0;
  // End the program at once.
  virtual void Quit() = 0;
};

// The map's hint, "どこに行こうかな？", in the edition's language.
QString WhereToGo();

// A plain control: visibility and caption.
struct ControlState {
  bool visible = false;
  QString caption;
};

class ADVKorvane : public ScriptHost {
 public:
  using StepRunner = std::function<bool(int place, ScriptHost&)>;

  ADVKorvane(GameState& state, SaveStore& files, SoundSystem& sound, Platform& platform,
             AdventureHost& host, AdventurePictures pictures, const CardTable* cards);
  ~ADVKorvane() override;

  // Tests play their own script tables through this; the game uses RunPlaceStep.
  void SetStepRunner(StepRunner runner) { runner_ = std::move(runner); }
  // The game's random generator, seeded afresh when a game starts.
  void SetRandom(RandomSource* rng) { rng_ = rng; }
  // A new game has started from the title ("始める"): the statistics start afresh.
  std::function<void()> OnNewGame;

  // --- Title layer (adv_korvane.cpp) ---
  void Form_Load();
  void Command1_Click();  // "ニューゲーム"
  void Command2_Click();  // "続きから" / "始める"
  void Command3_Click();  // "ゲーム説明"
  void Command4_Click();  // music switch
  void Command5_Click();  // effect switch
  void SetText1(const QString& text) { text1_ = text; }
  void SetCombo1(const QString& text) { combo1_ = text; }
  // Window closing: true lets the window close (and the program end).
  bool Form_QueryUnload();
  // Ends the program through the closing path without any question (a signal from outside): the
  // settings are written; a game in progress is not saved, and the last save stays.
  void EndWithoutQuestion();
  // The duel window has closed: the adventure window shows again.
  void DuelWindowClosed();
  // Completion notification of the music device.
  void MMControl1_Done();

  // --- Script engine (adv_engine.cpp) ---
  void Timer1_Timer();
  void Picture1_Click();
  void MessageLabel_Click() { Picture1_Click(); }
  void Picture2_Click();
  void Picture4_Click() { Picture2_Click(); }
  void Choiser_Click(int index);

  // --- Town map (town_map.cpp) ---
  void Picture1_MouseMove();
  void Clicker_MouseMove(int i);
  void Clicker_Click(int i) {
    if (MapShowing() && i >= 0 && i <= 8 && clickerVisible_[i] && !enteringPlace_) EnterPlace(i);
  }
  void Form_Paint();

  // --- ScriptHost ---
  GameState& State() override { return state_; }
  void ShowMessage(const QString& text) override;
  void ShowSpeech(const QString& text) override;
  void ShowNotice(const QString& text) override;
  void ShowChoices(const QString& first, const QString& second) override;
  void StartDuel() override;
  void ShowTownMap() override;
  void EnterPlace(int place) override;
  void SetCurrentPlace(int place) override { currentPlace_ = place; }
  int CurrentPlace() const override { return currentPlace_; }
  void ShowHotSpot(int place) override;
  void ShowPortrait(int oppPic) override;
  void HidePortrait(bool alsoFrame) override;
  void HidePlayerFrame() override { picture2_.visible = false; }
  void MusicStop() override;
  void MusicResume() override;
  void PlayMusicFile(const QString& fileName) override;
  bool SaveGameOldHouse() override;
  void SetTimerInterval(int ms) override { timerInterval_ = ms; }
  void FillLightGrey() override;
  void DrawTextAt(int xTwips, int yTwips, const QString& text) override;
  QString CardName(int cardId) override;
  void TellPlayer(const QString& title, const QString& text) override {
    platform_.ShowOk(title, text);
  }

  // --- What the view mirrors ---
  bool WindowVisible() const { return windowVisible_; }
  bool Ended() const { return ended_; }
  int Timer1Interval() const { return timerInterval_; }
  const QImage& Picture1() const { return Canvas(); }
  // Changes whenever Picture1 is drawn on, so the view repaints only then.
  int PictureRevision() const { return pictureRevision_; }
  // What Picture1 shows, step by step, for a view that draws it at its zoom.
  const PaintLog& Picture1Log() const { return pictureLog_; }
  bool Picture1Visible() const { return picture1Visible_; }
  const ControlState& Picture5() const { return picture5_; }
  const ControlState& Command(int i) const { return commands_[i - 1]; }  // 1..5
  bool Frame1Visible() const { return frame1Visible_; }
  const QString& Text1() const { return text1_; }
  const QString& Combo1() const { return combo1_; }
  bool ClickerVisible(int i) const { return clickerVisible_[i]; }
  const ControlState& Choiser(int i) const { return choiser_[i]; }
  bool Picture2Visible() const { return picture2_.visible; }
  int Picture2Top() const { return picture2Top_; }  // twips
  bool PlayerPicVisible(int sex) const { return playerPicVisible_[sex]; }
  bool Picture4Visible() const { return picture4Visible_; }
  bool OppPicVisible(int i) const { return oppPicVisible_[i]; }
  // A portrait is seen only while it and its frame are both visible.
  int ShownOppPic() const;
  const TwipRect& MessageLabelRect() const { return messageRect_; }
  const QString& MessageLabelCaption() const { return messageCaption_; }
  const QString& MessageText() const { return messageText_; }
  int MessageCursor() const { return messageCursor_; }
  QColor TextColor() const { return textColor_; }
  // English edition: a message longer than the box's three lines has been typed to the end of a
  // page and waits for a click to go on with the next.
  bool MessageWaitsForPage();
  // The first of the three lines the box shows (English edition; 0 for Japanese).
  int MessagePageFirstLine() const { return pageFirstLine_; }
  MusicDevice& Music() { return *music_; }
  const AdventurePictures& Pictures() const { return pictures_; }
  // Hover text of a hot spot ("" for place 6 with an unknown sex).
  QString PlaceText(int place) const;
  bool HotSpotCondition(int place) const;
  // The game is on screen (the title has been left, no duel hides the window, not ended).
  bool PlayShowing() const {
    return windowVisible_ && !ended_ && !picture5_.visible && picture1Visible_;
  }
  // The town map itself, with its hot spots, is on screen.
  bool MapShowing() const { return PlayShowing() && currentPlace_ == -1; }
  // The town map waits for the player to choose a place (no place being entered, no choice).
  bool OnTownMap() const;

 private:
  void TypeOneCharacter();
  // Picture1's surface: the town until it is first drawn on or shown, and read only then.
  QImage& Canvas() const;
  void DrawMessageLines();
  const std::vector<TextSpan>& WrappedMessage();
  bool TurnPage();
  void RunOneStep(int place);
  void SetMessage(const QString& text, QColor colour);
  void StartGame(bool loaded);
  void RefuseSave(const QString& why);
  QString Honorific() const;
  void RestartMusicIfOn();
  void SaveSettingsOrTell();

  GameState& state_;
  SaveStore& files_;
  SoundSystem& sound_;
  Platform& platform_;
  AdventureHost& host_;
  AdventurePictures pictures_;
  const CardTable* cards_;
  RandomSource* rng_ = nullptr;
  StepRunner runner_;
  std::unique_ptr<MusicDevice> music_;

  // Window and title layer.
  bool windowVisible_ = true;
  bool ended_ = false;
  ControlState picture5_{true, {}};
  std::array<ControlState, 5> commands_;
  bool frame1Visible_ = false;
  QString text1_;
  QString combo1_ = QStringLiteral("男");

  // Map, scene and message box.
  bool picture1Visible_ = false;
  mutable QImage picture1_;  // the persistent drawing surface (see Canvas)
  QImage boxBackground_;     // the empty light box, kept so typing can redraw its lines cleanly
  QRect boxRect_;            // where boxBackground_ lies on Picture1
  PaintLog pictureLog_;
  int pictureRevision_ = 0;
  std::array<bool, 9> clickerVisible_{};
  std::array<ControlState, 2> choiser_;
  ControlState picture2_{true, {}};
  int picture2Top_ = 0;
  std::array<bool, 2> playerPicVisible_{};
  bool picture4Visible_ = false;
  std::array<bool, 6> oppPicVisible_{};
  TwipRect messageRect_ = kMessageLabelStart;
  QString messageCaption_;
  QString messageText_;
  int16_t messageCursor_ = 0;
  int16_t pageFirstLine_ = 0;      // English: the first line of the page being shown
  std::vector<TextSpan> wrapped_;  // English: messageText_ broken into lines for the box
  QString wrappedText_;
  int wrappedWidth_ = -1;
  QColor textColor_ = Qt::black;
  int currentPlace_ = -1;
  int timerInterval_ = 10;
  bool enteringPlace_ = false;  // a tick that slips in while a place is entered does nothing
};

}  // namespace korvane
