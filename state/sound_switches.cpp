#include "state/sound_switches.h"

namespace korvane {

// A caption that is not exactly "ON" counts as off, so a click always turns it on first.
void SoundSwitches::ToggleMusic() {
  MusicCaption = MusicOn() ? QStringLiteral("音楽：ＯＦＦ") : QStringLiteral("音楽：ＯＮ");
}

void SoundSwitches::ToggleEffects() {
  EffectCaption = EffectsOn() ? QStringLiteral("効果音：ＯＦＦ") : QStringLiteral("効果音：ＯＮ");
}

}  // namespace korvane
