#include "engine/placement.h"

#include "engine/types.h"

namespace korvane {
namespace {

int Digit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

}  // namespace

std::string PlacementText(const Placement& m) {
  return std::string(m.enemy ? "e" : "p") + std::to_string(m.slot) + "@" +
         std::to_string(m.column) + "," + std::to_string(m.row);
}

std::optional<Placement> ParsePlacement(std::string_view text) {
  if (text.size() != 6 || (text[0] != 'p' && text[0] != 'e') || text[2] != '@' || text[4] != ',')
    return std::nullopt;
  const Placement m{text[0] == 'e', Digit(text[1]), Digit(text[3]), Digit(text[5])};
  if (!IsValidSlot(m.slot) || !IsOnBoard(m.column, m.row)) return std::nullopt;
  return m;
}

}  // namespace korvane
