// One placement of a duel as the tools, the duel record and the review write it:
// "p<slot>@<column>,<row>" for the player's hand slot 0..4 on a square, "e<slot>@<column>,<row>"
// for the enemy's; columns and rows 1..5, (3,1) the enemy's home and (3,5) the player's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

struct Placement {
  bool enemy = false;
  int slot = 0;
  int column = 0;
  int row = 0;
  bool operator==(const Placement&) const = default;
};
std::string PlacementText(const Placement& m);

// The text as PlacementText writes it: exactly six characters, a hand slot 0..4 and a square
// on the 5 x 5 grid. Whether the square is playable and free is the position's business.
std::optional<Placement> ParsePlacement(std::string_view text);

}  // namespace korvane
