#include "engine/types.h"

#include <limits>

namespace korvane {

std::string_view TurnStateText(TurnState t) {
  switch (t) {
    case TurnState::Player:
      return "Player's Turn";
    case TurnState::Enemy:
      return "Enemy's Turn";
    case TurnState::Nobody:
      break;
  }
  return "Nobody's Turn";
}

int16_t CheckedAdd(int16_t value, int delta) {
  // Done in 64 bits so that a huge delta cannot wrap before the range test.
  const long long sum = static_cast<long long>(value) + delta;
  if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max()) {
    throw CounterOverflow("16-bit counter overflow: " + std::to_string(value) + " + " +
                          std::to_string(delta));
  }
  return static_cast<int16_t>(sum);
}

int16_t CheckedMul(int16_t a, int16_t b) {
  const long product = static_cast<long>(a) * b;
  if (product < std::numeric_limits<int16_t>::min() ||
      product > std::numeric_limits<int16_t>::max()) {
    throw CounterOverflow("16-bit counter overflow: " + std::to_string(a) + " * " +
                          std::to_string(b));
  }
  return static_cast<int16_t>(product);
}

}  // namespace korvane
