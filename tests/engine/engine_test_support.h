// What the engine, opponent and duel tests share: the card table read from the project's card
// source, and small helpers that lay out a duel by hand (cards with chosen side codes on chosen
// squares).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/card_table.h"
#include "engine/rules.h"

namespace korvane::test {

// The records of assets/cards.tsv, read by the game's own parser; a fault fails the test and
// gives forty empty records.
inline std::vector<CardRecord> SourceRecords() {
  const std::string path = std::string(KORVANE_SOURCE_DIR) + "/assets/cards.tsv";
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string error;
  auto records = ParseCardSource(text, path, &error);
  EXPECT_TRUE(records.has_value()) << error;
  return records.value_or(std::vector<CardRecord>(kCardKinds));
}

inline CardTable SourceCardTable() { return CardTable::FromRecords(SourceRecords()); }

// The flip an operation reported on (c, r), if any.
inline std::optional<Flip> FlipAt(const Flips& flips, int c, int r) {
  for (const Flip& f : flips) {
    if (f.column == c && f.row == r) return f;
  }
  return std::nullopt;
}

inline std::array<char, 4> Sides(const std::string& four) {
  return {four[0], four[1], four[2], four[3]};
}

// A fresh duel: every hand slot holds card 0 with four "0" sides.
inline DuelState EmptyDuel() {
  DuelState s;
  ResetBoard(s);
  s.PlayerHand.fill(0);
  s.EnemyHand.fill(0);
  for (auto& sides : s.PlayerSides) sides = Sides("0000");
  for (auto& sides : s.EnemySides) sides = Sides("0000");
  return s;
}

// Gives a hand slot its side codes without placing it.
inline void HandPlayer(DuelState& s, int slot, const std::string& sides) {
  s.PlayerSides[slot] = Sides(sides);
}
inline void HandEnemy(DuelState& s, int slot, const std::string& sides) {
  s.EnemySides[slot] = Sides(sides);
}

// Puts a face-up card straight on the board (no placement rules), marking its slot played.
inline void PutPlayer(DuelState& s, int slot, int c, int r, const std::string& sides) {
  HandPlayer(s, slot, sides);
  s.PlayerPlayed[slot] = true;
  s.BoardCard[c][r] = static_cast<int16_t>(slot + 1);
}
inline void PutEnemy(DuelState& s, int slot, int c, int r, const std::string& sides) {
  HandEnemy(s, slot, sides);
  s.EnemyPlayed[slot] = true;
  s.BoardCard[c][r] = static_cast<int16_t>(-(slot + 1));
}

// Squares (as "c,r" joined by spaces, row by row) whose map entry is at least 1.
inline std::string Covered(const SquareMap& map) {
  std::string out;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (map[c][r] >= 1)
        out += (out.empty() ? "" : " ") + std::to_string(c) + "," + std::to_string(r);
    }
  }
  return out;
}

}  // namespace korvane::test
