// The resident synthesizer's ring, read the way an audio device does.
#include "sound/midi_stream.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>
#include <atomic>
#include <vector>

namespace korvane {
namespace {

// Format 0: a C major chord for half a second at 120 beats a minute.
QByteArray ChordMidi() {
  const QByteArray track = QByteArray::fromHex(
      "00903c64"
      "00904064"
      "00904364"
      "60803c00"
      "00804000"
      "00804300"
      "00ff2f00");
  QByteArray b = QByteArray::fromHex(
      "4d546864"
      "00000006"
      "0000"
      "0001"
      "0060"
      "4d54726b");
  for (int shift = 24; shift >= 0; shift -= 8) b.append(char((track.size() >> shift) & 0xFF));
  return b + track;
}

int Peak(const std::vector<int16_t>& sound) {
  int peak = 0;
  for (int16_t v : sound) peak = std::max(peak, std::abs(int(v)));
  return peak;
}

const QString kFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");

// Reads the piece to its end in blocks of `block` frames, never faster than it is rendered;
// returns the sound from its first non-silent frame on.
std::vector<int16_t> PlayThrough(int block, long long* playedMs) {
  std::atomic<int> ended = 0;  // told on the stream's thread
  MidiStream stream(kFont, [&](uint64_t id, long long ms) {
    EXPECT_EQ(id, 7u);
    *playedMs = ms;
    ++ended;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return stream.Ready(); }, 30000));
  stream.Start(7, ChordMidi());
  std::vector<int16_t> heard, buffer(2 * block);
  while (!stream.Ended(7)) {
    if (!QTest::qWaitFor([&] { return stream.Buffered() >= uint64_t(block) || stream.Ended(7); },
                         30000)) {
      ADD_FAILURE() << "the stream stopped rendering";
      break;
    }
    stream.Read(buffer.data(), block);
    heard.insert(heard.end(), buffer.begin(), buffer.end());
  }
  EXPECT_EQ(ended, 1);
  // A stop in the middle of a piece skips what is still queued of it: the very next read holds
  // at most a faint echo.
  stream.Start(8, ChordMidi());
  EXPECT_TRUE(QTest::qWaitFor([&] { return stream.Playing() == 8; }, 30000));
  for (int reads = 0; reads < 50 && Peak(buffer) < Peak(heard) / 2; ++reads) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return stream.Buffered() >= uint64_t(block); }, 30000));
    stream.Read(buffer.data(), block);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return stream.Buffered() >= uint64_t(block); }, 30000));
  stream.Stop();
  EXPECT_TRUE(QTest::qWaitFor([&] { return stream.Playing() == 0; }, 30000));
  stream.Read(buffer.data(), block);
  EXPECT_LT(Peak(buffer), Peak(heard) / 8);
  const auto first = std::find_if(heard.begin(), heard.end(), [](int16_t v) { return v != 0; });
  return std::vector<int16_t>(first - (first - heard.begin()) % 2, heard.end());
}

TEST(MidiStream, ThePieceSoundsTheSameHoweverTheDeviceReadsItAndEndsOnce) {
  if (!QFileInfo::exists(kFont)) GTEST_SKIP() << "no soundfont (timgm6mb-soundfont)";
  long long wholeMs = 0, oddMs = 0;
  const std::vector<int16_t> whole = PlayThrough(2048, &wholeMs);
  const std::vector<int16_t> odd = PlayThrough(1000, &oddMs);  // crosses the ring's end unevenly
  ASSERT_GT(whole.size(), 44100u);  // half a second of chord and its ring-out
  const size_t n = std::min(whole.size(), odd.size()) - 2 * 2048;  // the tails end in a block
  EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + n, odd.begin()));
  EXPECT_GE(wholeMs, 500);
  EXPECT_EQ(wholeMs, oddMs);
}

}  // namespace
}  // namespace korvane
