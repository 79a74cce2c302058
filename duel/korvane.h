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
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ai/ai.h"
#include "ai/practice.h"
#include "engine/duel_model.h"
#include "engine/duel_state.h"
#include "engine/random.h"
#include "solver/hint.h"
#include "state/duel_record.h"
#include "state/game_state.h"
#include "state/preferences.h"
#include "ui/card_pictures.h"
#include "ui/platform.h"

namespace korvane {

class Analyst;
class CardTable;
class HintWorker;
class MusicDevice;
class SoundSystem;
struct DuelReport;

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

// The pace of a duel. At the normal pace the enemy shows "考え中・・・・・・。" for at least
// kThinkMs before its card lands, and each of a flip's eight frames lasts kNormalFlipFrameMs
// (about a third of a second in all); the fast pace keeps the window's original timers.
constexpr int kThinkMs = 600;
constexpr int kNormalFlipFrameMs = 40;
constexpr int kFastFlipFrameMs = 10;

// How long the result line stays before the result's messages, unless a click or key ends it.
constexpr int kResultLineMs = 1500;

// The flip animation's clock of each square, [c][r].
using ClockMap = std::array<std::array<double, kBoardSize + 1>, kBoardSize + 1>;

// The square under pixel (x, y) of a board picture `size` pixels wide and high: five equal columns
// and rows. Off the board it gives column or row 0 or 6.
constexpr BoardSquare SquareAtPixel(double x, double y, int size) {
  auto part = [size](double v) {
    if (!(v >= 0)) return 0;  // negative, or not a number
    if (v >= size) return kBoardSize + 1;
    return static_cast<int>(v * kBoardSize / size) + 1;
  };
  return {part(x), part(y)};
}

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
  // The way back with one to four cards taken (or only a preview shown), which "選び直す" gives
  // only once all five are: the chosen cards go back to the collection and the hand empties, as
  // "選び直す" does. Only while the list waits for the player, never in the tutorial.
  bool CanGiveBackChosen() const;
  void ChooseAgain();
  void Command1_Click();  // "勝負！"

  // --- Board, hands, flips, the enemy and the result (korvane_board.cpp) ---
  // The fields recomputed (flips they make are shown by the animation), then the board painted.
  void DrawBoard();
  void PHand_Click(int index);
  // x and y are pixels inside the board picture; button and shift are not looked at. The board's
  // five equal columns and rows give the square, and the player places there.
  void Field_MouseDown(int button, int shift, double x, double y);
  // The player's move onto square (c, r), as a click on it makes it: the keys and the tutorial's
  // script place by square too. Outside the player's turn, or without a chosen card, nothing.
  void PlaceOnSquare(int c, int r);
  // The enemy's card of `slot` goes down on (c, r) (the enemy's turn, and the tutorial's script).
  void EnemyPlaces(int slot, int c, int r);
  void FlipAnime_Timer();
  // A flip is still being shown on some square.
  bool IsFlipRunning() const;
  void Timer1_Timer();
  void SettleDuel();
  // Paints hand slot i afresh from PlayerHand (mask then picture), with the frame when selected.
  void PaintPlayerHands(int framedSlot);

  // --- Pace (korvane_board.cpp) ---
  // Fast until the game sets the player's choice, so the rules run at the original timers
  // wherever nobody asks for more.
  Pace DuelPace = Pace::Fast;
  // Milliseconds of a steady clock; tests put in their own.
  std::function<int64_t()> Clock;
  // The interval of the flip timer at the current pace.
  int FlipAnimeIntervalMs() const {
    return DuelPace == Pace::Fast ? kFastFlipFrameMs : kNormalFlipFrameMs;
  }
  // The player chose the other pace (by key); the game remembers it through OnPaceChosen.
  void TogglePace();
  std::function<void(Pace)> OnPaceChosen;
  // The square of the enemy's last card, marked by the view until the player places again.
  std::optional<BoardSquare> EnemyMark;

  // --- The views' help (korvane_board.cpp) ---
  // The live score with the result line, and the preview of a placement. Both are off until the
  // game sets the player's choice, so that the rules keep their own timing wherever nobody asks.
  bool ScoreShown = false;
  bool PreviewShown = false;
  // With the score shown, a duel that has just ended shows its outcome first: the line stays
  // kResultLineMs, or until DismissResult (a click or a key), and only then do the counters move
  // and the result's messages come. Outside this pause it is empty.
  std::optional<DuelOutcome> ResultLine;
  void DismissResult();
  // The enemy's card that went down face down at once with its last placement, and when: the
  // view shows its face for a moment and the score names it until the next placement.
  std::optional<int> EnemyAtOnce;
  int64_t EnemyAtOnceSince = 0;
  // The player may be shown what placing the selected card would do: the player's turn of a
  // running duel outside the tutorial, a card chosen, nothing waiting for an answer.
  bool PreviewAllowed() const;

