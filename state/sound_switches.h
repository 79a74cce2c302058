// The two sound switches, kept as the settings file keeps them: in the captions of the adventure
// window's buttons, exactly as the buttons show them. Every part of the game tests the captions.
#pragma once

#include <QString>

namespace korvane {

struct SoundSwitches {
  QString MusicCaption = QStringLiteral("音楽：ＯＮ");
  QString EffectCaption = QStringLiteral("効果音：ＯＮ");
  bool MusicOn() const { return MusicCaption == QStringLiteral("音楽：ＯＮ"); }
  bool EffectsOn() const { return EffectCaption == QStringLiteral("効果音：ＯＮ"); }
  void ToggleMusic();  // flips the caption only; the window sends the device commands
  void ToggleEffects();
};

}  // namespace korvane
