#include "tests/support/fake_host.h"

#include "duel/korvane.h"
#include "duel/tutorial.h"

namespace korvane::test {

void FakeHost::OpenDuelWindow(bool tutorial) {
  ++(tutorial ? tutorialOpenings : duelOpenings);
  if (!duel_) return;
  duel_->Form_Load();
  if (tutorial) ShowTutorialControls(*duel_, *sound_);
}

}  // namespace korvane::test