  // --- The move hint (korvane_hint.cpp) ---
  // The best move for the player: a hand slot and a square, marked by the view until the
  // position changes. Nothing is ever placed for the player.
  struct HintMark {
    int slot = -1;
    BoardSquare square;
    bool exact = false;  // perfect play; otherwise the opponent's own evaluation
  };
  std::optional<HintMark> Hint;
  // How long the exact solver may try before the opponent's evaluation stands in.
  std::chrono::milliseconds HintBudget = kHintBudget;
  // The player's turn in a duel against one of the six (never the tutorial, never while the
  // result or the forfeit question is up).
  bool HintAllowed() const;
  // The hint key: works the move out off the window's thread. It is shown, and told to
  // OnHintShown, only if the position is still the same when it arrives.
  void RequestHint();
  bool HintPending() const;  // asked for, not arrived yet
  bool HintSolving() const;  // a solve still runs off the window's thread (maybe a dropped one)
  // The analyst of the running duel (null in the tutorial and between duels): it solves the duel
  // from the deal at the lowest priority, and from then on every hint is exact at once. Tests
  // switch it off.
  const Analyst* DuelAnalyst() const { return analyst_.get(); }
  bool UseAnalyst = true;
  // A practice duel (練習試合): the window works on a copy of the game's state, no card changes
  // hands, the special result never comes, and the record marks the duel. The opponent plays at
  // PracticeStrength; 手加減's mistakes come from PracticeSeed; 達人 waits for its analyst up
  // to MasterBudgetMs of each turn before it plays 本気's move (and says so, once).
  bool Practice = false;
  Strength PracticeStrength = Strength::Full;
  void SeedPractice(uint64_t seed) { mistakes_ = SeededRandom(seed); }
  int64_t MasterBudgetMs = 5000;
  bool MasterFellBack = false;
  std::function<void(int opponent)> OnHintShown;  // person 1..6

  // --- The album, opened over the deck selection by the view ---
  // The deck selection is up and waits for the player (no tutorial, no message).
  bool AlbumAllowed() const;
  // The collections as the album shows them: the cards taken into the hand are still the
  // player's, and the opponent holds the stock it duels with.
  GameState AlbumState() const;

  // --- The tutorial's button; the tutorial sets the handler ---
  void LButton_Click() {
    if (open_ && Ctl.LButton.Visible && LButtonHandler) LButtonHandler();
  }
  std::function<void()> LButtonHandler;

  // --- Hooks to the view and the adventure ---
  std::function<void()> RequestClose;  // the logic asks the view to close
  std::function<void()> OnClosed;      // a completed Form_Unload: the adventure shows itself
  std::function<void()> Changed;       // mirror the state now (before events run or a box opens)
  // Each settled duel and each forfeit against one of the six, before the window returns to the
  // list (the tutorial reports nothing).
  std::function<void(const DuelReport&)> OnDuelSettled;
  // The same duels for the record: the hands, who began and every placement (told just after
  // OnDuelSettled).
  std::function<void(const DuelRecord&)> OnDuelRecorded;
  // The duel recorded last in this opening of the window, for its review board.
  std::optional<DuelRecord> LastRecord;
  // The review board may open: the deck selection waits for the player after a recorded duel.
  bool ReviewAllowed() const { return LastRecord.has_value() && AlbumAllowed(); }
  void SetAdventureMusic(MusicDevice* device) { adventureMusic_ = device; }
  MusicDevice& Music() { return *music_; }

  // --- Window-level state (kept between openings) ---
  // The duel's rules, driven by square; Duel is its state, as the handlers read it.
  DuelModel Model;
  DuelState& Duel = Model.State;
  // The flip animation: each square's clock (0 when no flip is shown there) and the code its card
  // had before it turned, set by every flip the rules report.
  ClockMap FlipTime{};
  SquareMap FlippedCard{};
  std::array<int16_t, kCardKinds> OpponentStock{};
  AiWeights Weights;
  DuelControls Ctl = DesignLayout();
  QImage Canvas;                                     // Field: persistent drawing, 402 x 402
  std::array<QImage, kHandSize> PHandPic, EHandPic;  // 81 x 81 each
  // What Canvas and the hand pictures were painted from since they were last cleared, so that a
  // zoomed view can paint them again sharply.
  PaintLog CanvasLog;
  std::array<PaintLog, kHandSize> PHandLog, EHandLog;

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
  void StartFlips(const Flips& flips);
  // The board painted from the board state; squares whose flip is being shown are left alone.
  void PaintBoard();
  void ClearHandPicture(QImage& pic);
  void PaintSprite(QImage& target, int x, int y, int w, int h, const QImage& picture);
  // Painting on Canvas and the hand pictures goes through these, which keep the logs.
  void ResetCanvas();
  void CombineArt(QImage& target, const QImage& picture, int x, int y, int w, int h, RasterOp op);
  void RestoreBoard(int x, int y, int w, int h);
  PaintLog* LogOf(const QImage& target);
  int NextFreeSlot() const;
  int ChosenCount() const;
  void ShowWayOutIfShort();
  void GiveBackChosen();  // the body of "選び直す"
  void SyncPlayedHands();
  int TransferCard(bool toPlayer, int slot);  // 1 when a card moved
  // The counters, the transfers and their messages, and the reset: the settled duel's end.
  void FinishDuel(const DuelOutcome& out);
  // Tells the duel that has just ended (settled, or forfeited with the board as it stands) to
  // the statistics and the record; the tutorial tells nothing.
  void Report(const DuelReport& report);
  void OnMusicDone();
  // The board, the hands or the window changed: a hint shown or on its way is dropped.
  void PositionChanged();
  // A duel against one of the six begins: its analyst starts. The duel ends: it is stopped off
  // the window's thread, so that the window never waits for it.
  void StartAnalyst();
  void RetireAnalyst();

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

  // When the enemy showed its label for the move it is thinking about.
  std::optional<int64_t> thinkingSince_;
  // When the result line came up, and whether the player has already dismissed it.
  int64_t resultSince_ = 0;
  bool resultDismissed_ = false;

  std::shared_ptr<Analyst> analyst_;
  SeededRandom mistakes_{1};
  std::optional<EnemyMove> ChooseMove();
  std::vector<std::future<void>> retiring_;  // analysts of ended duels, stopping
  std::unique_ptr<HintWorker> hintWorker_;
  uint64_t position_ = 0;  // counts the changes of position a hint must not outlive
};

}  // namespace korvane
