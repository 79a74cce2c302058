#include "engine/rules.h"

#include <cassert>

#include "engine/board_bits.h"

namespace korvane {
namespace {

// The maps count field sources: a home square counts 1, every side adds 1 to each square it
// covers. Only whether an entry is at least 1 matters to the rules; the counts are what the duel
// has always shown. `sideCover` holds what each side of the card on each square covers.
void CountFields(DuelState& s, const BoardBits& b,
                 const std::array<std::array<SquareMask, 4>, kBoardSize * kBoardSize>& sideCover) {
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      s.PlayerFieldMap[c][r] = 0;
      s.EnemyFieldMap[c][r] = 0;
    }
  }
  s.EnemyFieldMap[3][1] = 1;
  s.PlayerFieldMap[3][5] = 1;
  for (SquareMask cards = b.playerCards | b.enemyCards; cards != 0; cards &= cards - 1) {
    const int i = std::countr_zero(cards);
    SquareMap& map = (b.enemyCards >> i & 1) ? s.EnemyFieldMap : s.PlayerFieldMap;
    for (SquareMask cover : sideCover[i]) {
      for (; cover != 0; cover &= cover - 1) {
        const int j = std::countr_zero(cover);
        ++map[j % kBoardSize + 1][j / kBoardSize + 1];
      }
    }
  }
}

// Turns the cards on `flipped` face down and tells each with the code it had.
Flips TurnDown(DuelState& s, SquareMask flipped, double clock) {
  Flips flips;
  for (; flipped != 0; flipped &= flipped - 1) {
    const int i = std::countr_zero(flipped);
    const int c = i % kBoardSize + 1, r = i / kBoardSize + 1;
    const int16_t code = s.BoardCard[c][r];
    flips.Add({static_cast<int8_t>(c), static_cast<int8_t>(r), code, clock});
    s.BoardCard[c][r] = code > 0 ? kFlippedPlayerCard : kFlippedEnemyCard;
  }
  return flips;
}

// What both placements share: the slot counts as played, the card goes down, and it is flipped
// at once or its bombs go off.
Flips Place(DuelState& s, bool enemy, int c, int r) {
  const int slot = s.SelectedSlot;
  if (!IsValidSlot(slot)) return {};  // nothing selected: nothing to place
  (enemy ? s.EnemyPlayed : s.PlayerPlayed)[slot] = true;
  if (!IsOnBoard(c, r)) return {};
  BoardBits b = BitsOf(s);
  const SquareMask flipped =
      PlaceOnBits(b, enemy, slot, c, r, enemy ? s.EnemySides[slot] : s.PlayerSides[slot],
                  CoverBySides{s.PlayerSides, s.EnemySides});
  s.BoardCard[c][r] = static_cast<int16_t>(enemy ? -(slot + 1) : slot + 1);
  return TurnDown(s, flipped, kPlacementFlipClock);
}

}  // namespace

void ResetBoard(DuelState& s) {
  for (int c = 0; c <= kBoardSize; ++c) {
    for (int r = 0; r <= kBoardSize; ++r) {
      s.BoardCard[c][r] = IsPlayable(c, r) ? kEmptySquare : kBlockedSquare;
      s.PlayerFieldMap[c][r] = 0;
      s.EnemyFieldMap[c][r] = 0;
    }
  }
  s.EnemyFieldMap[3][1] = 1;
  s.PlayerFieldMap[3][5] = 1;
  s.PlayerPlayed.fill(false);
  s.EnemyPlayed.fill(false);
  s.Turn = TurnState::Nobody;
  s.SelectedSlot = -1;
}

void LoadHandSides(DuelState& s, const CardTable& cards) {
  for (int slot = 0; slot < kHandSize; ++slot) {
    for (int side = 1; side <= 4; ++side) {
      const int p = s.PlayerHand[slot], e = s.EnemyHand[slot];
      s.PlayerSides[slot][side - 1] = IsValidCardId(p) ? cards.Side(p, side) : '0';
      s.EnemySides[slot][side - 1] = IsValidCardId(e) ? cards.Side(e, side) : '0';
    }
  }
}

char ReadCardSide(const DuelState& s, int owner, int slot, int side) {
  assert(IsValidSlot(slot) && side >= 1 && side <= 4);
  if (!IsValidSlot(slot) || side < 1 || side > 4) return '0';
  return owner == kPlayer ? s.PlayerSides[slot][side - 1] : s.EnemySides[slot][side - 1];
}

