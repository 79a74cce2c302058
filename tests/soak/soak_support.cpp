#include "tests/soak/soak_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ai/selfplay.h"
#include "engine/rules.h"
#include "tests/support/duel_actions.h"

namespace korvane::soak {
namespace {

std::deque<std::string>& Recent() {
  static std::deque<std::string> recent;
  return recent;
}
uint64_t g_seed = 0;

}  // namespace

Options ParseOptions(int argc, char** argv, long defaultRuns) {
  Options o;
  o.runs = defaultRuns;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--seed" && hasValue) {
      o.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (a == "--minutes" && hasValue) {
      o.seconds = 60 * std::atof(argv[++i]), o.runs = 0;
    } else if (a == "--seconds" && hasValue) {
      o.seconds = std::atof(argv[++i]), o.runs = 0;
    } else if (a == "--runs" && hasValue) {
      o.runs = std::atol(argv[++i]), o.seconds = 0;
    } else if (a == "--verbose") {
      o.verbose = true;
    } else {
      std::fprintf(stderr,
                   "usage: %s [--seed N] [--runs N | --seconds S | --minutes M] [--verbose]\n",
                   argv[0]);
      std::exit(2);
    }
  }
  g_seed = o.seed;
  return o;
}

Budget::Budget(const Options& o) : o_(o) {}

bool Budget::More(long runsDone) const {
  if (o_.seconds > 0) {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
    return spent.count() < o_.seconds;
  }
  return runsDone < o_.runs;
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "SOAK FAILURE (seed %llu): %s\nlast actions:\n",
               static_cast<unsigned long long>(g_seed), what.c_str());
  for (const std::string& a : Recent()) std::fprintf(stderr, "  %s\n", a.c_str());
  std::exit(1);
}

void Trace(const std::string& action) {
  Recent().push_back(action);
  if (Recent().size() > 60) Recent().pop_front();
}

// ---------------------------------------------------------------------------------------------

void DuelMonkey::Attach(test::TestGame& game) {
  game_ = &game;
  // The game's own close (the adventure comes back), and the count of closes.
  closed_ = K().OnClosed;
  K().OnClosed = [this] {
    ++counts_.closes;
    if (closed_) closed_();
  };
  K().Clock = [this] { return fakeMs_; };
}

DuelMonkey::~DuelMonkey() = default;

int DuelMonkey::WorldTotal(int card) const {
  const int opponent = PersonIndex(G().OpponentName);
  int n = 0;
  for (int p = 0; p < kPersons; ++p) {
    n += K().IsOpen() && p == opponent && G().TutorialMode == 0 ? K().OpponentStock[card]
                                                                : G().Collections[p][card];
  }
  for (int16_t id : K().Duel.PlayerHand) n += id == card;
  for (int16_t id : K().Duel.EnemyHand) n += id == card;
  return n;
}

bool DuelMonkey::InDuel() const {
  for (int16_t id : K().Duel.PlayerHand) {
    if (id == -1) return false;
  }
  return K().Duel.EnemyHand[0] != -1;
}

DuelMonkey::Snapshot DuelMonkey::Take() const {
  Snapshot s;
  for (int c = 0; c < kCardKinds; ++c) s.world[c] = WorldTotal(c);
  s.stock = K().OpponentStock;
  s.played = G().SeriesWins + G().SeriesLosses + G().SeriesDraws;
  s.inDuel = InDuel();
  return s;
}

