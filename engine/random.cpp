#include "engine/random.h"

#include <chrono>

namespace korvane {

SeededRandom::SeededRandom(uint64_t seed) : gen_(seed) {}

double SeededRandom::Next() { return static_cast<double>(gen_() >> 11) * 0x1.0p-53; }

ClockSeededRandom::ClockSeededRandom() : SeededRandom(0) { SeedFromClock(); }

void ClockSeededRandom::SeedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  ++seedings_;
  lastSeed_ =
      static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) ^
      (seedings_ * 0x9E3779B97F4A7C15ull);
  Seed(lastSeed_);
}

}  // namespace korvane
