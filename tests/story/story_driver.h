// A recording ScriptHost and a small driver that plays the place scripts as the adventure's engine
// does: one step per tick, the counter raised by 1 after each, messages clicked away, choices
// answered by adding the index, StartDuel's counter adjustment, ShowTownMap leaving the place.
// Duel series and card transfers are whatever the test decides.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "adventure/story/script_host.h"
#include "state/game_state.h"

namespace korvane::testing {

struct Event {
  Event(std::string k, QString t = {}, QString t2 = {}, int x = 0, int y = 0)
      : kind(std::move(k)), text(std::move(t)), text2(std::move(t2)), a(x), b(y) {}
  std::string kind;  // speech, message, notice, choices, duel, map, step, draw, timer, ...
  QString text;
  QString text2;
  int a = 0;
  int b = 0;
};

class RecordingHost : public ScriptHost {
 public:
  explicit RecordingHost(GameState& g) : g_(g) {}

  GameState& State() override { return g_; }
  void ShowMessage(const QString& t) override { Log("message", t); }
  void ShowSpeech(const QString& t) override { Log("speech", t); }
  void ShowNotice(const QString& t) override { Log("notice", t); }
  void ShowChoices(const QString& first, const QString& second) override {
    log.push_back({"choices", first, second});
    choicesShown = true;
  }
  void StartDuel() override;
  void ShowTownMap() override;
  void EnterPlace(int place) override;
  void SetCurrentPlace(int place) override { current = place; }
  int CurrentPlace() const override { return current; }
  void ShowHotSpot(int place) override { hotSpots.insert(place); }
  void ShowPortrait(int pic) override {
    portrait = pic;
    frame = true;
    log.push_back({"portrait", {}, {}, pic});
  }
  void HidePortrait(bool alsoFrame) override {
    portrait = -1;
    if (alsoFrame) frame = false;
    log.push_back({"hide portrait", {}, {}, alsoFrame ? 1 : 0});
  }
  void HidePlayerFrame() override { log.push_back({"hide player frame"}); }
  void MusicStop() override { Music("stop"); }
  void MusicResume() override { Music("resume"); }
  void PlayMusicFile(const QString& f) override { Music("play " + f.toStdString()); }
  bool SaveGameOldHouse() override {
    log.push_back({"save"});
    savedOldHouseStep = 0;  // the record is written as 0 whatever the counter says
    return true;
  }
  void SetTimerInterval(int ms) override {
    timerMs = ms;
    log.push_back({"timer", {}, {}, ms});
  }
  void FillLightGrey() override { log.push_back({"light grey"}); }
  void DrawTextAt(int x, int y, const QString& t) override { log.push_back({"draw", t, {}, x, y}); }
  void TellPlayer(const QString& title, const QString& t) override {
    log.push_back({"tell", t, title});
  }
  QString CardName(int id) override {
    auto it = cardNames.find(id);
    return it != cardNames.end() ? it->second : QStringLiteral("札%1").arg(id);
  }

  // Which hot spots the map shows once it is rebuilt, as the town map does it.
  void RebuildMap();

  std::vector<Event> log;
  int current = -1;
  bool choicesShown = false;
  bool duelStarted = false;
  int timerMs = 10;
  int portrait = -1;
  bool frame = false;
  int savedOldHouseStep = -1;
  std::set<int> hotSpots{1, 6};
  bool wholeMap = false;  // every hot spot, for tests of single places
  std::map<int, QString> cardNames;
  std::vector<std::string> music;

 private:
  void Log(const char* kind, const QString& t) { log.push_back({kind, t}); }
  void Music(const std::string& what) {
    music.push_back(what);
    log.push_back({"music", QString::fromStdString(what)});
  }
  GameState& g_;
};

// What the duel window leaves behind: the series counters and the collections.
struct DuelOutcome {
  int wins = 0;
  int losses = 0;
  int draws = 0;
  std::function<void(GameState&)> cards;
};
DuelOutcome Series(int wins, int losses, int draws = 0,
                   std::function<void(GameState&)> cards = nullptr);
// A card moved from one person to another, as a duel's transfer does.
void Move(GameState& g, int from, int to, int card, int count = 1);

class StoryDriver {
 public:
  explicit StoryDriver(const QString& playerName = QStringLiteral("太郎君"), int sex = 0);
  StoryDriver(const StoryDriver&) = delete;  // the host holds a reference to g
  StoryDriver& operator=(const StoryDriver&) = delete;

  // Enters a place shown on the map and plays until the map is back or the engine stops:
  // every message is clicked away, each choice takes the next of `answers`, each duel ends
  // with the next of `duels`. Returns what the visit showed.
  std::vector<Event> Visit(int place, std::vector<int> answers = {},
                           std::vector<DuelOutcome> duels = {});

  GameState g;
  RecordingHost host{g};
};

// Helpers over a visit's events.
std::vector<QString> TextsOf(const std::vector<Event>& ev, const std::string& kind);
// The steps of `place` that ran, in order.
std::vector<int> StepsOf(const std::vector<Event>& ev, int place);
bool Shows(const std::vector<Event>& ev, const std::string& kind, const QString& text);
QString LastText(const std::vector<Event>& ev, const std::string& kind);

}  // namespace korvane::testing
