// A resident General MIDI synthesizer (FluidSynth) on a thread of its own. The soundfont is read
// once, when the stream is made; every piece after that starts at once. The thread renders ahead
// into a small ring of samples that the audio device's callback only copies from, so neither the
// GUI thread nor the audio callback ever waits for the synthesizer.
//
// Threads: Start, Stop and Ended on the GUI thread (they never block on the synthesizer); Read
// on the audio thread; OnEnded is called on the stream's own thread.
#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace korvane {

class MidiStream {
 public:
  static constexpr int kSampleRate = 44100;  // stereo, signed 16-bit, native byte order

  // Called once the last sound of a piece has been read out of the ring: the piece's id and how
  // long it played.
  using EndedHandler = std::function<void(uint64_t id, long long playedMs)>;

  // Starts the thread, which loads the soundfont (empty path: none, the stream stays silent);
  // with `held`, the thread starts only at Begin. Pieces started meanwhile wait, as for the font.
  MidiStream(QString soundFontPath, EndedHandler onEnded, bool held = false);
  ~MidiStream();
  MidiStream(const MidiStream&) = delete;
  MidiStream& operator=(const MidiStream&) = delete;

  // Starts a held stream's thread; once only, and never needed for one made not held.
  void Begin();

  // Plays a standard MIDI file's bytes from the start as piece `id` (> 0), cutting whatever
  // played before. Before the soundfont is in, the piece waits for it.
  void Start(uint64_t id, QByteArray midi);
  // Cuts the current piece off; no end is reported for it.
  void Stop();
  // Whether piece `id` has played to its end.
  bool Ended(uint64_t id) const { return id != 0 && lastEnded_.load() == id; }
  // The piece the synthesizer has taken up and not yet finished or dropped (0: none).
  uint64_t Playing() const { return playing_.load(); }
  // The soundfont was loaded (false while loading and when it could not be).
  bool Ready() const { return ready_.load(); }

  // Audio thread: fills `frames` stereo frames, with silence where nothing is rendered yet.
  void Read(int16_t* out, int frames);
  // Frames rendered and not yet read (or skipped), for a reader that must not run dry.
  uint64_t Buffered() const {
    const uint64_t r = std::max(read_.load(), skipTo_.load());
    return written_.load() - r;
  }

  // How many times any stream in this process has opened a soundfont file, and how many loads
  // have finished; for tests and benchmarks.
  static int SoundFontOpens();
  static int SoundFontLoads();

 private:
  struct Command {
    uint64_t id = 0;  // 0: stop
    QByteArray midi;
  };
  struct Synth;

  void Run();
  bool Load(Synth& synth);
  void Apply(Synth& synth, Command command);
  void RenderChunk(Synth& synth);
  void ReportEnd(Synth& synth);

  QString soundFontPath_;
  EndedHandler onEnded_;
  std::unique_ptr<Synth> synth_;  // the stream thread's, once it runs

  std::mutex mutex_;  // guards mail_ and quit_ only, never held while rendering
  std::condition_variable wake_;
  std::optional<Command> mail_;
  bool quit_ = false;

  std::atomic<bool> ready_{false};
  std::atomic<uint64_t> lastEnded_{0};
  std::atomic<uint64_t> playing_{0};

  // The ring: written by the stream's thread, read by the audio thread.
  std::unique_ptr<int16_t[]> ring_;
  std::atomic<uint64_t> written_{0}, read_{0};  // in frames, never wrapping
  std::atomic<uint64_t> skipTo_{0};             // frames before this are never played

  std::thread thread_;
};

}  // namespace korvane
