#include "tests/story/story_driver.h"

#include "engine/types.h"

namespace korvane::testing {

void RecordingHost::StartDuel() {
  static const char* const kOpponents[9] = {"高原 良絵", "真道 祐樹", "風見 誠",
                                            "横田 真央", "高峰 武",   "速水 結",
                                            "",          "高峰 武",   "横田 真央"};
  g_.SeriesWins = g_.SeriesLosses = g_.SeriesDraws = 0;
  g_.OpponentName = QString::fromUtf8(kOpponents[current]);
  int16_t& c = *g_.StepCounter(current);
  if (c <= 10) c = 11;
  if (c > 30) c = 35;
  duelStarted = true;
  log.push_back({"duel", g_.OpponentName});
}

void RecordingHost::RebuildMap() {
  hotSpots.insert({6, 1});
  if (wholeMap) hotSpots.insert({0, 2, 3, 4, 5, 7, 8});
  if (g_.ShindoStep >= 1) hotSpots.insert(0);
  if (g_.ShindoStep >= 31 && g_.TakaharaStep >= 31) hotSpots.insert(2);
  if (g_.PlaceUnlocked[1]) hotSpots.insert(7);
  if (g_.PlaceUnlocked[3]) hotSpots.insert({3, 8});
  if (g_.YokotaStep >= 3) hotSpots.insert(4);
  if (g_.PlaceUnlocked[4]) hotSpots.insert(5);
}

void RecordingHost::ShowTownMap() {
  current = -1;
  portrait = -1;
  frame = false;
  RebuildMap();
  log.push_back({"map"});
}

void RecordingHost::EnterPlace(int place) {
  current = place;
  hotSpots.clear();
  portrait = -1;
  frame = false;
  if (place < 5) {
    portrait = place;
    frame = !((place == 3 && g_.YokotaStep == 0) ||
              (place == 4 && (g_.TakamineStep == 0 || g_.TakamineStep >= 100)));
  }
  log.push_back({"enter", {}, {}, place});
}

DuelOutcome Series(int wins, int losses, int draws, std::function<void(GameState&)> cards) {
  return {wins, losses, draws, std::move(cards)};
}

void Move(GameState& g, int from, int to, int card, int count) {
  AddTo(g.Collections[from][card], -count);
  AddTo(g.Collections[to][card], count);
}

StoryDriver::StoryDriver(const QString& playerName, int sex) {
  NewGameState(g, playerName, int16_t(sex));
}

std::vector<Event> StoryDriver::Visit(int place, std::vector<int> answers,
                                      std::vector<DuelOutcome> duels) {
  const size_t start = host.log.size();
  EXPECT_TRUE(host.hotSpots.count(place)) << "place " << place << " is not on the map";
  host.EnterPlace(place);
  size_t nextAnswer = 0, nextDuel = 0;
  int tick = 0;
  for (; tick < 2000 && host.current >= 0 && host.timerMs != 0; ++tick) {
    const int p = host.current;
    host.choicesShown = host.duelStarted = false;
    const int16_t step = *g.StepCounter(p);
    if (RunPlaceStep(p, host)) host.log.push_back({"step", {}, {}, p, step});
    AddTo(*g.StepCounter(p), 1);  // the engine's increment, for the place whose step ran
    if (host.duelStarted) {
      if (nextDuel >= duels.size()) {
        ADD_FAILURE() << "unexpected duel at place " << p << " step " << step;
        break;
      }
      const DuelOutcome& d = duels[nextDuel++];
      g.SeriesWins = int16_t(d.wins);
      g.SeriesLosses = int16_t(d.losses);
      g.SeriesDraws = int16_t(d.draws);
      if (d.cards) d.cards(g);
    }
    if (host.choicesShown) {
      if (nextAnswer >= answers.size()) {
        ADD_FAILURE() << "unexpected choice at place " << p << " step " << step;
        break;
      }
      AddTo(*g.StepCounter(host.current), answers[nextAnswer++]);
    }
  }
  EXPECT_LT(tick, 2000) << "the visit never left place " << place;
  EXPECT_EQ(nextAnswer, answers.size()) << "unused answers at place " << place;
  EXPECT_EQ(nextDuel, duels.size()) << "unused duel outcomes at place " << place;
  return {host.log.begin() + long(start), host.log.end()};
}

std::vector<QString> TextsOf(const std::vector<Event>& ev, const std::string& kind) {
  std::vector<QString> out;
  for (const Event& e : ev) {
    if (e.kind == kind) out.push_back(e.text);
  }
  return out;
}

std::vector<int> StepsOf(const std::vector<Event>& ev, int place) {
  std::vector<int> out;
  for (const Event& e : ev) {
    if (e.kind == "step" && e.a == place) out.push_back(e.b);
  }
  return out;
}

bool Shows(const std::vector<Event>& ev, const std::string& kind, const QString& text) {
  for (const Event& e : ev) {
    if (e.kind == kind && e.text == text) return true;
  }
  return false;
}

QString LastText(const std::vector<Event>& ev, const std::string& kind) {
  for (auto it = ev.rbegin(); it != ev.rend(); ++it) {
    if (it->kind == kind) return it->text;
  }
  return {};
}

}  // namespace korvane::testing
