// A small reader for the files the generator writes, used by the asset tests: Standard MIDI
// Files (every event walked, with running status and a tempo map) and PCM WAV files.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace assets_test {

inline uint32_t BE(const QByteArray& b, int at, int n) {
  uint32_t v = 0;
  for (int k = 0; k < n; ++k) v = (v << 8) | uint8_t(b[at + k]);
  return v;
}
inline uint32_t LE(const QByteArray& b, int at, int n) {
  uint32_t v = 0;
  for (int k = n - 1; k >= 0; --k) v = (v << 8) | uint8_t(b[at + k]);
  return v;
}

struct Note {
  int channel, key, velocity;
  uint32_t start, end;
};

struct MidiSummary {
  bool ok = false;
  QString error;
  int tracks = 0, division = 0, beatsPerBar = 4, beatUnit = 4;
  double seconds = 0;
  std::vector<uint32_t> trackEnds;  // tick of each track's end-of-track event
  std::map<int, int> programs;      // channel -> last program
  std::vector<Note> notes;          // in the order their note-offs arrive
  int unmatchedNotes = 0;
};

inline MidiSummary ReadMidi(const QByteArray& b) {
  MidiSummary s;
  auto fail = [&](const char* why) {
    s.error = why;
    return s;
  };
  if (b.size() < 14 || b.left(4) != "MThd" || BE(b, 4, 4) != 6) return fail("no MThd");
  const int ntracks = int(BE(b, 10, 2));
  s.division = int(BE(b, 12, 2));
  if (s.division & 0x8000 || s.division == 0) return fail("bad division");
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
    std::map<int, std::vector<std::pair<uint32_t, int>>> held;  // key -> (start, velocity)
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
      if (uint8_t(b[at]) & 0x80) status = uint8_t(b[at++]);
      const int kind = status & 0xf0, ch = status & 0x0f;
      if (status == 0xff) {
        const uint8_t type = uint8_t(b[at++]);
        const int len = uint8_t(b[at++]);
        if (type == 0x51 && len == 3) tempo[tick] = BE(b, at, 3);
        if (type == 0x58 && len == 4) {
          s.beatsPerBar = uint8_t(b[at]);
          s.beatUnit = 1 << uint8_t(b[at + 1]);
        }
        if (type == 0x2f) {
          sawEnd = true;
          s.trackEnds.push_back(tick);
        }
        at += len;
      } else if (kind == 0x90 || kind == 0x80) {
        const int key = ch * 128 + uint8_t(b[at]), vel = uint8_t(b[at + 1]);
        if (kind == 0x90 && vel > 0) {
          held[key].push_back({tick, vel});
        } else if (!held[key].empty()) {
          const auto [start, v] = held[key].front();
          held[key].erase(held[key].begin());
          s.notes.push_back({ch, key % 128, v, start, tick});
        }
        at += 2;
      } else if (kind == 0xc0) {
        s.programs[ch] = uint8_t(b[at]);
        at += 1;
      } else if (kind == 0xd0) {
        at += 1;
      } else if (kind >= 0xa0 && kind <= 0xe0) {
        at += 2;
      } else {
        return fail("unknown event");
      }
    }
    if (!sawEnd) return fail("track without end");
    for (auto& [k, v] : held) s.unmatchedNotes += int(v.size());
    lastTick = std::max(lastTick, tick);
    at = end;
  }
  double seconds = 0;
  uint32_t prevTick = 0, us = 500000;
  for (auto& [tick, value] : tempo) {
    if (tick >= lastTick) break;
    seconds += double(tick - prevTick) / s.division * us / 1e6;
    prevTick = tick;
    us = value;
  }
  seconds += double(lastTick - prevTick) / s.division * us / 1e6;
  s.tracks = ntracks;
  s.seconds = seconds;
  s.ok = true;
  return s;
}

struct Wav {
  bool ok = false;
  int rate = 0;
  std::vector<int16_t> samples;
};

inline Wav ReadWav(const QByteArray& b) {
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

}  // namespace assets_test