void DuelMonkey::Check(const Snapshot& before, const char* action) {
  const Snapshot after = Take();
  for (int c = 0; c < kCardKinds; ++c) {
    const int change = after.world[c] - before.world[c];
    if (change < 0) Fail(std::string(action) + ": card " + std::to_string(c) + " lost");
    if (change > 0) {
      // Only the opponent's minimum stock and the top-up of a too small stock make cards, and
      // neither leaves more than five of a kind with the opponent.
      int withHer = after.stock[c];
      for (int16_t id : K().Duel.EnemyHand) withHer += id == c;
      if (!mayCreate_ || withHer > 5) {
        Fail(std::string(action) + ": card " + std::to_string(c) + " made from nothing");
      }
    }
  }
  for (int p = 0; p < kPersons; ++p) {
    for (int c = 0; c < kCardKinds; ++c) {
      if (G().Collections[p][c] < 0) Fail(std::string(action) + ": negative count");
    }
  }
  for (int c = 0; c < kCardKinds; ++c) {
    if (K().OpponentStock[c] < 0) Fail(std::string(action) + ": negative stock");
  }
  for (int i = 0; i < kHandSize; ++i) {
    if (K().Duel.PlayerHand[i] < -1 || K().Duel.PlayerHand[i] >= kCardKinds ||
        K().Duel.EnemyHand[i] < -1 || K().Duel.EnemyHand[i] >= kCardKinds) {
      Fail(std::string(action) + ": hand slot out of range");
    }
  }
  if (K().Duel.SelectedSlot < -1 || K().Duel.SelectedSlot >= kHandSize) {
    Fail(std::string(action) + ": selected slot out of range");
  }
  // The series: each finished duel (settled or forfeited) counts once.
  if (G().SeriesLosses < 0 || G().SeriesDraws < 0 || G().SeriesWins < -1) {
    Fail(std::string(action) + ": series counter below its range");
  }
  // A duel may also start and end within one action: "勝負！" lets events run while the board is
  // set up, and the window may be closed then (a forfeit).
  const bool ended = before.inDuel && !after.inDuel;
  const bool mayEnd = (before.inDuel || pressedStart_) && !after.inDuel;
  if (G().SeriesWins == -1) {
    if (!mayEnd && before.played != after.played) Fail(std::string(action) + ": -1 out of turn");
    if (mayEnd) ++counts_.duels;
    return;
  }
  const int counted = after.played - before.played;
  if (counted < 0 || counted > 1 || (counted == 1 && !mayEnd) || (ended && counted != 1)) {
    Fail(std::string(action) + ": series counters moved by " + std::to_string(counted) +
         (ended ? " at the end of a duel" : " with no duel ended"));
  }
  counts_.duels += counted;
}

void DuelMonkey::CheckClosed() {
  if (K().IsOpen()) Fail("window still open after its series");
  for (int i = 0; i < kHandSize; ++i) {
    if (K().Duel.PlayerHand[i] != -1 || K().Duel.EnemyHand[i] != -1) {
      Fail("cards left in a hand after closing");
    }
  }
  const int opponent = PersonIndex(G().OpponentName);
  if (opponent > 0 && G().Collections[opponent] != K().OpponentStock) {
    Fail("the opponent's collection differs from the working stock after closing");
  }
  if (G().SeriesWins == -1 && G().OpponentName != QStringLiteral("高原 良絵")) {
    Fail("special result against another opponent");
  }
}

void DuelMonkey::Nested(int where) {
  if (depth_ >= 2 || !dice_.Chance(chaos_ * 0.3)) return;
  ++depth_;
  const int n = dice_.Int(1, 3);
  for (int i = 0; i < n; ++i) {
    Trace(std::string(depth_, '>') + (where == 0   ? " under a question"
                                      : where == 1 ? " under a message"
                                                   : " while events run"));
    RandomAction(true);
  }
  --depth_;
}

bool DuelMonkey::AskYesNo(const QString&, const QString&) {
  Nested(0);
  return chaos_ == 0 ? true : dice_.Chance(0.5);
}

void DuelMonkey::ShowOk(const QString&, const QString&, const ShownCard&) {
  ++counts_.messages;
  Nested(1);
}

void DuelMonkey::ProcessEvents() { Nested(2); }

