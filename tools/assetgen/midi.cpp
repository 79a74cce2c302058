// Music sources are plain text in a small MML-like notation (see assets/music/README.md);
// this file turns them into format-1 Standard MIDI Files.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

constexpr int kDivision = 480;  // ticks per quarter note

struct Event {
  int tick;
  int order;  // note-offs (0) before controllers (1) before note-ons (2) at the same tick
  std::vector<uint8_t> bytes;
};

struct Track {
  QString name;
  int channel = 0, program = 0, volume = 100, pan = 64, reverb = 40;
  QString notes;
  std::vector<Event> events;
  int length = 0;
};

struct Song {
  int tempo = 120, beatsPerBar = 4, beatUnit = 4;
  std::vector<Track> tracks;
};

// Reads the notes of one track: a cursor over the text with the current octave, length,
// velocity and gate.
class NoteReader {
 public:
  NoteReader(Track& track) : t_(track), s_(track.notes) {}

  bool Run(QString* error) {
    if (!Block(0, error)) return false;
    t_.length = tick_;
    return true;
  }

 private:
  bool Fail(QString* error, const QString& what) {
    *error = QString("track %1, at \"%2\": %3").arg(t_.name, s_.mid(std::max(0, i_ - 8), 16), what);
    return false;
  }
  int Number(int fallback) {
    int start = i_;
    while (i_ < s_.size() && s_[i_].isDigit()) ++i_;
    return i_ > start ? s_.mid(start, i_ - start).toInt() : fallback;
  }
  // A length like "8", "4." or "" (the default) in ticks.
  int Length() {
    int len = Number(0);
    int ticks = len > 0 ? 4 * kDivision / len : defaultTicks_;
    int add = ticks / 2;
    while (i_ < s_.size() && s_[i_] == '.') {
      ticks += add;
      add /= 2;
      ++i_;
    }
    while (i_ < s_.size() && s_[i_] == '^') {  // tie on more time: c4^8
      ++i_;
      int more = Number(0);
      ticks += more > 0 ? 4 * kDivision / more : defaultTicks_;
    }
    return ticks;
  }
  int Pitch(QChar letter) {
    static const std::map<QChar, int> base = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                              {'g', 7}, {'a', 9}, {'b', 11}};
    int pitch = 12 * (octave_ + 1) + base.at(letter);
    while (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '#' || s_[i_] == '-')) {
      pitch += s_[i_] == '-' ? -1 : 1;
      ++i_;
    }
    return pitch;
  }
  void Note(const std::vector<int>& pitches, int ticks) {
    const int sounding = std::max(1, ticks * gate_ / 8);
    for (int pitch : pitches) {
      const uint8_t ch = uint8_t(t_.channel);
      t_.events.push_back({tick_, 2, {uint8_t(0x90 | ch), uint8_t(pitch), uint8_t(velocity_)}});
      t_.events.push_back({tick_ + sounding, 0, {uint8_t(0x80 | ch), uint8_t(pitch), 0}});
    }
    tick_ += ticks;
  }

  bool Block(int depth, QString* error) {
    while (i_ < s_.size()) {
      const QChar c = s_[i_++].toLower();
      if (c.isSpace() || c == '|') continue;
      if (QString("cdefgab").contains(c)) {
        const int pitch = Pitch(c);
        Note({pitch}, Length());
      } else if (c == 'r') {
        tick_ += Length();
      } else if (c == 'n') {
        const int pitch = Number(-1);
        if (pitch < 0 || pitch > 127) return Fail(error, "bad note number");
        int ticks = defaultTicks_;
        if (i_ < s_.size() && s_[i_] == ':') {
          ++i_;
          ticks = Length();
        }
        Note({pitch}, ticks);
      } else if (c == '{') {  // chord: {ceg}2
        std::vector<int> pitches;
        const int keepOctave = octave_;
        while (i_ < s_.size() && s_[i_] != '}') {
          const QChar k = s_[i_++].toLower();
          if (QString("cdefgab").contains(k))
            pitches.push_back(Pitch(k));
          else if (k == '<')
            --octave_;
          else if (k == '>')
            ++octave_;
          else if (!k.isSpace())
            return Fail(error, "unexpected character in chord");
        }
        if (i_ >= s_.size()) return Fail(error, "unclosed chord");
        ++i_;
        octave_ = keepOctave;
        Note(pitches, Length());
      } else if (c == 'o') {
        octave_ = Number(octave_);
      } else if (c == '<') {
        --octave_;
      } else if (c == '>') {
        ++octave_;
      } else if (c == 'l') {
        defaultTicks_ = 4 * kDivision / std::max(1, Number(4));
      } else if (c == 'v') {
        velocity_ = std::clamp(Number(velocity_), 1, 127);
      } else if (c == 'q') {
        gate_ = std::clamp(Number(gate_), 1, 8);
      } else if (c == '[') {
        // Play the block once (Block returns after the matching ']'), read the count, then
        // play it again count - 1 times.
        const int start = i_;
        if (!Block(depth + 1, error)) return false;
        const int count = Number(2);
        const int afterCount = i_;
        for (int k = 1; k < count; ++k) {
          i_ = start;
          if (!Block(depth + 1, error)) return false;
        }
        i_ = afterCount;
      } else if (c == ']') {
        if (depth == 0) return Fail(error, "']' without '['");
        return true;
      } else {
        return Fail(error, QString("unknown command '%1'").arg(c));
      }
    }
    if (depth > 0) return Fail(error, "unclosed '['");
    return true;
  }

  Track& t_;
  const QString& s_;
  int i_ = 0, tick_ = 0, octave_ = 4, defaultTicks_ = kDivision, velocity_ = 96, gate_ = 7;
};

