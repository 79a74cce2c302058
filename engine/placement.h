// One placement, as the tools write it and the solver, the record and the review pass it around:
// "p<slot>@<column>,<row>" for the player, "e<slot>@<column>,<row>" for the enemy.
#pragma once

#include <string>

namespace korvane {

struct Placement {
  bool enemy = false;
  int slot = 0;
  int column = 0;
  int row = 0;
  bool operator==(const Placement&) const = default;
};
std::string PlacementText(const Placement& m);

}  // namespace korvane
