// The one fake adventure host: it records every duel and tutorial the adventure opens and every
// quit, and, given the duel logic, opens it as the game does without windows (the selection for
// a duel; the tutorial's controls for the tutorial).
#pragma once

#include "adventure/adv_korvane.h"

namespace korvane {
class Korvane;
class SoundSystem;
}  // namespace korvane

namespace korvane::test {

class FakeHost : public AdventureHost {
 public:
  FakeHost() = default;
  FakeHost(Korvane& duel, SoundSystem& sound) : duel_(&duel), sound_(&sound) {}

  void OpenDuelWindow(bool tutorial) override;
  void Quit() override { ++quits; }

  int duelOpenings = 0;
  int tutorialOpenings = 0;
  int quits = 0;

 private:
  Korvane* duel_ = nullptr;
  SoundSystem* sound_ = nullptr;
};

}  // namespace korvane::test
