// The generated music and effects: every MIDI file is a well-formed Standard MIDI File that
// plays between 40 and 90 seconds; every WAV is 16-bit PCM, not silent, without clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <cmath>
#include <map>
#include <set>

#include "tests/assets/smf_reader.h"

namespace {
using namespace assets_test;

const QString kData = KORVANE_DATA_DIR;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AssetMusic, EveryTuneIsAStandardMidiFileOf40To90Seconds) {
  for (const char* name : {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota",
                           "takamine", "hayami"}) {
    const MidiSummary s = ReadMidi(ReadAll(kData + "/" + name + ".mid"));
    ASSERT_TRUE(s.ok) << name << ": " << s.error.toStdString();
    EXPECT_GE(s.seconds, 40.0) << name;
    EXPECT_LE(s.seconds, 90.0) << name;
    EXPECT_GE(s.tracks, 3) << name;  // conductor plus at least melody and bass
    EXPECT_GT(s.notes.size(), 100u) << name;
    EXPECT_EQ(s.unmatchedNotes, 0) << name << " leaves notes hanging";
  }
}

TEST(AssetMusic, EveryTrackEndsTogetherOnABarLineSoTheTuneLoops) {
  for (const char* name : {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota",
                           "takamine", "hayami"}) {
    const MidiSummary s = ReadMidi(ReadAll(kData + "/" + name + ".mid"));
    ASSERT_TRUE(s.ok) << name;
    const uint32_t bar = uint32_t(s.division * 4 / s.beatUnit * s.beatsPerBar);
    for (uint32_t end : s.trackEnds) {
      EXPECT_EQ(end, s.trackEnds.front()) << name;
      EXPECT_EQ(end % bar, 0u) << name;
    }
    // Nothing sounds past the end (it would be cut at the loop) and something plays at once.
    uint32_t first = UINT32_MAX;
    for (const Note& n : s.notes) {
      EXPECT_LE(n.end, s.trackEnds.front()) << name;
      first = std::min(first, n.start);
    }
    EXPECT_EQ(first, 0u) << name;
    // General MIDI: programs 0..127; channel 10 (index 9) carries the drums only.
    for (auto [channel, program] : s.programs) EXPECT_LT(program, 128) << name;
  }
}

TEST(AssetMusic, TheTunesDifferFromEachOther) {
  std::set<QByteArray> seen;
  for (const char* name :
       {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota", "takamine", "hayami"})
    EXPECT_TRUE(seen.insert(ReadAll(kData + "/" + name + ".mid")).second) << name;
}

TEST(AssetEffects, EveryEffectIsShortCleanPcm) {
  for (const char* name : {"co", "mmyw", "mmyw2", "idid", "bboo", "tooon", "Youdid"}) {
    const Wav w = ReadWav(ReadAll(kData + "/" + name + ".wav"));
    ASSERT_TRUE(w.ok) << name;
    ASSERT_GT(w.samples.size(), 10u) << name;
    const double ms = 1000.0 * w.samples.size() / w.rate;
    EXPECT_LE(ms, 1000) << name;
    int peak = 0, jump = 0;
    for (size_t k = 0; k < w.samples.size(); ++k) {
      peak = std::max(peak, std::abs(int(w.samples[k])));
      if (k) jump = std::max(jump, std::abs(w.samples[k] - w.samples[k - 1]));
    }
    EXPECT_GT(peak, 3000) << name << " is nearly silent";
    EXPECT_LT(peak, 32767) << name << " clips";
    // Starts and ends at rest: no click when it begins or is cut.
    EXPECT_LT(std::abs(w.samples.front()), 200) << name;
    EXPECT_LT(std::abs(w.samples.back()), 200) << name;
  }
}

TEST(AssetEffects, TypingBlipFitsBetweenTwoCharacters) {
  const Wav w = ReadWav(ReadAll(kData + "/co.wav"));
  ASSERT_TRUE(w.ok);
  EXPECT_LE(1000.0 * w.samples.size() / w.rate, 30.0);
}

}  // namespace
