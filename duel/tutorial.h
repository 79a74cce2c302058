// The rules tutorial: thirty-five pages advanced by "ふむふむ". Most pages put a short text in
// LText; some act out two example duels on the real board with fixed hands. The script only
// chooses slots and squares: the player's moves go through the board click at fixed pixel
// positions, the enemy's through the enemy's placement, and the ordinary rules do the rest
// (fields, flips, their animation and sounds). Nothing here is random and the enemy never
// chooses a move by itself.
//
// The pages are a flat table of tagged steps in page order, played by TutorialStage::Perform.
// The stage is the duel window seen from the script: the real one drives the duel window's logic
// (Korvane), tests may record the calls instead.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "engine/types.h"

namespace korvane {

class Korvane;
class SoundSystem;
struct GameState;

constexpr int kTutorialPages = 35;  // the 35th press closes the window
constexpr int kTutorialTexts = 30;  // pages that show a text

// What LText reads when the tutorial opens.
QString TutorialOpeningText();

enum class TutorialStepKind : uint8_t {
  Text,           // LText shows `text`
  ExampleList,    // the four example cards and their captions in the deck list
  FirstExample,   // hide the list, deal the first example's hands, SetUpDuel
  SecondExample,  // clear the first example (nothing goes back to a collection), deal, SetUpDuel
  PlayerMove,     // SelectedSlot = slot, board click at pixel (x, y), landing on (column, row)
  NobodysTurn,    // TurnState = "Nobody's Turn"
  EnemyMove,      // SelectedSlot = slot, "Youdid.wav", PlaceEnemyCard(column, row), DrawBoard
  Close,          // unload the duel window
};

struct TutorialStep {
  int16_t page;
  TutorialStepKind kind;
  const char* text = nullptr;   // UTF-8, Text only
  int16_t slot = -1;            // moves only
  int16_t x = 0, y = 0;         // board pixels, player moves only
  int16_t column = 0, row = 0;  // the square a move lands on
};

// All steps of all pages, in the order they are performed.
std::span<const TutorialStep> TutorialScript();
// The steps of one page; empty for a page that does nothing (any number outside 1..35 too).
std::span<const TutorialStep> TutorialPageSteps(int page);

struct ExampleHands {
  std::array<int16_t, kHandSize> Player;
  std::array<int16_t, kHandSize> Enemy;
};
constexpr ExampleHands kFirstExampleHands{{0, 2, 3, 5, 7}, {3, 6, 9, 12, 15}};
constexpr ExampleHands kSecondExampleHands{{0, 9, 18, 27, 36}, {1, 2, 3, 4, 5}};

// Page 4: "if you held these cards". Each is shown at its own place of the first list page,
// with caption number `card`: the name, a carriage return, "×2".
struct ExampleListCard {
  int16_t card;
  const char* name;  // UTF-8
};
constexpr std::array<ExampleListCard, 4> kExampleList{{
    {2, "ゴブリン"},
    {3, "マンイーター"},
    {5, "盗賊"},
    {7, "僧侶"},
}};
QString ExampleCaption(const ExampleListCard& card);

// The duel window as the script sees it. Each call is one action of the page table, done with
// the window's ordinary operations.
class TutorialStage {
 public:
  virtual ~TutorialStage() = default;
  virtual void ShowText(const QString& text) = 0;
  virtual void ShowExampleList(std::span<const ExampleListCard> cards) = 0;
  // The first example: hide Picture1 and VScroll1, deal, show PHand(0..4), SetUpDuel.
  virtual void StartFirstExample(const ExampleHands& hands) = 0;
  // The second example: clear the board as after a duel without returning any hand card,
  // deal, show PHand(0..4), hide VScroll1, Picture1 and "終わり", SetUpDuel.
  virtual void StartSecondExample(const ExampleHands& hands) = 0;
  // The player's card of `slot` onto the square of the board click at pixel (x, y).
  virtual void PlayerMove(int slot, int x, int y) = 0;
  virtual void SetTurn(TurnState turn) = 0;
  virtual void EnemyMove(int slot, int column, int row) = 0;
  virtual void CloseWindow() = 0;
  // False once the window has been closed (the player may close it while a move lets events
  // run); the rest of the page is then skipped.
  virtual bool IsOpen() const { return true; }

  // Performs every step of one page, in order.
  void Perform(int page);
  // True while a page is being performed. A scripted move lets window events run, and a second
  // press of the button handled then must not play the same page again.
  bool Busy() const { return busy_; }

 private:
  bool busy_ = false;
};

// The "ふむふむ" button: performs page TutorialPage, then raises TutorialPage by 1 whatever the
// page did (so after the closing page it reads 36). Outside the tutorial, and while a page is
// still being performed, it does nothing.
void LButton_Click(GameState& game, TutorialStage& stage);

// The script played on the duel window's logic; effects go through `sound`.
std::unique_ptr<TutorialStage> MakeKorvaneStage(Korvane& window, SoundSystem& sound);

// The last step of opening the tutorial, after the duel window has been loaded: shows
// "ふむふむ" and LText with its first text, and wires the button to the script.
void ShowTutorialControls(Korvane& window, SoundSystem& sound);

}  // namespace korvane
