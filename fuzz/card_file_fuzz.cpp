// Any bytes as the card file "carddata": a clear refusal or forty sound cards, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/card_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korvane;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string error;
  const std::optional<CardTable> table = CardTable::FromBytes(bytes, "carddata", &error);
  if (!table) {
    if (error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  for (int id = 0; id < kCardKinds; ++id) {
    for (int side = 1; side <= 4; ++side) {
      if (!IsValidSideCode(table->Side(id, side))) __builtin_trap();
    }
    (void)table->Name(id).size();
  }
  return 0;
}