// Replaces every $NAME by its definition.
bool Expand(QString& line, const std::map<QString, QString>& defines, QString* error) {
  static const QRegularExpression name("\\$(\\w+)");
  QString out;
  qsizetype last = 0;
  auto it = name.globalMatch(line);
  while (it.hasNext()) {
    const auto m = it.next();
    const auto found = defines.find(m.captured(1));
    if (found == defines.end()) {
      *error = "unknown name $" + m.captured(1);
      return false;
    }
    out += line.mid(last, m.capturedStart() - last) + " " + found->second + " ";
    last = m.capturedEnd();
  }
  line = out + line.mid(last);
  return true;
}

bool ParseSong(const QString& text, Song* song, QString* error) {
  Track* current = nullptr;
  std::map<QString, QString> defines;
  for (QString line : text.split('\n')) {
    const int hash = line.indexOf('#');
    if (hash >= 0) line.truncate(hash);
    line = line.trimmed();
    if (line.isEmpty()) continue;
    const QStringList words = line.split(QRegularExpression("\\s+"));
    if (words[0] == "define") {  // define NAME = notes
      const int eq = line.indexOf('=');
      if (eq < 0 || words.size() < 3) {
        *error = "define needs a name and '=': " + line;
        return false;
      }
      QString body = line.mid(eq + 1);
      if (!Expand(body, defines, error)) return false;
      defines[words[1]] = body.trimmed();
    } else if (words[0] == "tempo") {
      song->tempo = words.value(1).toInt();
    } else if (words[0] == "time") {
      song->beatsPerBar = words.value(1).toInt();
      song->beatUnit = words.value(2).toInt();
    } else if (words[0] == "track") {
      song->tracks.emplace_back();
      current = &song->tracks.back();
      current->name = words.value(1);
      for (int k = 2; k < words.size(); ++k) {
        const QStringList kv = words[k].split('=');
        const int v = kv.value(1).toInt();
        if (kv[0] == "channel")
          current->channel = v;
        else if (kv[0] == "program")
          current->program = v;
        else if (kv[0] == "volume")
          current->volume = v;
        else if (kv[0] == "pan")
          current->pan = v;
        else if (kv[0] == "reverb")
          current->reverb = v;
        else {
          *error = "unknown track setting " + words[k];
          return false;
        }
      }
    } else if (current) {
      if (!Expand(line, defines, error)) return false;
      current->notes += line + " ";
    } else {
      *error = "notes before the first track: " + line;
      return false;
    }
  }
  if (song->tempo < 20 || song->tempo > 300 || song->tracks.empty()) {
    *error = "a song needs a tempo and at least one track";
    return false;
  }
  return true;
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7f;
  while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7f));
  while (n) out.push_back(buf[--n]);
}

void PutBE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int k = bytes - 1; k >= 0; --k) out.push_back(uint8_t(v >> (8 * k)));
}

