#include "adventure/story/worth_visit.h"

#include <stdexcept>

#include "adventure/story/script_host.h"
#include "engine/types.h"

namespace korvane::story {
namespace {

// Plays a visit on its own copy of the state and notes what the player would meet.
class VisitProbe final : public ScriptHost {
 public:
  VisitProbe(const GameState& g, int place) : g_(g), place_(place) {}

  GameState& State() override { return g_; }
  void ShowMessage(const QString&) override {}
  void ShowSpeech(const QString&) override {}
  void ShowNotice(const QString&) override {}
  void ShowChoices(const QString&, const QString&) override { asked = true; }
  void StartDuel() override { duel = true; }
  void ShowTownMap() override { place_ = -1; }
  void EnterPlace(int place) override {
    entered = true;
    place_ = place;
  }
  void SetCurrentPlace(int place) override { place_ = place; }
  int CurrentPlace() const override { return place_; }
  void ShowHotSpot(int) override {}
  void ShowPortrait(int) override {}
  void HidePortrait(bool) override {}
  void HidePlayerFrame() override {}
  void MusicStop() override {}
  void MusicResume() override {}
  void PlayMusicFile(const QString&) override {}
  bool SaveGameOldHouse() override { return true; }
  void SetTimerInterval(int) override {}
  void FillLightGrey() override {}
  void DrawTextAt(int, int, const QString&) override {}
  QString CardName(int) override { return {}; }
  void TellPlayer(const QString&, const QString&) override {}

  bool asked = false;
  bool duel = false;
  bool entered = false;

 private:
  GameState g_;
  int place_;
};

// What the scripts change: the counters, the flags, the collections and the name (the master's
// mark).
bool SameStory(const GameState& a, const GameState& b) {
  for (int place : {0, 1, 2, 3, 4, 5, 7, 8}) {
    if (*a.StepCounter(place) != *b.StepCounter(place)) return false;
  }
  return a.PlaceUnlocked == b.PlaceUnlocked && a.Collections == b.Collections &&
         a.PlayerName == b.PlayerName;
}

// More than any visit of the story runs before it returns to the map or asks.
constexpr int kLongestVisit = 120;

}  // namespace

bool OnTheMap(const GameState& g, int place) {
  switch (place) {
    case 0:
      return g.ShindoStep >= 1;
    case 1:
    case 6:
      return true;
    case 2:
      return g.ShindoStep >= 31 && g.TakaharaStep >= 31;
    case 3:
    case 8:
      return g.PlaceUnlocked[3] != 0;
    case 4:
      return g.YokotaStep >= 3;
    case 5:
      return g.PlaceUnlocked[4] != 0;
    case 7:
      return g.PlaceUnlocked[1] != 0;
    default:
      return false;
  }
}

bool WorthAVisit(const GameState& g, int place) {
  if (g.StepCounter(place) == nullptr) return false;
  VisitProbe probe(g, place);
  try {
    // One step a tick, the counter raised after each, as the engine does; every message is read
    // and clicked away.
    for (int n = 0; n < kLongestVisit; ++n) {
      int16_t* counter = probe.State().StepCounter(place);
      RunPlaceStep(place, probe);
      AddTo(*counter, 1);
      if (probe.asked || probe.duel || probe.entered) return true;
      // Back on the map: worth it only if the visit changed something.
      if (probe.CurrentPlace() != place) return !SameStory(g, probe.State());
    }
  } catch (const std::exception&) {
    return false;  // a state no valid play reaches
  }
  return false;  // steps without entries, and no way out: nothing to see
}

std::array<bool, 9> PlacesWorthAVisit(const GameState& g) {
  std::array<bool, 9> worth{};
  for (int place = 0; place < 9; ++place)
    worth[place] = OnTheMap(g, place) && WorthAVisit(g, place);
  return worth;
}

}  // namespace korvane::story
