// The longer steps of the duel tests' fixture and the scripted platform.
#include "tests/duel/duel_test_support.h"

namespace korvane::testing {

bool ScriptedPlatform::AskYesNo(const QString& title, const QString& text) {
  questions.push_back({title, text, {}});
  if (answers.empty()) return defaultAnswer;
  const bool a = answers.front();
  answers.pop_front();
  return a;
}

void ScriptedPlatform::ShowOk(const QString& title, const QString& text, const ShownCard& card) {
  messages.push_back({title, text, card});
  if (onOk) onOk();
}

void ScriptedPlatform::ProcessEvents() {
  ++eventRuns;
  if (onEvents) onEvents();
}

void DuelTest::Open(const QString& name) {
  game.OpponentName = name;
  game.SeriesWins = game.SeriesLosses = game.SeriesDraws = 0;
  k.Form_Load();
}

void DuelTest::Give(int person, std::initializer_list<std::pair<int, int>> cards) {
  for (auto [id, n] : cards) game.Collections[person][id] = static_cast<int16_t>(n);
}

void DuelTest::Choose(std::initializer_list<int> ids) {
  for (int id : ids) {
    k.VScroll1_Change(id / 14 * 14);
    k.CardPic_MouseDown(id);
    k.CardPic_DblClick(id);
  }
}

void DuelTest::StartDuel(std::initializer_list<int> ids) {
  Choose(ids);
  ASSERT_TRUE(k.Ctl.Command1.Visible);
  k.Command1_Click();
}

void DuelTest::Tick() {
  for (int i = 0; i < 10; ++i) k.FlipAnime_Timer();
  if (beforeTimer1) beforeTimer1();
  k.Timer1_Timer();
}

void DuelTest::Click(int c, int r) {
  k.Field_MouseDown(1, 0, 81.2 * (c - 1) + 40, 81.2 * (r - 1) + 40);
}

void DuelTest::PlayerMove(int c, int r) {
  int slot = 0;
  while (slot < kHandSize && k.Duel.PlayerPlayed[slot]) ++slot;
  ASSERT_LT(slot, kHandSize);
  k.PHand_Click(slot);
  if (c == 0) {
    for (int rr = 5; rr >= 1 && c == 0; --rr) {
      for (int cc = 1; cc <= 5 && c == 0; ++cc) {
        if (k.Duel.BoardCard[cc][rr] == kEmptySquare) c = cc, r = rr;
      }
    }
  }
  Click(c, r);
}

int DuelTest::PlayToEnd(int maxTicks) {
  int ticks = 0;
  while (k.Duel.Turn != TurnState::Nobody && ticks < maxTicks) {
    if (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning() &&
        !(k.Duel.PlayerPlayed[0] && k.Duel.PlayerPlayed[1] && k.Duel.PlayerPlayed[2] &&
          k.Duel.PlayerPlayed[3] && k.Duel.PlayerPlayed[4])) {
      PlayerMove();
    }
    Tick();
    ++ticks;
  }
  return ticks;
}

void DuelTest::FinishedBoard(std::initializer_list<std::tuple<int, int, int>> squares) {
  ResetBoard(k.Duel);
  for (auto [c, r, code] : squares) k.Duel.BoardCard[c][r] = static_cast<int16_t>(code);
  k.Duel.PlayerPlayed.fill(true);
  k.Duel.EnemyPlayed.fill(true);
  k.Duel.Turn = TurnState::Player;
  for (auto& p : k.Ctl.PHand) p.Visible = false;
  for (auto& e : k.Ctl.EHand) e.Visible = false;
}

void DuelTest::FinishedThreeToTwo() {
  FinishedBoard({{3, 5, 1},
                 {2, 4, 2},
                 {3, 4, 3},
                 {2, 3, 40},
                 {4, 3, 40},
                 {3, 1, -1},
                 {2, 2, -2},
                 {3, 2, -40},
                 {4, 2, -40},
                 {3, 3, -40}});
}

}  // namespace korvane::testing
