// Korvane: the duel window's logic. One object lives for the whole run, so its variables (the
// opponent's working stock, the weights, the hands, the board) keep their values between
// openings, while the controls go back to their design state at every Form_Load, just as a
// window's controls are made afresh when it is loaded. The Qt view (KorvaneWindow) mirrors the
// control state onto real widgets and forwards clicks and timer ticks; tests drive the same
// handlers directly, tick by tick.
//
// Handlers keep the window's own names. Every handler is safe to call at any moment: a click on
// a control that is hidden, or that comes while another handler waits for the platform, changes
// nothing it should not.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "ai/ai.h"
#include "duel/card_pictures.h"
#include "duel/platform.h"
#include "engine/duel_state.h"

namespace korvane {

class CardTable;
class MusicDevice;
class SoundSystem;
struct GameState;

// One control of the window: what the view shows. Positions are in pixels from the top left of
// the container (the client area, or Picture1 / Field for the controls inside them).
struct DuelControl {
  bool Visible = false;
  QString Caption;
  QPoint Pos;
  QSize Size;
};

// Every control of the layout table.
struct DuelControls {
  DuelControl Picture1, VScroll1, Field, Thinking;
  DuelControl Command1, Command2, Command4, Label1, LText, LButton;
  std::array<DuelControl, kCardKinds + 1> CardPic;  // inside Picture1
  std::array<DuelControl, 14> cardlabel;            // inside Picture1
  std::array<DuelControl, kHandSize> EHand, PHand;
  int VScrollValue = 0;  // 0, 14 or 28
};

// The controls as they are when the window is loaded: all hidden, at their places.
DuelControls DesignLayout();

// Fixed sizes of the window.
constexpr int kClientWidth = 587;
constexpr int kClientHeight = 406;
constexpr int kFieldOuter = 406;   // the board picture's outer size; clicks divide by it
constexpr int kBoardPixels = 402;  // the board image inside it
constexpr int kHandPixels = 81;

class Korvane {
 public:
  Korvane(GameState& game, SoundSystem& sound, const CardTable& cards, Platform& platform,
          RandomSource& rng, CardPictures& pictures);
  ~Korvane();
  Korvane(const Korvane&) = delete;
  Korvane& operator=(const Korvane&) = delete;

  // --- Lifecycle (korvane.cpp) ---
  void Form_Load();
  // Runs on every request to close; false keeps the window open (the close is cancelled).
  bool Form_Unload();
  // Form_Unload and, when the window really closes, RequestClose for the view.
  bool Unload();
  void SetUpDuel();
  // The tutorial clears its first example without giving any hand card back.
  void ResetAfterDuel(bool returnHandCards = true);
  void Command4_Click();  // "終わり"
  // The minimum stock of the current opponent (also applied again before a further duel).
  void ApplyMinimumStock();
  bool IsOpen() const { return open_; }

  // --- Deck selection (korvane_select.cpp) ---
  void ShowCollection();
  void CardPic_MouseDown(int index, int button = 1, int shift = 0, int x = 0, int y = 0);
  void CardPic_DblClick(int index);
  void VScroll1_Change(int value);
  void Command2_Click();  // "選び直す"
  void Command1_Click();  // "勝負！"

  // --- Board, hands, flips, the enemy and the result (korvane_board.cpp) ---
  void DrawBoard();
  void PHand_Click(int index);
  // x and y are pixels inside the board picture; button and shift are not looked at.
  void Field_MouseDown(int button, int shift, double x, double y);
  void FlipAnime_Timer();
  void Timer1_Timer();
  void SettleDuel();
  // Paints hand slot i afresh from PlayerHand (mask then picture), with the frame when selected.
  void PaintPlayerHands(int framedSlot);

  // --- The tutorial's button; the tutorial sets the handler ---
  void LButton_Click() {
    if (open_ && Ctl.LButton.Visible && LButtonHandler) LButtonHandler();
  }
  std::function<void()> LButtonHandler;

  // --- Hooks to the view and the adventure ---
  std::function<void()> RequestClose;  // the logic asks the view to close
  std::function<void()> OnClosed;      // a completed Form_Unload: the adventure shows itself
  std::function<void()> Changed;       // mirror the state now (before events run or a box opens)
  void SetAdventureMusic(MusicDevice* device) { adventureMusic_ = device; }
  MusicDevice& Music() { return *music_; }

  // --- Window-level state (kept between openings) ---
  DuelState Duel;
  std::array<int16_t, kCardKinds> OpponentStock{};
  AiWeights Weights;
  DuelControls Ctl = DesignLayout();
  QImage Canvas;                                     // Field: persistent drawing, 402 x 402
  std::array<QImage, kHandSize> PHandPic, EHandPic;  // 81 x 81 each

  GameState& Game() { return game_; }
  CardPictures& Pictures() { return pictures_; }
  const CardTable& Cards() const { return cards_; }

  // Rules tutorial. While it runs only its script moves cards: the player's own clicks on the
  // board, the hands and the deck list are ignored (defined in duel/tutorial.cpp).
  bool TutorialScriptMove = false;  // set by the script around its own board clicks
  bool TutorialLocksInput() const;

 private:
  int OpponentIndex() const;  // 1..6, or -1 for any other name
  void WriteBackStock();
  void PlayEffect(const char* fileName);
  bool MusicOn() const;
  // Lets pending events run; false when the window was closed meanwhile (the caller stops).
  bool LetEventsRun();
  void ClearFlipClocks();
  void ClearHandPicture(QImage& pic);
  void PaintSprite(QImage& target, int x, int y, int w, int h, const QImage& picture);
  int NextFreeSlot() const;
  int ChosenCount() const;
  void ShowWayOutIfShort();
  void SyncPlayedHands();
  void TransferCard(bool toPlayer, int slot);
  void OnMusicDone();

  GameState& game_;
  SoundSystem& sound_;
  const CardTable& cards_;
  Platform& platform_;
  RandomSource& rng_;
  CardPictures& pictures_;
  std::unique_ptr<MusicDevice> music_;
  MusicDevice* adventureMusic_ = nullptr;
  bool open_ = false;
  bool settling_ = false;     // the result's message boxes are up
  bool asking_ = false;       // the forfeit question is up; the duel waits
  bool enemyMoving_ = false;  // inside the enemy's move
};

}  // namespace korvane
