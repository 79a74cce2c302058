// What a screen reader hears of a duel as it goes on: each placement, flip, the score and the
// result, told once. The squares and hand cards themselves are read through ui/square_speech.h.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/duel_state.h"
#include "ui/square_speech.h"

namespace korvane {

class Korvane;

// Follows a duel and tells what changed since it last looked.
class DuelSpeech {
 public:
  // The texts to announce since the last call: placements, flips, then the score; and the result
  // once the duel has ended. The first call only takes the position in.
  std::vector<QString> Follow(const Korvane& k);

 private:
  bool seen_ = false;
  SquareMap board_{};
  std::array<int16_t, kHandSize> player_{}, enemy_{};
  std::array<bool, kHandSize> playerPlayed_{}, enemyPlayed_{};
  bool ended_ = false;
};

}  // namespace korvane
