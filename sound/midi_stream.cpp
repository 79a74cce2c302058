#include "sound/midi_stream.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

#include "sdl/sdl_library.h"

namespace korvane {

namespace {

// Rendering stays about 0.09 s ahead of the device. A new piece or a stop skips what is queued,
// and the other half of the ring takes the new sound at once while the device may still be
// copying the skipped part.
constexpr uint64_t kRingFrames = 8192;
constexpr uint64_t kAheadFrames = kRingFrames / 2;
constexpr uint64_t kChunkFrames = 512;  // rendered at a time; divides the ring
static_assert(kRingFrames % kChunkFrames == 0);

// The level SDL_mixer's own FluidSynth music had, so music and effects keep their balance.
constexpr double kGain = 1.2;

std::atomic<int> soundFontOpens{0};
std::atomic<int> soundFontLoads{0};

// The soundfont is read through these, so that the opens can be counted.
void* OpenFont(const char* filename) {
  FILE* file = std::fopen(filename, "rb");
  if (file) soundFontOpens.fetch_add(1);
  return file;
}
int ReadFont(void* buf, fluid_long_long_t count, void* handle) {
  if (count <= 0) return FLUID_OK;
  return std::fread(buf, static_cast<size_t>(count), 1, static_cast<FILE*>(handle)) == 1
             ? FLUID_OK
             : FLUID_FAILED;
}
int SeekFont(void* handle, fluid_long_long_t offset, int origin) {
  return fseeko(static_cast<FILE*>(handle), static_cast<off_t>(offset), origin) == 0 ? FLUID_OK
                                                                                     : FLUID_FAILED;
}
fluid_long_long_t TellFont(void* handle) { return ftello(static_cast<FILE*>(handle)); }
int CloseFont(void* handle) {
  return std::fclose(static_cast<FILE*>(handle)) == 0 ? FLUID_OK : FLUID_FAILED;
}

}  // namespace

struct MidiStream::Synth {
  const sdl::Fluid* fl = nullptr;  // FluidSynth's functions, once it has opened
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  uint64_t id = 0;      // the piece the player plays
  uint64_t frames = 0;  // rendered of it so far
  // A piece that has ended, reported once the ring has been read up to its last frame.
  uint64_t endedId = 0, endedAt = 0;
  long long endedPlayedMs = 0;

  ~Synth() {
    if (player) fl->delete_fluid_player(player);
    if (synth) fl->delete_fluid_synth(synth);
    if (settings) fl->delete_fluid_settings(settings);
  }
};

MidiStream::MidiStream(QString soundFontPath, EndedHandler onEnded, bool held)
    : soundFontPath_(std::move(soundFontPath)),
      onEnded_(std::move(onEnded)),
      synth_(std::make_unique<Synth>()),
      ring_(new int16_t[2 * kRingFrames]()) {
  if (!held) Begin();
}

void MidiStream::Begin() {
  if (thread_.joinable()) return;
  if (!soundFontPath_.isEmpty()) {
    std::string problem;
    const sdl::Fluid* fl = sdl::OpenFluid(&problem);
    if (!fl) {
      static std::once_flag told;
      std::call_once(told, [&] {
        std::fprintf(stderr, "korvane: FluidSynth を開けません（%s）。音楽なしで続けます\n",
                     problem.c_str());
      });
    } else {
      static std::once_flag quiet;
      std::call_once(quiet, [fl] {
        // FluidSynth's own English lines stay out of the terminal; we say what matters ourselves.
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
          fl->fluid_set_log_function(level, nullptr, nullptr);
        }
      });
      synth_->fl = fl;
      // Made here, before the audio device opens: making them looks at SDL's devices when SDL's
      // audio is up, and must not meet that opening halfway.
      synth_->settings = fl->new_fluid_settings();
    }
  }
  thread_ = std::thread([this] { Run(); });
}

