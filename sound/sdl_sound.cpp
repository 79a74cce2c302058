// SDL2_mixer back end. SDL_mixer has one music stream per process: the two windows' devices
// share it, and the device whose Play came last owns it. Music comes from one resident
// FluidSynth (MidiStream) fed through SDL_mixer's music hook, so a piece starts without reading
// the soundfont again; effects play on a reserved channel of their own, so a new effect cuts the
// one before it.
//
// Threads: the libraries (opened at run time, sdl/sdl_library.h) and the audio device are opened
// on a thread of its own, so the first window never waits for them; until they are open, effects
// are dropped and music waits in the stream. The stream reports a piece's end from its thread, and
// Close must report later too, so every end goes as a queued call to a QObject living on the GUI
// thread. After the device is open, every SDL call happens on the GUI thread.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <cstdio>
#include <map>
#include <thread>

#include "sdl/sdl_library.h"
#include "sound/midi_stream.h"
#include "sound/sound.h"
#include "state/data_files.h"

namespace korvane {

namespace {

// Where Debian's timgm6mb-soundfont puts its General MIDI bank, then the system default.
const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/soundfonts/default.sf2",
};

// Effects are loaded when the device opens so that the first play does not wait on the disk.
const char* const kEffectFiles[] = {"co.wav",   "mmyw.wav",  "mmyw2.wav", "idid.wav",
                                    "bboo.wav", "tooon.wav", "Youdid.wav"};

constexpr int kEffectChannel = 0;

// A piece that "ends" sooner than this after it started did not really play (a damaged file
// still starts, and ends at once). Restarting it from the loop would spin; it plays silence
// instead until its device is closed. Real pieces ring on for seconds.
constexpr long long kShortestPieceMs = 300;

QString FindSoundFont() {
  for (const char* font : kSoundFonts) {
    if (QFileInfo::exists(QString::fromLatin1(font))) return QString::fromLatin1(font);
  }
  std::fprintf(stderr,
               "korvane: General MIDI の音色ファイルがありません（パッケージ timgm6mb-soundfont）。"
               "音楽なしで続けます\n");
  return QString();
}

class SdlMusicDevice;

// The process-wide mixer, shared by the sound systems and their devices (any may go first).
class Mixer {
 public:
  Mixer(const QString& dataDir, bool held);
  ~Mixer();
  // Starts the opening of the device and the soundfont's load, once.
  void Begin();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // False while the device is being opened, and for good when it cannot be.
  bool HasAudio() const { return audio_.load() == Audio::On; }
  void PlayEffect(const QString& path);

  // Music stream, called by the devices.
  uint64_t StartPlayback(SdlMusicDevice* device, const QString& path);
  void DropPlayback(uint64_t id);
  bool StillPlaying(SdlMusicDevice* device) const;
  void StopStream(SdlMusicDevice* device);
  void PostDone(uint64_t id, long long playedMs = -1);
  void Forget(SdlMusicDevice* device);

 private:
  enum class Audio { Opening, On, Off };

  void OpenDevice();  // on the opening thread
  static void MusicHook(void* stream, Uint8* out, int bytes);
  Mix_Chunk* Effect(const QString& path);
  const QByteArray& Piece(const QString& path);
  void Notify(uint64_t id, long long playedMs);
  void HaltStream();
  void ReportOnce(bool& reported, const QByteArray& line);

