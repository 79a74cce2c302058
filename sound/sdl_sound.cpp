// SDL2_mixer back end. SDL_mixer has one music stream per process: the two windows' devices
// share it, and the device whose Play came last owns it. Effects play on a reserved channel of
// their own, so a new effect cuts the one before it.
//
// Threads: the music-finished hook runs on the audio thread, and Mix_HaltMusic also calls it
// synchronously under the mixer lock. So the hook only posts a queued call to a QObject living on
// the GUI thread; every SDL call happens on the GUI thread.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>

#include "sound/sound.h"

namespace korvane {

namespace {

// Where Debian's timgm6mb-soundfont puts its General MIDI bank, then the system default.
const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/soundfonts/default.sf2",
};

// Effects are loaded once at start so that the first play does not wait on the disk.
const char* const kEffectFiles[] = {"co.wav",   "mmyw.wav",  "mmyw2.wav", "idid.wav",
                                    "bboo.wav", "tooon.wav", "Youdid.wav"};

constexpr int kEffectChannel = 0;

// A piece that "ends" sooner than this after it started did not really play (a file FluidSynth
// could not read still loads, and ends at once). Restarting it from the loop would spin; it
// plays silence instead until its device is closed. Real pieces ring on for seconds.
constexpr long long kShortestPieceMs = 300;

long long NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Data files by bare name, matched without regard to case; empty when there is none.
QString FindDataFile(const QString& dataDir, const QString& name) {
  if (name.isEmpty()) return QString();
  const QDir dir(dataDir);
  if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
  for (const QString& entry : dir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return QString();
}

class SdlMusicDevice;

// The process-wide mixer, shared by the sound system and its devices (either may go first).
class Mixer {
 public:
  Mixer();
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  bool HasAudio() const { return audio_; }
  void PlayEffect(const QString& path);
  void PreloadEffect(const QString& path) { Effect(path); }

  // Music stream, called by the devices.
  uint64_t StartPlayback(SdlMusicDevice* device, const QString& path);
  void DropPlayback(uint64_t id);
  bool StillPlaying(SdlMusicDevice* device) const;
  void StopStream(SdlMusicDevice* device);
  void PostDone(uint64_t id, long long playedMs = -1);
  void Forget(SdlMusicDevice* device);

  static void MusicFinishedHook();

 private:
  Mix_Chunk* Effect(const QString& path);
  void Notify(uint64_t id, long long playedMs);
  void HaltStream();

  bool audio_ = false;
  bool midiErrorReported_ = false;
  QObject context_;  // on the GUI thread; queued calls die with it
  std::map<QString, Mix_Chunk*> effects_;
  Mix_Music* music_ = nullptr;
  SdlMusicDevice* owner_ = nullptr;
  bool streamStarted_ = false;               // the owner's playback really reached SDL
  std::atomic<uint64_t> streamPlayback_{0};  // read by the hook; 0 = report nothing
  std::atomic<long long> streamStartMs_{0};
  bool shortPieceReported_ = false;
  uint64_t nextPlayback_ = 1;
  std::map<uint64_t, SdlMusicDevice*> pending_;  // playbacks not yet notified

  static std::atomic<Mixer*> hookTarget_;  // the C hook takes no user data
};

std::atomic<Mixer*> Mixer::hookTarget_{nullptr};

class SdlMusicDevice : public MusicDevice {
 public:
  SdlMusicDevice(std::shared_ptr<Mixer> mixer, QString dataDir)
      : mixer_(std::move(mixer)), dataDir_(std::move(dataDir)) {}
  ~SdlMusicDevice() override { mixer_->Forget(this); }

  void SetFileName(const QString& fileName) override { file_ = fileName; }
  QString FileName() const override { return file_; }

  // A missing file still opens: the device then plays silence, so the window's loop goes on.
  void Open() override {
    if (open_) return;
    open_ = true;
    path_ = FindDataFile(dataDir_, file_);
  }

  void Play() override {
    if (!open_) return;  // a closed device ignores Play
    if (playback_ != 0 && mixer_->StillPlaying(this)) return;
    if (playback_ != 0) mixer_->DropPlayback(playback_);  // replaced, not ended
    playback_ = mixer_->StartPlayback(this, path_);
  }

  // Cutting a playback short is an end too: the window hears about it, later, as always.
  void Close() override {
    if (!open_) return;
    open_ = false;
    if (playback_ == 0) return;
    const uint64_t id = playback_;
    playback_ = 0;
    mixer_->StopStream(this);
    mixer_->PostDone(id);
  }

  // Called by the mixer on the GUI thread when a playback's notification is delivered.
  void Done(uint64_t id) {
    if (playback_ == id) playback_ = 0;
    if (OnDone) OnDone();
  }

 private:
  std::shared_ptr<Mixer> mixer_;
  QString dataDir_;
  QString file_;
  QString path_;
  bool open_ = false;
  uint64_t playback_ = 0;  // the playback this device started and has not heard the end of
};

Mixer::Mixer() {
  // The audio device; without one the game runs silent.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "korvane: no sound: %s\n", SDL_GetError());
    return;
  }
  // The General MIDI bank, given explicitly (Debian's SDL_mixer ignores SDL_SOUNDFONTS).
  bool haveFont = false;
  for (const char* font : kSoundFonts) {
    if (QFileInfo::exists(QString::fromLatin1(font))) {
      Mix_SetSoundFonts(font);
      haveFont = true;
      break;
    }
  }
  if (!haveFont) {
    std::fprintf(stderr, "korvane: no General MIDI soundfont (package timgm6mb-soundfont)\n");
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::fprintf(stderr, "korvane: no sound: %s\n", Mix_GetError());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  audio_ = true;
  Mix_ReserveChannels(1);  // channel 0 is the effects' own
  hookTarget_.store(this);
  Mix_HookMusicFinished(&Mixer::MusicFinishedHook);
}

Mixer::~Mixer() {
  if (!audio_) return;
  hookTarget_.store(nullptr);
  Mix_HookMusicFinished(nullptr);  // takes the mixer lock: no hook is running after this
  HaltStream();
  Mix_HaltChannel(-1);
  for (auto& [path, chunk] : effects_) {
    if (chunk) Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Audio thread, or inside Mix_HaltMusic under the mixer lock: no SDL calls, only a queued post.
void Mixer::MusicFinishedHook() {
  Mixer* mixer = hookTarget_.load();
  if (!mixer) return;
  const uint64_t id = mixer->streamPlayback_.load();
  if (id == 0) return;
  mixer->PostDone(id, NowMs() - mixer->streamStartMs_.load());
}

void Mixer::PostDone(uint64_t id, long long playedMs) {
  QMetaObject::invokeMethod(
      &context_, [this, id, playedMs] { Notify(id, playedMs); }, Qt::QueuedConnection);
}

void Mixer::Notify(uint64_t id, long long playedMs) {
  auto it = pending_.find(id);
  if (it == pending_.end()) return;  // already told, replaced, or its device is gone
  SdlMusicDevice* device = it->second;
  if (playedMs >= 0 && playedMs < kShortestPieceMs && owner_ == device) {
    if (!shortPieceReported_) {
      std::fprintf(stderr,
                   "korvane: a piece of music ended as soon as it started; silence instead\n");
      shortPieceReported_ = true;
    }
    streamStarted_ = false;  // plays on silently until its Close
    return;
  }
  pending_.erase(it);
  device->Done(id);
}

Mix_Chunk* Mixer::Effect(const QString& path) {
  if (!audio_ || path.isEmpty()) return nullptr;
  auto it = effects_.find(path);
  if (it != effects_.end()) return it->second;
  Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
  effects_[path] = chunk;  // a file that will not load stays silent, and is not retried
  return chunk;
}

void Mixer::PlayEffect(const QString& path) {
  if (Mix_Chunk* chunk = Effect(path)) Mix_PlayChannel(kEffectChannel, chunk, 0);
}

void Mixer::HaltStream() {
  streamPlayback_.store(0);  // a halt we ask for is not reported by the hook
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  owner_ = nullptr;
  streamStarted_ = false;
}

uint64_t Mixer::StartPlayback(SdlMusicDevice* device, const QString& path) {
  // Take the stream; a device that played before keeps its playback until its Close.
  if (audio_) HaltStream();
  owner_ = device;
  streamStarted_ = false;
  const uint64_t id = nextPlayback_++;
  pending_[id] = device;
  if (!audio_ || path.isEmpty()) return id;  // silent playback: it ends only with Close

  // A fresh Mix_Music for every play: a halted piece does not replay like a new one.
  music_ = Mix_LoadMUS(QFile::encodeName(path).constData());
  if (!music_) {
    if (!midiErrorReported_) {
      std::fprintf(stderr, "korvane: cannot play %s: %s\n", qPrintable(path), Mix_GetError());
      midiErrorReported_ = true;
    }
    return id;
  }
  streamPlayback_.store(id);
  streamStartMs_.store(NowMs());
  if (Mix_PlayMusic(music_, 0) != 0) {
    streamPlayback_.store(0);
    if (!midiErrorReported_) {
      std::fprintf(stderr, "korvane: cannot play %s: %s\n", qPrintable(path), Mix_GetError());
      midiErrorReported_ = true;
    }
    return id;
  }
  streamStarted_ = true;
  return id;
}

void Mixer::DropPlayback(uint64_t id) { pending_.erase(id); }

bool Mixer::StillPlaying(SdlMusicDevice* device) const {
  if (owner_ != device) return false;  // another device took the stream
  if (!streamStarted_) return true;    // silent playback never ends by itself
  return Mix_PlayingMusic() != 0;
}

void Mixer::StopStream(SdlMusicDevice* device) {
  if (owner_ == device) HaltStream();
}

void Mixer::Forget(SdlMusicDevice* device) {
  StopStream(device);
  for (auto it = pending_.begin(); it != pending_.end();) {
    it = it->second == device ? pending_.erase(it) : std::next(it);
  }
}

class SdlSoundSystem : public SoundSystem {
 public:
  SdlSoundSystem(std::shared_ptr<Mixer> mixer, QString dataDir)
      : mixer_(std::move(mixer)), dataDir_(std::move(dataDir)) {
    for (const char* name : kEffectFiles) {
      mixer_->PreloadEffect(FindDataFile(dataDir_, QString::fromLatin1(name)));
    }
  }

  void PlayEffect(const QString& fileName) override {
    if (!switches_.EffectsOn() || !mixer_->HasAudio()) return;
    // Typing plays an effect every few milliseconds: look each name up on disk once.
    auto it = effectPaths_.find(fileName);
    if (it == effectPaths_.end()) {
      it = effectPaths_.emplace(fileName, FindDataFile(dataDir_, fileName)).first;
    }
    mixer_->PlayEffect(it->second);
  }

  std::unique_ptr<MusicDevice> CreateMusicDevice() override {
    return std::make_unique<SdlMusicDevice>(mixer_, dataDir_);
  }

 private:
  std::shared_ptr<Mixer> mixer_;
  QString dataDir_;
  std::map<QString, QString> effectPaths_;  // bare name -> path, "" when missing
};

}  // namespace

std::unique_ptr<SoundSystem> CreateSdlSoundSystem(const QString& dataDir) {
  // SDL_mixer is one per process: systems made while another lives share its mixer.
  static std::weak_ptr<Mixer> current;
  std::shared_ptr<Mixer> mixer = current.lock();
  if (!mixer) {
    mixer = std::make_shared<Mixer>();
    current = mixer;
  }
  return std::make_unique<SdlSoundSystem>(std::move(mixer), dataDir);
}

}  // namespace korvane
