// The adventure wanderer: runs of the game as korvane::Game makes it (without windows), with the
// real story and real save files in a temporary directory. Random hot spots, pointer moves, clicks
// on the picture and the portraits, choices, switches and timer ticks; every duel is played to its
// end by DuelMonkey. A run ends by "終わる", by closing (with a random answer), by a signal, by the
// end of the story or by a crash (the run is simply dropped). Every save is read back and must
// equal the game as it was; every continued or resumed game must equal the last save; counters stay
// in range.
//   soak_adventure [--seed N] [--runs RUNS | --seconds S | --minutes M]
#include <sys/stat.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "adventure/adv_korvane.h"
#include "state/save_files.h"
#include "tests/soak/soak_support.h"
#include "tests/support/headless.h"

using namespace korvane;
using namespace korvane::soak;

namespace {

struct Counts {
  long runs = 0, events = 0, series = 0, duels = 0, saves = 0, reloads = 0, crashes = 0,
       continueOffers = 0, tutorials = 0, endings = 0;
  int furthest[9] = {};  // the highest step counter seen per place
};

// The game's platform: while the duel is open, DuelMonkey's; otherwise random answers, the
// failure of any save, and a tick or a click slipping in while events run.
class Answers : public DuelMonkey {
 public:
  explicit Answers(Dice& dice) : DuelMonkey(dice), dice_(dice) {}
  void Attach(test::TestGame& game) {
    DuelMonkey::Attach(game);
    game_ = &game;
  }
  bool AskYesNo(const QString& title, const QString& text) override {
    if (game_->Duel().IsOpen()) return DuelMonkey::AskYesNo(title, text);
    lastQuestion = title;
    return dice_.Chance(0.5);
  }
  void ShowOk(const QString& title, const QString& text, const ShownCard& card) override {
    // A save that fails is a fault here: the directory is ours.
    if (title.contains(QStringLiteral("セーブ")) || title == QStringLiteral("名前")) {
      Trace("message " + title.toStdString() + ": " + text.toStdString());
    }
    if (title == QStringLiteral("セーブ失敗")) Fail("a save failed: " + text.toStdString());
    if (game_->Duel().IsOpen()) DuelMonkey::ShowOk(title, text, card);
  }
  void ProcessEvents() override {
    if (game_->Duel().IsOpen()) return DuelMonkey::ProcessEvents();
    if (dice_.Chance(0.3)) game_->Adventure().Timer1_Timer();
    if (dice_.Chance(0.1)) game_->Adventure().Picture1_Click();
  }
  QString lastQuestion;

 private:
  Dice& dice_;
  test::TestGame* game_ = nullptr;
};

// What the save holds, compared field by field.
std::string Differs(const GameState& a, const GameState& b) {
  if (a.PlayerName != b.PlayerName) return "name";
  if (a.PlayerSex != b.PlayerSex) return "sex";
  if (a.Collections != b.Collections) return "collections";
  for (int place : {0, 1, 2, 3, 4, 5, 7, 8}) {
    if (*a.StepCounter(place) != *b.StepCounter(place)) {
      return "step counter of place " + std::to_string(place);
    }
  }
  for (int i = 1; i <= 5; ++i) {
    if (a.PlaceUnlocked[i] != b.PlaceUnlocked[i]) return "flag " + std::to_string(i);
  }
  return {};
}

void CheckRanges(const GameState& g) {
  for (int place : {0, 1, 2, 3, 4, 5, 7, 8}) {
    const int v = *g.StepCounter(place);
    if (v < -1 || v > 200)
      Fail("step counter of place " + std::to_string(place) + " is " + std::to_string(v));
  }
  for (const auto& person : g.Collections) {
    for (int16_t n : person) {
      if (n < 0 || n > 500) Fail("a collection count is " + std::to_string(n));
    }
  }
  for (int i = 1; i <= 5; ++i) {
    if (g.PlaceUnlocked[i] < -1 || g.PlaceUnlocked[i] > 1) Fail("a flag out of range");
  }
  if (g.PlayerSex != 0 && g.PlayerSex != 1) Fail("sex out of range");
  if (g.SeriesWins < -1 || g.SeriesLosses < 0 || g.SeriesDraws < 0) Fail("series counter");
}

// The save on disk as (inode, modification time): every write makes a new file.
std::pair<ino_t, long long> Stamp(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {0, 0};
  return {st.st_ino, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
}

const QString kNames[] = {
    QStringLiteral("太郎"),    QStringLiteral("花子"),
    QStringLiteral("  "),      QStringLiteral("※マスター"),
    QStringLiteral("名前😀"),   QStringLiteral("{name}"),
    QString(15, QChar(u'長')), QString(16, QChar(u'長')),
    QStringLiteral("ｱｲｳ〜"),   QString(),
};

}  // namespace

int main(int argc, char** argv) {
  test::Headless();
  QGuiApplication app(argc, argv);
  const Options options = ParseOptions(argc, argv, 40);
  Dice dice(options.seed);
  // In memory where there is a tmpfs: the soak writes thousands of saves, each one synced.
  QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/korvane-soak-XXXXXX")
                                              : QDir::tempPath() + "/korvane-soak-XXXXXX");
  SaveStore store(dir.path());
  Counts n;
  std::optional<GameState> lastSaved;  // what the save on disk holds
  std::pair<ino_t, long long> knownSave{0, 0};
  const Budget budget(options);

