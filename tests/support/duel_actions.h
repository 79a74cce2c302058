// Named actions on the duel logic, as the player makes them through the window's handlers:
// Take a card in the deck selection, Start the duel, Pick a hand card and Place it, let the
// timers Tick, play a duel to its end, or lay a finished board out as text.
#pragma once

#include <functional>
#include <initializer_list>

#include "duel/korvane.h"
#include "tests/support/board_text.h"

namespace korvane::test {

class DuelActions {
 public:
  explicit DuelActions(Korvane& k) : k_(k) {}

  // The deck selection: a press (the preview) and a double-click on each card, on its page.
  void Take(int card);
  void Take(std::initializer_list<int> cards);
  // "勝負！", when it is shown; false when it is not.
  bool Start();
  // A hand card of the player (1..5 keys, or a click on it) and a click on a square's middle.
  void Pick(int slot) { k_.PHand_Click(slot); }
  void Place(int c, int r) { k_.Field_MouseDown(1, 0, 81.2 * (c - 1) + 40, 81.2 * (r - 1) + 40); }
  void Play(int slot, int c, int r) { Pick(slot), Place(c, r); }
  // The player's move: the first card still in hand onto (c, r), or by default onto the first
  // empty square from the player's side. False when the hand is empty.
  bool PlayerMove(int c = 0, int r = 0);
  // One enemy-timer interval: ten flip ticks, then the enemy's tick (after `beforeTimer1`).
  void Tick();
  // Plays the running duel to its result: the player moves when it is its turn and nothing
  // flips, the timers do the rest. Returns the ticks it took.
  int PlayToEnd(int maxTicks = 500);
  // A finished duel on the board: the board of a new duel, then `b` with every hand card
  // played, the player to move and the hand pictures hidden (the next tick settles it).
  void Finish(const TextBoard& b);

  std::function<void()> beforeTimer1;  // e.g. a test's clock moving on

 private:
  Korvane& k_;
};

}  // namespace korvane::test
