// Time the GUI thread spends on sound: starting a piece of music (close, open, play with another
// file, as the windows do at every place and duel), and firing an effect while music renders.
// Real SDL2_mixer and FluidSynth on the dummy audio driver; the soundfont is in before timing.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

#include "sound/midi_stream.h"
#include "sound/sound.h"

namespace {

using namespace korvane;

const char* const kPieces[] = {"opening.mid", "BGM.mid",    "takahara.mid",
                               "shindo.mid",  "kazami.mid", "yokota.mid"};

std::unique_ptr<SoundSystem> ReadySound() {
  const int loads = MidiStream::SoundFontLoads();
  auto sound = CreateSdlSoundSystem(QStringLiteral(KORVANE_DATA_DIR));
  QElapsedTimer waited;
  waited.start();
  while (MidiStream::SoundFontLoads() == loads && waited.elapsed() < 10000) {
    QThread::msleep(5);
  }
  return sound;
}

void BM_StartMusic(benchmark::State& state) {
  auto sound = ReadySound();
  auto device = sound->CreateMusicDevice();
  device->OnDone = [] {};
  size_t k = 0;
  double worstMs = 0;  // the GUI thread's longest wait, which a mean would hide
  for (auto _ : state) {
    QElapsedTimer took;
    took.start();
    device->SetFileName(QString::fromLatin1(kPieces[k++ % std::size(kPieces)]));
    device->Close();
    device->Open();
    device->Play();
    worstMs = std::max(worstMs, took.nsecsElapsed() / 1e6);
    state.PauseTiming();
    QCoreApplication::processEvents();  // the close's notification
    QThread::msleep(20);                // the synthesizer takes the piece up
    state.ResumeTiming();
  }
  state.counters["worst_ms"] = worstMs;
}
BENCHMARK(BM_StartMusic)->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_PlayEffectDuringMusic(benchmark::State& state) {
  auto sound = ReadySound();
  auto device = sound->CreateMusicDevice();
  device->SetFileName(QStringLiteral("BGM.mid"));
  device->Open();
  device->Play();
  for (auto _ : state) {
    sound->PlayEffect(QStringLiteral("co.wav"));
    state.PauseTiming();
    QThread::msleep(2);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlayEffectDuringMusic)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) {
  if (qgetenv("SDL_AUDIODRIVER").isEmpty()) qputenv("SDL_AUDIODRIVER", "dummy");
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