  while (budget.More(n.runs)) {
    ++n.runs;
    // One start of the program.
    Answers answers(dice);
    test::TestGame made(
        {.seed = options.seed * 104729 + n.runs, .platform = &answers, .saveDir = dir.path()});
    if (!made) Fail("the game: " + made.error);
    answers.Attach(made);
    GameState& state = made.State();
    FakeSoundSystem& sound = made.Sound();
    if (dice.Chance(0.5)) sound.Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
    ADVKorvane& a = made.Adventure();
    auto checkLoaded = [&](const char* how) {
      if (a.Picture5().visible || !lastSaved) return;
      ++n.reloads;
      const std::string diff = Differs(state, *lastSaved);
      if (!diff.empty())
        Fail(std::string(how) + ": the loaded game differs from the save in " + diff);
    };

    Trace("start");
    answers.lastQuestion.clear();
    made->Load();
    // However the last run ended (quit without saving, a signal, a crash), the last save is
    // offered, and nothing else is.
    const bool offered = a.Picture5().visible && a.Command(2).visible &&
                         a.Command(2).caption == QStringLiteral("続きから");
    if (offered != lastSaved.has_value()) {
      Fail(lastSaved ? "the last save is not offered at the start"
                     : "a save that was never made is offered");
    }
    n.continueOffers += offered;
    const long eventsThisRun = dice.Int(200, 40000);
    bool over = false;
    for (long e = 0; e < eventsThisRun && !over; ++e) {
      ++n.events;
      // What a duel opened by this event starts from: the adventure's StartDuel zeroes the series.
      DuelMonkey::Snapshot before = answers.Take();
      before.played = 0;
      const DuelMonkey::Collections collections = state.Collections;
      const int pick = dice.Int(0, 99);
      const bool title = a.Picture5().visible;
      if (title) {
        const bool canContinue =
            a.Command(2).visible && a.Command(2).caption == QStringLiteral("続きから");
        if (pick < (canContinue ? 3 : 15)) {
          Trace("ニューゲーム"), a.Command1_Click();
        } else if (pick < 45) {
          const QString caption = a.Command(2).caption;
          Trace("Command2 " + caption.toStdString());
          a.Command2_Click();
          if (caption == QStringLiteral("続きから")) checkLoaded("続きから");
        } else if (pick < 50) {
          Trace("ゲーム説明"), a.Command3_Click();
        } else if (pick < 55) {
          Trace("music switch"), a.Command4_Click();
        } else if (pick < 60) {
          Trace("effect switch"), a.Command5_Click();
        } else if (pick < 80) {
          a.SetText1(kNames[dice.Int(0, std::size(kNames) - 1)]);
        } else if (pick < 85) {
          a.SetCombo1(dice.Chance(0.5) ? QStringLiteral("男") : QStringLiteral("女"));
        } else {
          a.Timer1_Timer();  // does nothing on the title
          a.Clicker_Click(dice.Int(0, 8));
        }
      } else if (pick < 55) {
        a.Timer1_Timer();
      } else if (pick < 75) {
        a.Picture1_Click();
      } else if (pick < 78) {
        a.Picture2_Click();
      } else if (pick < 80) {
        a.Picture4_Click();
      } else if (pick < 86) {
        // The player's house asks whether to stop: mostly not, so the story gets somewhere.
        const bool quitAsked = a.Choiser(0).caption == QStringLiteral("終わる");
        const int i = quitAsked ? (dice.Chance(0.1) ? 0 : 1) : dice.Int(0, 1);
        Trace("Choiser " + std::to_string(i) + " " + a.Choiser(i).caption.toStdString());
        a.Choiser_Click(i);
      } else if (pick < 92) {
        const int i = dice.Int(0, 8);
        Trace("Clicker " + std::to_string(i));
        a.Clicker_Click(i);
      } else if (pick < 95) {
        a.Clicker_MouseMove(dice.Int(0, 8));
        a.Picture1_MouseMove();
      } else if (pick < 96) {
        dice.Chance(0.5) ? a.Command4_Click() : a.Command5_Click();
      } else if (pick < 97) {
        sound.DeliverNotifications();
      } else if (pick < 98 && dice.Chance(0.05)) {
        // Any handler at any moment, the title's included.
        Trace("stray title click");
        a.Command1_Click(), a.Command2_Click(), a.Command3_Click();
      } else if (pick == 99 && dice.Chance(0.02)) {
        Trace("close box");
        answers.lastQuestion.clear();
        if (a.Form_QueryUnload()) over = true;
      }

      // The game has opened the duel logic: played to its close, which brings the adventure back.
      if (made.Duel().IsOpen()) {
        if (state.TutorialMode != 0) {
          ++n.tutorials;
          answers.PlayOpenedTutorial(collections, dice.Int(0, 60));
        } else {
          answers.PlayOpenedSeries(before, dice.Chance(0.5) ? 0.0 : dice.Real(0.05, 0.5));
        }
      }
      CheckRanges(state);
      for (int place : {0, 1, 2, 3, 4, 5, 7, 8}) {
        n.furthest[place] = std::max<int>(n.furthest[place], *state.StepCounter(place));
      }
      // A new save file: read back, it must hold the game as it is now (the old house's
      // variant stores its own counter as 0).
      const auto stamp = Stamp(store.SavePath());
      if (stamp.first != 0 && stamp != knownSave && !a.Picture5().visible) {
        knownSave = stamp;
        ++n.saves;
        GameState read;
        QString why;
        if (!store.LoadGame(read, &why)) Fail("a save cannot be read back: " + why.toStdString());
        GameState expected = state;
        if (!a.Ended()) expected.OldHouseStep = 0;
        const std::string diff = Differs(read, expected);
        if (!diff.empty()) Fail("the save differs from the game in " + diff);
        lastSaved = read;
      } else if (stamp.first == 0) {
        lastSaved.reset();  // a new game let the last save go
      }
      if (a.Ended()) over = true;
      if (!over && a.Timer1Interval() == 0) {
        ++n.endings;
        Trace("the end of the story");
        if (!a.Form_QueryUnload()) Fail("closing after the ending asked or refused");
        over = true;
      }
    }
    if (!over) {
      if (dice.Chance(0.3)) {
        Trace("signal");
        a.EndWithoutQuestion();
        if (!a.Ended()) Fail("a signal did not end the game");
      } else {
        Trace("crash");
        ++n.crashes;
      }
    }
    if (store.HasResumeCopy()) Fail("the save left its place during play");
    n.series += answers.Counts().series;
    n.duels += answers.Counts().duels;
    // A finished story starts again from nothing.
    if (state.TakamineStep >= 112) {
      (void)store.DeleteSave();
      lastSaved.reset();
    }
  }
  std::printf(
      "soak_adventure seed %llu: %ld runs, %ld events, %ld duel series (%ld duels), %ld "
      "tutorials, %ld saves, %ld reloads, %ld crashes, %ld starts offering the last save, %ld "
      "endings\n",
      static_cast<unsigned long long>(options.seed), n.runs, n.events, n.series, n.duels,
      n.tutorials, n.saves, n.reloads, n.crashes, n.continueOffers, n.endings);
  std::printf(
      "furthest steps: 高原 %d, 真道 %d, 風見 %d, 横田 %d, 高峰 %d, old house %d, tree %d, "
      "square %d\n",
      n.furthest[0], n.furthest[1], n.furthest[2], n.furthest[3], n.furthest[4], n.furthest[5],
      n.furthest[7], n.furthest[8]);
  return 0;
}