void DuelMonkey::SensibleAction() {
  Korvane& k = K();
  if (k.Ctl.Command1.Visible) {
    Trace("勝負！");
    mayCreate_ = pressedStart_ = true;
    k.Command1_Click();
    return;
  }
  if (k.Ctl.Command4.Visible && (dice_.Chance(0.35) || G().TotalCards(0) < kHandSize)) {
    Trace("終わり");
    k.Command4_Click();
    return;
  }
  if (k.Ctl.Picture1.Visible) {
    std::vector<int> shown;
    for (int id = 0; id < kCardKinds; ++id) {
      if (G().Collections[0][id] > 0) shown.push_back(id);
    }
    if (shown.empty()) {
      Trace("close (nothing to choose)");
      k.Unload();
      return;
    }
    // Half the time the strongest card held, as players like to.
    const int id =
        dice_.Chance(0.5) ? shown.back() : shown[dice_.Int(0, static_cast<int>(shown.size()) - 1)];
    Trace("choose " + std::to_string(id));
    mayCreate_ = true;
    test::DuelActions(k).Take(id);
    return;
  }
  if (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning()) {
    std::vector<int> inHand;
    for (int i = 0; i < kHandSize; ++i) {
      if (!k.Duel.PlayerPlayed[i]) inHand.push_back(i);
    }
    std::vector<std::pair<int, int>> empty;
    for (int c = 1; c <= kBoardSize; ++c) {
      for (int r = 1; r <= kBoardSize; ++r) {
        if (k.Duel.BoardCard[c][r] == kEmptySquare) empty.push_back({c, r});
      }
    }
    if (!inHand.empty() && !empty.empty()) {
      int slot = inHand[dice_.Int(0, static_cast<int>(inHand.size()) - 1)];
      auto [c, r] = empty[dice_.Int(0, static_cast<int>(empty.size()) - 1)];
      if (dice_.Chance(0.6)) {
        // A thoughtful move: the opponent's own evaluation, from the player's side of the board.
        AiWeights w;
        SetWeightsFor("高峰 武", &w);
        SeededRandom thought(static_cast<uint64_t>(dice_.Int(0, 1 << 30)));
        const EnemyMove m = ChooseEnemyMove(MirrorSides(k.Duel), w, thought);
        slot = m.slot;
        c = kBoardSize + 1 - m.column;
        r = kBoardSize + 1 - m.row;
      }
      Trace("place " + std::to_string(slot) + " on " + std::to_string(c) + "," + std::to_string(r));
      test::DuelActions(k).Play(slot, c, r);
      return;
    }
  }
  Trace("ticks");
  for (int i = 0; i < 10; ++i) k.FlipAnime_Timer();
  fakeMs_ += 100;
  k.Timer1_Timer();
}

