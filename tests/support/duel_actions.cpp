#include "tests/support/duel_actions.h"

#include "engine/rules.h"

namespace korvane::test {

void DuelActions::Take(int card) {
  k_.VScroll1_Change(card / 14 * 14);
  k_.CardPic_MouseDown(card);
  k_.CardPic_DblClick(card);
}

void DuelActions::Take(std::initializer_list<int> cards) {
  for (int card : cards) Take(card);
}

bool DuelActions::Start() {
  if (!k_.Ctl.Command1.Visible) return false;
  k_.Command1_Click();
  return true;
}

bool DuelActions::PlayerMove(int c, int r) {
  const int slot = FirstUnplayedSlot(k_.Duel);
  if (slot == kHandSize) return false;
  Pick(slot);
  if (c == 0) {
    const Square to = FirstEmptySquare(k_.Duel);
    c = to.column, r = to.row;
  }
  Place(c, r);
  return true;
}

void DuelActions::Tick() {
  for (int i = 0; i < 10; ++i) k_.FlipAnime_Timer();
  if (beforeTimer1) beforeTimer1();
  k_.Timer1_Timer();
}

int DuelActions::PlayToEnd(int maxTicks) {
  int ticks = 0;
  while (k_.Duel.Turn != TurnState::Nobody && ticks < maxTicks) {
    if (k_.Duel.Turn == TurnState::Player && !k_.IsFlipRunning()) PlayerMove();
    Tick();
    ++ticks;
  }
  return ticks;
}

void DuelActions::Finish(const TextBoard& b) {
  ResetBoard(k_.Duel);
  PutBoard(k_.Duel, b);
  for (auto& p : k_.Ctl.PHand) p.Visible = false;
  for (auto& e : k_.Ctl.EHand) e.Visible = false;
}

}  // namespace korvane::test