Flips ComputeFields(DuelState& s) {
  BoardBits b = BitsOf(s);
  // Each card's sides measured once: the flips fill no square, so the second projection sees
  // the same covers, only from fewer cards.
  std::array<std::array<SquareMask, 4>, kBoardSize * kBoardSize> sideCover{};
  for (SquareMask cards = b.playerCards | b.enemyCards; cards != 0; cards &= cards - 1) {
    const int i = std::countr_zero(cards);
    sideCover[i] = SideCoversAt(b, i, s.PlayerSides, s.EnemySides);
    b.coverAt[i] = sideCover[i][0] | sideCover[i][1] | sideCover[i][2] | sideCover[i][3];
  }
  const Flips flips = TurnDown(s, RecomputeFields(b, CoverBySides{s.PlayerSides, s.EnemySides}, 0),
                               kFieldFlipClock);
  CountFields(s, b, sideCover);
  return flips;
}

Flips PlacePlayerCard(DuelState& s, int c, int r) {
  const Flips flips = Place(s, false, c, r);
  s.Turn = TurnState::Enemy;  // SelectedSlot stays
  return flips;
}

Flips PlaceEnemyCard(DuelState& s, int c, int r) {
  const Flips flips = Place(s, true, c, r);
  s.Turn = TurnState::Player;
  s.SelectedSlot = -1;
  return flips;
}

void DecideFirstTurn(DuelState& s) {
  int playerNones = 0, enemyNones = 0;
  for (int slot = 0; slot < kHandSize; ++slot) {
    for (int side = 1; side <= 4; ++side) {
      if (ReadCardSide(s, kPlayer, slot, side) == '0') ++playerNones;
      if (ReadCardSide(s, kEnemy, slot, side) == '0') ++enemyNones;
    }
  }
  s.Turn = playerNones >= enemyNones ? TurnState::Player : TurnState::Enemy;
}

FaceUpCount CountFaceUp(const DuelState& s) {
  FaceUpCount count{0, 0};
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      count.player += IsPlayerCard(s.BoardCard[c][r]);
      count.enemy += IsEnemyCard(s.BoardCard[c][r]);
    }
  }
  return count;
}

std::optional<DuelOutcome> EndTest(DuelState& s) {
  if (s.Turn == TurnState::Nobody) return std::nullopt;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if (!s.PlayerPlayed[slot] || !s.EnemyPlayed[slot]) return std::nullopt;
  }
  s.Turn = TurnState::Nobody;
  const FaceUpCount count = CountFaceUp(s);
  DuelOutcome out{DuelResult::Draw, count.player, count.enemy};
  if (out.PlayerScore > out.EnemyScore) out.result = DuelResult::PlayerWon;
  if (out.PlayerScore < out.EnemyScore) out.result = DuelResult::EnemyWon;
  return out;
}

bool BoardIsConsistent(const DuelState& s) {
  std::array<int, kHandSize> playerSeen{}, enemySeen{};
  int playerOnBoard = 0, enemyOnBoard = 0;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      const int code = s.BoardCard[c][r];
      if (!IsPlayable(c, r)) {
        if (code != kBlockedSquare) return false;
        continue;
      }
      if (s.PlayerFieldMap[c][r] < 0 || s.EnemyFieldMap[c][r] < 0) return false;
      if (code == kEmptySquare) continue;
      if (code == kFlippedPlayerCard) {
        ++playerOnBoard;
      } else if (code == kFlippedEnemyCard) {
        ++enemyOnBoard;
      } else if (code >= 1 && code <= kHandSize) {
        // A face-up card: its slot is played, holds a card and appears only once.
        if (!s.PlayerPlayed[code - 1] || !IsValidCardId(s.PlayerHand[code - 1])) return false;
        if (++playerSeen[code - 1] > 1) return false;
        ++playerOnBoard;
      } else if (code <= -1 && code >= -kHandSize) {
        if (!s.EnemyPlayed[-code - 1] || !IsValidCardId(s.EnemyHand[-code - 1])) return false;
        if (++enemySeen[-code - 1] > 1) return false;
        ++enemyOnBoard;
      } else {
        return false;  // no other code belongs on a playable square
      }
    }
  }
  // Every card on the board came from a played slot (a placement off the board adds none).
  int playerPlayed = 0, enemyPlayed = 0;
  for (int slot = 0; slot < kHandSize; ++slot) {
    playerPlayed += s.PlayerPlayed[slot];
    enemyPlayed += s.EnemyPlayed[slot];
  }
  if (playerOnBoard > playerPlayed || enemyOnBoard > enemyPlayed) return false;
  if (s.EnemyFieldMap[3][1] < 1 || s.PlayerFieldMap[3][5] < 1) return false;
  return s.SelectedSlot >= -1 && s.SelectedSlot < kHandSize;
}

}  // namespace korvane