  QString dataDir_;
  const sdl::Sdl* sdl_ = nullptr;  // the libraries' functions, once the opening thread has them
  const sdl::Mixer* mix_ = nullptr;
  QObject context_;  // on the GUI thread; queued calls die with it
  std::atomic<Audio> audio_{Audio::Opening};
  std::unique_ptr<MidiStream> stream_;
  std::thread opener_;
  std::map<QString, Mix_Chunk*> effects_;  // the opening thread's until audio_ is set
  std::map<QString, QByteArray> pieces_;   // MIDI files by path, read once
  SdlMusicDevice* owner_ = nullptr;
  uint64_t streamPlayback_ = 0;  // the owner's playback when it really went to the stream
  bool midiErrorReported_ = false;
  bool shortPieceReported_ = false;
  uint64_t nextPlayback_ = 1;
  std::map<uint64_t, SdlMusicDevice*> pending_;  // playbacks not yet notified
};

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
    path_ = FindFileNoCase(dataDir_, file_);
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

Mixer::Mixer(const QString& dataDir, bool held) : dataDir_(dataDir) {
  context_.setObjectName(QStringLiteral("korvane-sound"));
  stream_ = std::make_unique<MidiStream>(
      FindSoundFont(), [this](uint64_t id, long long playedMs) { PostDone(id, playedMs); },
      /*held=*/true);  // begun by the opening thread
  if (!held) Begin();
}

void Mixer::Begin() {
  if (opener_.joinable() || audio_.load() != Audio::Opening) return;
  opener_ = std::thread([this] { OpenDevice(); });
}

// Opening the libraries and a sound server can take a while; the windows go on meanwhile.
void Mixer::OpenDevice() {
  stream_->Begin();  // its synthesizer settings are made before the device opens
  std::string problem;
  mix_ = sdl::OpenMixer(&problem);
  if (!mix_) {
    std::fprintf(stderr, "korvane: 音が出せません（%s）。音なしで続けます\n", problem.c_str());
    audio_.store(Audio::Off);
    return;
  }
  sdl_ = sdl::OpenSdl();
  if (sdl_->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "korvane: 音が出せません（%s）。音なしで続けます\n", sdl_->SDL_GetError());
    audio_.store(Audio::Off);
    return;
  }
  // Exactly the stream's format; SDL converts for the device when it differs.
  if (mix_->Mix_OpenAudioDevice(MidiStream::kSampleRate, AUDIO_S16SYS, 2, 2048, nullptr, 0) != 0) {
    std::fprintf(stderr, "korvane: 音が出せません（%s）。音なしで続けます\n", sdl_->SDL_GetError());
    sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio_.store(Audio::Off);
    return;
  }
  mix_->Mix_ReserveChannels(1);  // channel 0 is the effects' own
  for (const char* name : kEffectFiles) Effect(FindFileNoCase(dataDir_, QString::fromLatin1(name)));
  mix_->Mix_HookMusic(&Mixer::MusicHook, stream_.get());
  audio_.store(Audio::On);
}

