// The generated music and effects: every MIDI file is a well-formed Standard MIDI File that
// plays between 40 and 90 seconds; every WAV is 16-bit PCM, not silent, without clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <cmath>
#include <map>
#include <set>

namespace {

const QString kData = KORVANE_DATA_DIR;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t BE(const QByteArray& b, int at, int n) {
  uint32_t v = 0;
  for (int k = 0; k < n; ++k) v = (v << 8) | uint8_t(b[at + k]);
  return v;
}
uint32_t LE(const QByteArray& b, int at, int n) {
  uint32_t v = 0;
  for (int k = n - 1; k >= 0; --k) v = (v << 8) | uint8_t(b[at + k]);
  return v;
}

struct MidiSummary {
  bool ok = false;
  QString error;
  int tracks = 0, notes = 0;
  double seconds = 0;
  std::set<int> channels;
  int unmatchedNotes = 0;
};

// A small SMF reader: walks every event with running status and a tempo map.
MidiSummary ReadMidi(const QByteArray& b) {
  MidiSummary s;
  auto fail = [&](const char* why) {
    s.error = why;
    return s;
  };
  if (b.size() < 14 || b.left(4) != "MThd" || BE(b, 4, 4) != 6) return fail("no MThd");
  const int ntracks = int(BE(b, 10, 2)), division = int(BE(b, 12, 2));
  if (division & 0x8000 || division == 0) return fail("bad division");
  std::map<uint32_t, uint32_t> tempo = {{0, 500000}};
  uint32_t lastTick = 0;
  int at = 14;
  for (int t = 0; t < ntracks; ++t) {
    if (at + 8 > b.size() || b.mid(at, 4) != "MTrk") return fail("no MTrk");
    const int end = at + 8 + int(BE(b, at + 4, 4));
    if (end > b.size()) return fail("track runs past the file");
    at += 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    std::map<int, int> held;
    bool sawEnd = false;
    while (at < end) {
      uint32_t delta = 0;
      for (int k = 0;; ++k) {
        if (k == 4 || at >= end) return fail("bad delta");
        const uint8_t c = uint8_t(b[at++]);
        delta = (delta << 7) | (c & 0x7f);
        if (!(c & 0x80)) break;
      }
      tick += delta;
      uint8_t c = uint8_t(b[at]);
      if (c & 0x80) {
        status = c;
        ++at;
      }
      if (status == 0xff) {
        const uint8_t type = uint8_t(b[at++]);
        const int len = uint8_t(b[at++]);
        if (type == 0x51 && len == 3) tempo[tick] = BE(b, at, 3);
        if (type == 0x2f) sawEnd = true;
        at += len;
      } else if ((status & 0xf0) == 0x90 || (status & 0xf0) == 0x80) {
        const int key = (status & 0x0f) * 128 + uint8_t(b[at]);
        const bool on = (status & 0xf0) == 0x90 && uint8_t(b[at + 1]) > 0;
        if (on) {
          ++s.notes;
          ++held[key];
          s.channels.insert(status & 0x0f);
        } else if (held[key] > 0) {
          --held[key];
        }
        at += 2;
      } else if ((status & 0xf0) == 0xc0 || (status & 0xf0) == 0xd0) {
        at += 1;
      } else if ((status & 0xf0) >= 0xa0 && (status & 0xf0) <= 0xe0) {
        at += 2;
      } else {
        return fail("unknown event");
      }
    }
    if (!sawEnd) return fail("track without end");
    for (auto& [k, n] : held) s.unmatchedNotes += n;
    lastTick = std::max(lastTick, tick);
    at = end;
  }
  // Seconds from the tempo map.
  double seconds = 0;
  uint32_t prevTick = 0, us = 500000;
  for (auto& [tick, value] : tempo) {
    if (tick >= lastTick) break;
    seconds += double(tick - prevTick) / division * us / 1e6;
    prevTick = tick;
    us = value;
  }
  seconds += double(lastTick - prevTick) / division * us / 1e6;
  s.tracks = ntracks;
  s.seconds = seconds;
  s.ok = true;
  return s;
}

TEST(AssetMusic, EveryTuneIsAStandardMidiFileOf40To90Seconds) {
  for (const char* name : {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota",
                           "takamine", "hayami"}) {
    const MidiSummary s = ReadMidi(ReadAll(kData + "/" + name + ".mid"));
    ASSERT_TRUE(s.ok) << name << ": " << s.error.toStdString();
    EXPECT_GE(s.seconds, 40.0) << name;
    EXPECT_LE(s.seconds, 90.0) << name;
    EXPECT_GE(s.tracks, 3) << name;  // conductor plus at least melody and bass
    EXPECT_GT(s.notes, 100) << name;
    EXPECT_EQ(s.unmatchedNotes, 0) << name << " leaves notes hanging";
  }
}

TEST(AssetMusic, TheTunesDifferFromEachOther) {
  std::set<QByteArray> seen;
  for (const char* name :
       {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota", "takamine", "hayami"})
    EXPECT_TRUE(seen.insert(ReadAll(kData + "/" + name + ".mid")).second) << name;
}

struct Wav {
  bool ok = false;
  int rate = 0;
  std::vector<int16_t> samples;
};

Wav ReadWav(const QByteArray& b) {
  Wav w;
  if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return w;
  int at = 12, bits = 0, channels = 0, format = 0;
  while (at + 8 <= b.size()) {
    const QByteArray id = b.mid(at, 4);
    const int len = int(LE(b, at + 4, 4));
    if (id == "fmt ") {
      format = int(LE(b, at + 8, 2));
      channels = int(LE(b, at + 10, 2));
      w.rate = int(LE(b, at + 12, 4));
      bits = int(LE(b, at + 22, 2));
    } else if (id == "data") {
      if (at + 8 + len > b.size() || format != 1 || bits != 16 || channels != 1) return w;
      for (int k = 0; k < len / 2; ++k) w.samples.push_back(int16_t(LE(b, at + 8 + 2 * k, 2)));
      w.ok = true;
      return w;
    }
    at += 8 + len + (len & 1);
  }
  return w;
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
