// Music devices and effects, and the two switches (saved settings, state/sound_switches.h) they
// obey. The windows talk only to these interfaces; the SDL2_mixer back end and a silent/fake one
// implement them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "state/sound_switches.h"

namespace korvane {

// A window's music device ("sequencer"): a file name, "Open", "Play", "Close", and a completion
// notification whenever a playback ends or is cut short by "Close". The notification is always
// delivered later on the GUI thread through the event loop, never inside the command.
class MusicDevice {
 public:
  virtual ~MusicDevice() = default;
  virtual void SetFileName(const QString& fileName) = 0;  // bare name, e.g. "BGM.mid"
  virtual QString FileName() const = 0;
  virtual void Open() = 0;
  virtual void Play() = 0;
  virtual void Close() = 0;
  // Set by the owning window.
  std::function<void()> OnDone;
};

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Plays a WAV effect by bare name when the effect switch is on; fire and forget.
  virtual void PlayEffect(const QString& fileName) = 0;
  virtual std::unique_ptr<MusicDevice> CreateMusicDevice() = 0;
  // A system made held opens its audio device and loads its soundfont only from this call on;
  // until then it behaves as while they are still opening. Other systems ignore it.
  virtual void Begin() {}
  SoundSwitches& Switches() { return switches_; }
  const SoundSwitches& Switches() const { return switches_; }

 protected:
  SoundSwitches switches_;
};

// SDL2_mixer back end reading media from dataDir, with one resident FluidSynth for the music.
// It returns at once: the audio device opens and the soundfont loads in the background, and a
// piece played before then starts when they are ready. Runs silent (one line on stderr) when no
// audio device opens, and without music when there is no soundfont. `held`: that background
// work waits for Begin (the game lets it go once its first window is on the screen, so that the
// two do not share the processor).
std::unique_ptr<SoundSystem> CreateSdlSoundSystem(const QString& dataDir, bool held = false);

}  // namespace korvane