Mixer::~Mixer() {
  if (opener_.joinable()) opener_.join();
  if (audio_.load() == Audio::On) {
    mix_->Mix_HookMusic(nullptr, nullptr);  // takes the mixer lock: no hook runs after this
    mix_->Mix_HaltChannel(-1);
    for (auto& [path, chunk] : effects_) {
      if (chunk) mix_->Mix_FreeChunk(chunk);
    }
    mix_->Mix_CloseAudio();
    sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  stream_.reset();  // no end is reported after this
}

// Audio thread, under the mixer lock: only copies what the stream has rendered.
void Mixer::MusicHook(void* stream, Uint8* out, int bytes) {
  static_cast<MidiStream*>(stream)->Read(reinterpret_cast<int16_t*>(out), bytes / 4);
}

void Mixer::PostDone(uint64_t id, long long playedMs) {
  QMetaObject::invokeMethod(
      &context_, [this, id, playedMs] { Notify(id, playedMs); }, Qt::QueuedConnection);
}

void Mixer::ReportOnce(bool& reported, const QByteArray& line) {
  if (reported) return;
  std::fprintf(stderr, "korvane: %s\n", line.constData());
  reported = true;
}

void Mixer::Notify(uint64_t id, long long playedMs) {
  auto it = pending_.find(id);
  if (it == pending_.end()) return;  // already told, replaced, or its device is gone
  SdlMusicDevice* device = it->second;
  if (playedMs >= 0 && playedMs < kShortestPieceMs && owner_ == device) {
    ReportOnce(shortPieceReported_, "曲が始まってすぐに終わりました。代わりに無音にします");
    streamPlayback_ = 0;  // plays on silently until its Close
    return;
  }
  pending_.erase(it);
  device->Done(id);
}

Mix_Chunk* Mixer::Effect(const QString& path) {
  if (path.isEmpty()) return nullptr;
  auto it = effects_.find(path);
  if (it != effects_.end()) return it->second;
  Mix_Chunk* chunk = mix_->Mix_LoadWAV(QFile::encodeName(path).constData());
  effects_[path] = chunk;  // a file that will not load stays silent, and is not retried
  return chunk;
}

void Mixer::PlayEffect(const QString& path) {
  if (!HasAudio()) return;
  if (Mix_Chunk* chunk = Effect(path)) mix_->Mix_PlayChannel(kEffectChannel, chunk, 0);
}

// A MIDI file is read from disk the first time it plays; loops and returns use the copy.
const QByteArray& Mixer::Piece(const QString& path) {
  auto it = pieces_.find(path);
  if (it != pieces_.end()) return it->second;
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  return pieces_.emplace(path, std::move(bytes)).first->second;
}

void Mixer::HaltStream() {
  if (streamPlayback_ != 0) stream_->Stop();  // a halt we ask for is not reported
  owner_ = nullptr;
  streamPlayback_ = 0;
}

uint64_t Mixer::StartPlayback(SdlMusicDevice* device, const QString& path) {
  // Take the stream; a device that played before keeps its playback until its Close.
  owner_ = device;
  streamPlayback_ = 0;
  const uint64_t id = nextPlayback_++;
  pending_[id] = device;
  if (audio_.load() == Audio::Off || path.isEmpty()) {
    stream_->Stop();
    return id;  // silent playback: it ends only with Close
  }
  const QByteArray& midi = Piece(path);
  if (!midi.startsWith("MThd")) {
    ReportOnce(midiErrorReported_,
               QFile::encodeName(path) + " は MIDI ファイルとして読めません。無音にします");
    stream_->Stop();
    return id;
  }
  // Before the soundfont is in, the piece waits in the stream; it starts when the font is ready.
  stream_->Start(id, midi);
  streamPlayback_ = id;
  return id;
}

void Mixer::DropPlayback(uint64_t id) { pending_.erase(id); }

bool Mixer::StillPlaying(SdlMusicDevice* device) const {
  if (owner_ != device) return false;     // another device took the stream
  if (streamPlayback_ == 0) return true;  // silent playback never ends by itself
  return !stream_->Ended(streamPlayback_);
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
      : mixer_(std::move(mixer)), dataDir_(std::move(dataDir)) {}

  void PlayEffect(const QString& fileName) override {
    if (!switches_.EffectsOn() || !mixer_->HasAudio()) return;
    // Typing plays an effect every few milliseconds: look each name up on disk once.
    auto it = effectPaths_.find(fileName);
    if (it == effectPaths_.end()) {
      it = effectPaths_.emplace(fileName, FindFileNoCase(dataDir_, fileName)).first;
    }
    mixer_->PlayEffect(it->second);
  }

  std::unique_ptr<MusicDevice> CreateMusicDevice() override {
    return std::make_unique<SdlMusicDevice>(mixer_, dataDir_);
  }

  void Begin() override { mixer_->Begin(); }

 private:
  std::shared_ptr<Mixer> mixer_;
  QString dataDir_;
  std::map<QString, QString> effectPaths_;  // bare name -> path, "" when missing
};

}  // namespace

std::unique_ptr<SoundSystem> CreateSdlSoundSystem(const QString& dataDir, bool held) {
  // SDL_mixer is one per process: systems made while another lives share its mixer, which one
  // made not held starts.
  static std::weak_ptr<Mixer> current;
  std::shared_ptr<Mixer> mixer = current.lock();
  if (!mixer) {
    mixer = std::make_shared<Mixer>(dataDir, held);
    current = mixer;
  } else if (!held) {
    mixer->Begin();
  }
  return std::make_unique<SdlSoundSystem>(std::move(mixer), dataDir);
}

}  // namespace korvane
