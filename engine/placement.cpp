#include "engine/placement.h"

namespace korvane {

std::string PlacementText(const Placement& m) {
  return std::string(m.enemy ? "e" : "p") + std::to_string(m.slot) + "@" +
         std::to_string(m.column) + "," + std::to_string(m.row);
}

}  // namespace korvane