MidiStream::~MidiStream() {
  if (!thread_.joinable()) return;  // held, and never begun
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

int MidiStream::SoundFontOpens() { return soundFontOpens.load(); }
int MidiStream::SoundFontLoads() { return soundFontLoads.load(); }

void MidiStream::Start(uint64_t id, QByteArray midi) {
  {
    std::lock_guard lock(mutex_);
    mail_ = Command{id, std::move(midi)};
  }
  wake_.notify_one();
}

void MidiStream::Stop() {
  {
    std::lock_guard lock(mutex_);
    mail_ = Command{};
  }
  wake_.notify_one();
}

void MidiStream::Read(int16_t* out, int frames) {
  uint64_t r = read_.load(std::memory_order_relaxed);
  r = std::max(r, skipTo_.load(std::memory_order_acquire));  // queued sound of a cut piece
  const uint64_t w = written_.load(std::memory_order_acquire);
  const uint64_t n = std::min<uint64_t>(static_cast<uint64_t>(frames), w - r);
  const uint64_t at = r % kRingFrames;
  const uint64_t first = std::min(n, kRingFrames - at);
  std::memcpy(out, ring_.get() + 2 * at, first * 4);
  std::memcpy(out + 2 * first, ring_.get(), (n - first) * 4);
  std::memset(out + 2 * n, 0, (static_cast<uint64_t>(frames) - n) * 4);
  read_.store(r + n, std::memory_order_release);
  wake_.notify_one();  // without the lock: at worst the thread wakes on its own a little later
}

bool MidiStream::Load(Synth& s) {
  if (!s.settings) return false;
  const sdl::Fluid* fl = s.fl;
  fl->fluid_settings_setnum(s.settings, "synth.sample-rate", kSampleRate);
  fl->fluid_settings_setnum(s.settings, "synth.gain", kGain);
  fl->fluid_settings_setstr(s.settings, "player.timing-source", "sample");  // driven by rendering
  fl->fluid_settings_setint(s.settings, "synth.lock-memory", 0);
  fl->fluid_settings_setint(s.settings, "synth.threadsafe-api", 0);  // only this thread uses it
  s.synth = fl->new_fluid_synth(s.settings);
  fluid_sfloader_t* loader = s.synth ? fl->new_fluid_defsfloader(s.settings) : nullptr;
  if (loader) {
    fl->fluid_sfloader_set_callbacks(loader, OpenFont, ReadFont, SeekFont, TellFont, CloseFont);
    fl->fluid_synth_add_sfloader(s.synth, loader);  // tried before the built-in one
  }
  const QByteArray path = QFile::encodeName(soundFontPath_);
  if (!s.synth || fl->fluid_synth_sfload(s.synth, path.constData(), 1) == FLUID_FAILED) {
    std::fprintf(stderr, "korvane: 音色ファイル %s を読み込めません。音楽なしで続けます\n",
                 path.constData());
    return false;
  }
  soundFontLoads.fetch_add(1);
  return true;
}

void MidiStream::Run() {
  Synth& s = *synth_;
  // The soundfont is read at a low priority, so that on a busy machine it does not hold up the
  // first window; the rendering that follows keeps the normal one.
  bool loaded = false;
  std::thread loader([&] {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    loaded = Load(s);
  });
  loader.join();
  ready_.store(loaded);
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (!loaded) {  // silent for good: commands are dropped, nothing ever ends
      mail_.reset();
      wake_.wait(lock);
      continue;
    }
    std::optional<Command> command = std::move(mail_);
    mail_.reset();
    lock.unlock();
    if (command) Apply(s, std::move(*command));
    if (s.endedId != 0 && read_.load(std::memory_order_acquire) >= s.endedAt) ReportEnd(s);
    for (;;) {
      const uint64_t w = written_.load(), r = read_.load(std::memory_order_acquire);
      if (w - std::max(r, skipTo_.load()) + kChunkFrames > kAheadFrames) break;
      if (w - r + kChunkFrames > kRingFrames) break;  // the device has not read the skip yet
      RenderChunk(s);
    }
    lock.lock();
    if (!quit_ && !mail_) wake_.wait_for(lock, std::chrono::milliseconds(20));
  }
}

void MidiStream::ReportEnd(Synth& s) {
  const uint64_t id = std::exchange(s.endedId, 0);
  onEnded_(id, s.endedPlayedMs);
  lastEnded_.store(id);  // after the handler: whoever sees the end also sees what it did
}

void MidiStream::Apply(Synth& s, Command command) {
  const sdl::Fluid* fl = s.fl;
  if (s.endedId != 0) ReportEnd(s);  // its last sound is skipped with the rest
  if (s.player) {
    fl->fluid_player_stop(s.player);
    fl->delete_fluid_player(s.player);
    s.player = nullptr;
  }
  fl->fluid_synth_all_sounds_off(s.synth, -1);  // a hard cut: only a faint echo is left
  s.id = 0;
  skipTo_.store(written_.load(), std::memory_order_release);
  playing_.store(command.id);
  if (command.id == 0) return;
  s.player = fl->new_fluid_player(s.synth);
  if (!s.player ||
      fl->fluid_player_add_mem(s.player, command.midi.constData(),
                               static_cast<size_t>(command.midi.size())) != FLUID_OK ||
      fl->fluid_player_play(s.player) != FLUID_OK) {
    // Nothing to play: the piece ends at once, and the device decides what that means.
    if (s.player) fl->delete_fluid_player(s.player);
    s.player = nullptr;
    playing_.store(0);
    s.endedId = command.id, s.endedAt = written_.load(), s.endedPlayedMs = 0;
    return;
  }
  s.id = command.id;
  s.frames = 0;
}

void MidiStream::RenderChunk(Synth& s) {
  const sdl::Fluid* fl = s.fl;
  const uint64_t w = written_.load();
  int16_t* dst = ring_.get() + 2 * (w % kRingFrames);  // a chunk never wraps
  if (!s.player && fl->fluid_synth_get_active_voice_count(s.synth) == 0) {
    std::memset(dst, 0, kChunkFrames * 4);
  } else {
    fl->fluid_synth_write_s16(s.synth, kChunkFrames, dst, 0, 2, dst, 1, 2);
  }
  written_.store(w + kChunkFrames, std::memory_order_release);
  if (!s.player) return;
  s.frames += kChunkFrames;
  // The player counts as done once its last notes have rung out.
  if (fl->fluid_player_get_status(s.player) != FLUID_PLAYER_DONE) return;
  fl->delete_fluid_player(s.player);
  s.player = nullptr;
  playing_.store(0);
  s.endedId = s.id, s.endedAt = w + kChunkFrames;
  s.endedPlayedMs = static_cast<long long>(s.frames * 1000 / kSampleRate);
  s.id = 0;
}

}  // namespace korvane