void DuelMonkey::RandomAction(bool nested) {
  Korvane& k = K();
  ++counts_.actions;
  const int pick = dice_.Int(0, 19);
  const int any = dice_.Int(-2, kCardKinds + 1);
  switch (pick) {
    case 0:
      Trace("CardPic_MouseDown " + std::to_string(any));
      mayCreate_ = true;
      k.CardPic_MouseDown(any);
      break;
    case 1:
      Trace("CardPic_DblClick " + std::to_string(any));
      k.CardPic_DblClick(any);
      break;
    case 2:
      Trace("VScroll1_Change");
      k.VScroll1_Change(dice_.Int(-10, 40));
      break;
    case 3:
      Trace("Command1_Click");
      mayCreate_ = pressedStart_ = true;
      k.Command1_Click();
      break;
    case 4:
      Trace("Command2_Click");
      k.Command2_Click();
      break;
    case 5:
      Trace("Command4_Click");
      k.Command4_Click();
      break;
    case 6:
      Trace("PHand_Click");
      k.PHand_Click(dice_.Int(-1, kHandSize));
      break;
    case 7: {
      double x = dice_.Real(-50, 460), y = dice_.Real(-50, 460);
      if (dice_.Chance(0.02)) x = std::nan("");
      Trace("Field_MouseDown");
      k.Field_MouseDown(1, 0, x, y);
      break;
    }
    case 8:
    case 9:
      Trace("FlipAnime_Timer");
      for (int i = dice_.Int(1, 10); i > 0; --i) k.FlipAnime_Timer();
      fakeMs_ += 10;
      break;
    case 10:
    case 11:
      Trace("Timer1_Timer");
      fakeMs_ += dice_.Int(0, 300);
      k.Timer1_Timer();
      break;
    case 12:
      Trace("LButton_Click");
      k.LButton_Click();
      break;
    case 13:
      if (dice_.Chance(0.2)) {
        Trace("close");
        if (k.Unload()) ++counts_.forfeits;
      }
      break;
    case 14:
      Trace("music notifications");
      S().DeliverNotifications();
      break;
    case 15:
      if (dice_.Chance(0.1)) {
        Trace("pace key");
        k.TogglePace();
      }
      break;
    default:
      if (nested) {
        Trace("FlipAnime_Timer");
        k.FlipAnime_Timer();
      } else {
        SensibleAction();
      }
      break;
  }
}

void DuelMonkey::PlaySeries(const QString& opponent, double chaos) {
  K().DuelPace = dice_.Chance(0.5) ? Pace::Normal : Pace::Fast;
  // StartDuel of the adventure.
  G().OpponentName = opponent;
  G().SeriesWins = G().SeriesLosses = G().SeriesDraws = 0;
  const Snapshot before = Take();
  K().Form_Load();
  PlayOpenedSeries(before, chaos);
}

void DuelMonkey::PlayOpenedSeries(const Snapshot& opened, double chaos) {
  chaos_ = chaos;
  ++counts_.series;
  Trace("open against " + G().OpponentName.toStdString() + " as " + G().PlayerName.toStdString());
  mayCreate_ = true;
  Check(opened, "Form_Load");
  Play(chaos);
}

void DuelMonkey::Play(double chaos) {
  Snapshot before;
  const int budget = chaos > 0 ? dice_.Int(20, 3000) : 100000;
  for (int a = 0; a < budget && K().IsOpen(); ++a) {
    before = Take();
    mayCreate_ = pressedStart_ = false;
    if (dice_.Chance(chaos)) {
      RandomAction(false);
    } else {
      ++counts_.actions;
      SensibleAction();
    }
    Check(before, "action");
  }
  // Whatever the dice left running is finished as a player would: the duel played out, then
  // "終わり" or the close box.
  chaos_ = 0;
  for (int a = 0; a < 20000 && K().IsOpen(); ++a) {
    before = Take();
    mayCreate_ = pressedStart_ = false;
    if (!InDuel() && a > 0) {
      Trace("close to finish");
      if (K().Ctl.Command4.Visible) {
        K().Command4_Click();
      } else {
        K().Unload();
      }
    } else {
      SensibleAction();
    }
    Check(before, "finishing");
  }
  if (K().IsOpen()) Fail("the series never ended (a duel hangs)");
  CheckClosed();
  S().TakeLog();
  S().DeliverNotifications();
}

void DuelMonkey::PlayOpenedTutorial(const Collections& before, int presses) {
  const Collections& collections = before;
  chaos_ = 0.5;
  Trace("tutorial");
  for (int i = 0; i < presses && K().IsOpen(); ++i) {
    if (dice_.Chance(0.4)) {
      K().LButton_Click();
    } else {
      RandomAction(true);  // nothing but the script may move a card
    }
  }
  if (K().IsOpen() && !K().Unload()) Fail("the tutorial does not close");
  if (G().Collections != collections) Fail("the tutorial changed a collection");
  if (G().TutorialMode != 0) Fail("tutorial mode left on");
  S().TakeLog();
}

}  // namespace korvane::soak
