// Effects are synthesised from parameter files (see assets/sfx/README.md): a few voices, each
// a waveform with a pitch glide, vibrato and a smooth attack/release envelope, mixed,
// normalised and written as 16-bit mono PCM.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <map>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

struct Voice {
  QString wave = "sine";
  double start = 0, duration = 100;  // ms
  double f0 = 440, f1 = 440;         // Hz, glided exponentially
  double attack = 5, release = 30;   // ms
  double level = 1.0;
  double vibratoRate = 0, vibratoDepth = 0;  // Hz, semitones
  int harmonics = 12;                        // for square, saw and triangle
};

struct Effect {
  int rate = 22050;
  double length = 100;  // ms
  double peak = 0.6;    // of full scale
  std::vector<Voice> voices;
};

bool ParseEffect(const QString& text, Effect* fx, QString* error) {
  for (QString line : text.split('\n')) {
    const int hash = line.indexOf('#');
    if (hash >= 0) line.truncate(hash);
    const QStringList words = line.trimmed().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    if (words[0] == "rate") {
      fx->rate = words.value(1).toInt();
    } else if (words[0] == "length") {
      fx->length = words.value(1).toDouble();
    } else if (words[0] == "peak") {
      fx->peak = words.value(1).toDouble();
    } else if (words[0] == "voice") {
      Voice v;
      for (int k = 1; k < words.size(); ++k) {
        const QStringList kv = words[k].split('=');
        const QString key = kv[0];
        const double x = kv.value(1).toDouble();
        if (key == "wave")
          v.wave = kv.value(1);
        else if (key == "start")
          v.start = x;
        else if (key == "dur")
          v.duration = x;
        else if (key == "f0")
          v.f0 = x;
        else if (key == "f1")
          v.f1 = x;
        else if (key == "attack")
          v.attack = x;
        else if (key == "release")
          v.release = x;
        else if (key == "level")
          v.level = x;
        else if (key == "vrate")
          v.vibratoRate = x;
        else if (key == "vdepth")
          v.vibratoDepth = x;
        else if (key == "harmonics")
          v.harmonics = int(x);
        else {
          *error = "unknown voice setting " + words[k];
          return false;
        }
      }
      fx->voices.push_back(v);
    } else {
      *error = "unknown line: " + line;
      return false;
    }
  }
  if (fx->rate < 8000 || fx->length <= 0 || fx->voices.empty() || fx->peak <= 0 || fx->peak > 1) {
    *error = "an effect needs a rate, a length, a peak in (0, 1] and at least one voice";
    return false;
  }
  return true;
}

// Band-limited waveforms built from harmonics below half the sample rate.
double Wave(const QString& wave, double phase, double freq, int rate, int harmonics, Rng& rng) {
  const double tau = 2 * M_PI;
  if (wave == "sine") return std::sin(tau * phase);
  if (wave == "noise") return rng.Range(-1, 1);
  double sum = 0;
  for (int h = 1; h <= harmonics && h * freq < rate * 0.45; ++h) {
    if (wave == "square" && h % 2 == 1) sum += std::sin(tau * h * phase) / h;
    if (wave == "saw") sum += std::sin(tau * h * phase) / h * (h % 2 ? 1 : -1);
    if (wave == "triangle" && h % 2 == 1)
      sum += std::sin(tau * h * phase) / (h * h) * ((h / 2) % 2 ? -1 : 1);
  }
  return wave == "triangle" ? sum * 8 / (M_PI * M_PI) : sum * 4 / M_PI * 0.8;
}

// Raised-cosine ramps: no corners in the envelope, so no clicks.
double Envelope(double t, double duration, double attack, double release) {
  if (t < 0 || t > duration) return 0;
  double e = 1;
  if (attack > 0 && t < attack) e *= 0.5 - 0.5 * std::cos(M_PI * t / attack);
  const double left = duration - t;
  if (release > 0 && left < release) e *= 0.5 - 0.5 * std::cos(M_PI * left / release);
  return e;
}

void PutLE(QByteArray& out, uint32_t v, int bytes) {
  for (int k = 0; k < bytes; ++k) out.append(char((v >> (8 * k)) & 0xff));
}

}  // namespace

bool SynthesiseEffect(const QString& sourcePath, const QString& wavPath, QString* error) {
  QFile in(sourcePath);
  if (!in.open(QIODevice::ReadOnly)) {
    *error = "cannot read " + sourcePath;
    return false;
  }
  Effect fx;
  if (!ParseEffect(QString::fromUtf8(in.readAll()), &fx, error)) {
    *error = sourcePath + ": " + *error;
    return false;
  }
  // Mix the voices.
  const int frames = int(fx.length * fx.rate / 1000.0);
  std::vector<double> mix(frames, 0.0);
  Rng rng(uint32_t(frames) * 2654435761u);
  for (const Voice& v : fx.voices) {
    double phase = 0;
    const int first = int(v.start * fx.rate / 1000.0);
    const int count = int(v.duration * fx.rate / 1000.0);
    for (int k = 0; k < count && first + k < frames; ++k) {
      const double tms = k * 1000.0 / fx.rate;
      const double u = v.duration > 0 ? tms / v.duration : 0;
      double freq = v.f0 * std::pow(v.f1 / v.f0, u);
      if (v.vibratoRate > 0)
        freq *=
            std::pow(2.0, v.vibratoDepth / 12 * std::sin(2 * M_PI * v.vibratoRate * tms / 1000));
      mix[first + k] += v.level * Envelope(tms, v.duration, v.attack, v.release) *
                        Wave(v.wave, phase, freq, fx.rate, v.harmonics, rng);
      phase += freq / fx.rate;
      phase -= std::floor(phase);
    }
  }
  // Normalise to the peak, with a short fade at both ends of the file.
  double top = 0;
  for (double s : mix) top = std::max(top, std::abs(s));
  const double gain = top > 0 ? fx.peak / top : 0;
  const int fade = std::max(1, fx.rate / 1000);  // 1 ms
  QByteArray pcm;
  for (int k = 0; k < frames; ++k) {
    double s = mix[k] * gain;
    if (k < fade) s *= double(k) / fade;
    if (frames - 1 - k < fade) s *= double(frames - 1 - k) / fade;
    const int v = int(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    PutLE(pcm, uint32_t(int16_t(v)), 2);
  }
  // RIFF/WAVE header, 16-bit mono PCM.
  QByteArray file("RIFF");
  PutLE(file, uint32_t(36 + pcm.size()), 4);
  file.append("WAVEfmt ");
  PutLE(file, 16, 4);
  PutLE(file, 1, 2);
  PutLE(file, 1, 2);
  PutLE(file, uint32_t(fx.rate), 4);
  PutLE(file, uint32_t(fx.rate * 2), 4);
  PutLE(file, 2, 2);
  PutLE(file, 16, 2);
  file.append("data");
  PutLE(file, uint32_t(pcm.size()), 4);
  file.append(pcm);
  QFile out(wavPath);
  if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
    *error = "cannot write " + wavPath;
    return false;
  }
  return true;
}

}  // namespace assetgen
