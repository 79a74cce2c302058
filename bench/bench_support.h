// What the benchmark programs share: the card table the build generates.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/card_table.h"

namespace korvane::bench {

// The card file of the build's data folder, read once; without it no benchmark can run.
inline const CardTable& Cards() {
  static const CardTable table = [] {
    std::string error;
    auto t = CardTable::Open(std::string(KORVANE_DATA_DIR) + "/carddata", &error);
    if (!t) {
      std::fprintf(stderr, "%s (build the target carddata first)\n", error.c_str());
      std::exit(1);
    }
    return *t;
  }();
  return table;
}

}  // namespace korvane::bench