void PutChunk(std::vector<uint8_t>& file, const char* tag, const std::vector<uint8_t>& body) {
  file.insert(file.end(), tag, tag + 4);
  PutBE(file, uint32_t(body.size()), 4);
  file.insert(file.end(), body.begin(), body.end());
}

std::vector<uint8_t> TrackChunk(std::vector<Event> events, int endTick, const QString& name) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  const QByteArray n = name.toUtf8();
  body.insert(body.end(), {0x00, 0xff, 0x03});
  PutVarLen(body, uint32_t(n.size()));
  body.insert(body.end(), n.begin(), n.end());
  int last = 0;
  for (const Event& e : events) {
    PutVarLen(body, uint32_t(e.tick - last));
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    last = e.tick;
  }
  PutVarLen(body, uint32_t(std::max(0, endTick - last)));
  body.insert(body.end(), {0xff, 0x2f, 0x00});
  return body;
}

}  // namespace

bool CompileMusic(const QString& sourcePath, const QString& midiPath, QString* error) {
  // Read and parse the source.
  QFile in(sourcePath);
  if (!in.open(QIODevice::ReadOnly)) {
    *error = "cannot read " + sourcePath;
    return false;
  }
  Song song;
  if (!ParseSong(QString::fromUtf8(in.readAll()), &song, error)) {
    *error = sourcePath + ": " + *error;
    return false;
  }
  // Notes to events; every track must end together on a bar line so the piece loops.
  const int bar = song.beatsPerBar * 4 * kDivision / song.beatUnit;
  int total = -1;
  for (Track& t : song.tracks) {
    const uint8_t ch = uint8_t(t.channel & 15);
    t.events.push_back({0, 1, {uint8_t(0xc0 | ch), uint8_t(t.program & 127)}});
    t.events.push_back({0, 1, {uint8_t(0xb0 | ch), 7, uint8_t(t.volume & 127)}});
    t.events.push_back({0, 1, {uint8_t(0xb0 | ch), 10, uint8_t(t.pan & 127)}});
    t.events.push_back({0, 1, {uint8_t(0xb0 | ch), 91, uint8_t(t.reverb & 127)}});
    if (!NoteReader(t).Run(error)) {
      *error = sourcePath + ": " + *error;
      return false;
    }
    if (total < 0) total = t.length;
    if (t.length != total || t.length % bar != 0) {
      *error = QString("%1: track %2 lasts %3 ticks (%4 bars), the first %5")
                   .arg(sourcePath, t.name)
                   .arg(t.length)
                   .arg(double(t.length) / bar)
                   .arg(total);
      return false;
    }
  }
  const double seconds = total / double(kDivision) * 60.0 / song.tempo;
  if (seconds < 40 || seconds > 90) {
    *error = QString("%1: lasts %2 s, must be 40 to 90 s").arg(sourcePath).arg(seconds);
    return false;
  }
  // Conductor track, then one chunk per track.
  std::vector<uint8_t> file;
  std::vector<uint8_t> header;
  PutBE(header, 1, 2);
  PutBE(header, uint32_t(song.tracks.size() + 1), 2);
  PutBE(header, kDivision, 2);
  PutChunk(file, "MThd", header);
  const uint32_t usPerQuarter = uint32_t(60000000 / song.tempo);
  int denomPower = 0;
  while ((1 << denomPower) < song.beatUnit) ++denomPower;
  std::vector<Event> conductor = {
      {0,
       1,
       {0xff, 0x51, 0x03, uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8),
        uint8_t(usPerQuarter)}},
      {0, 1, {0xff, 0x58, 0x04, uint8_t(song.beatsPerBar), uint8_t(denomPower), 24, 8}}};
  PutChunk(file, "MTrk", TrackChunk(conductor, total, "KORVANE"));
  for (const Track& t : song.tracks) PutChunk(file, "MTrk", TrackChunk(t.events, total, t.name));
  QFile out(midiPath);
  if (!out.open(QIODevice::WriteOnly) || out.write(reinterpret_cast<const char*>(file.data()),
                                                   qint64(file.size())) != qint64(file.size())) {
    *error = "cannot write " + midiPath;
    return false;
  }
  return true;
}

}  // namespace assetgen
