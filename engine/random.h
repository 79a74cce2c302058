// The game's random numbers: one uniform source of numbers in [0, 1), for the enemy's hand and for
// ties between equally scored enemy moves. The game seeds it from the clock when a game starts and
// when the duel window opens; tests, self-play and replays give it a fixed seed.
#pragma once

#include <cstdint>
#include <random>

namespace korvane {

// A uniform source of numbers in [0, 1), injected so that seeded runs can be pinned.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double Next() = 0;
  // The game starts a fresh sequence from the clock when a game starts and when the duel window
  // opens. A source with a fixed seed (tests, self-play, replays) keeps its sequence.
  virtual void SeedFromClock() {}
};

// A seeded 64-bit Mersenne twister; each number takes the top 53 bits of one output, so a seed
// gives the same numbers on every platform.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(uint64_t seed);
  double Next() override;
  void Seed(uint64_t seed) { gen_.seed(seed); }

 private:
  std::mt19937_64 gen_;
};

// The game's generator: a SeededRandom that takes a new seed from the clock whenever the game
// asks. Two seedings in the same clock tick still differ.
class ClockSeededRandom : public SeededRandom {
 public:
  ClockSeededRandom();
  void SeedFromClock() override;
  uint64_t LastSeed() const { return lastSeed_; }

 private:
  uint64_t lastSeed_ = 0;
  uint64_t seedings_ = 0;
};

}  // namespace korvane
