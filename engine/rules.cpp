#include "engine/rules.h"

#include <cassert>

#include "engine/projection.h"

namespace korvane {
namespace {

void ClearMaps(DuelState& s) {
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      s.PlayerFieldMap[c][r] = 0;
      s.EnemyFieldMap[c][r] = 0;
    }
  }
  s.EnemyFieldMap[3][1] = 1;
  s.PlayerFieldMap[3][5] = 1;
}

void Project(DuelState& s) {
  ClearMaps(s);
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int code = s.BoardCard[c][r];
      if (IsPlayerCard(code)) {
        ProjectCard(s.BoardCard, s.PlayerFieldMap, c, r, false, s.PlayerSides[code - 1]);
      } else if (IsEnemyCard(code)) {
        ProjectCard(s.BoardCard, s.EnemyFieldMap, c, r, true, s.EnemySides[-code - 1]);
      }
    }
  }
}

void Flip(DuelState& s, int c, int r, double clock) {
  const int16_t code = s.BoardCard[c][r];
  s.FlippedCard[c][r] = code;
  s.FlipTime[c][r] = clock;
  s.BoardCard[c][r] = code > 0 ? kFlippedPlayerCard : kFlippedEnemyCard;
}

// A bomb side going off. The player's cards first, then the enemy's, for a bomb of either owner.
void GoOff(DuelState& s, int c, int r, Step d) {
  const BlastSquares b = Blast(c, r, d);
  for (int i = 0; i < 5; ++i) {
    if (IsOnBoard(b.c[i], b.r[i]) && IsPlayerCard(s.BoardCard[b.c[i]][b.r[i]])) {
      Flip(s, b.c[i], b.r[i], 3.1);
    }
  }
  for (int i = 0; i < 5; ++i) {
    if (IsOnBoard(b.c[i], b.r[i]) && IsEnemyCard(s.BoardCard[b.c[i]][b.r[i]])) {
      Flip(s, b.c[i], b.r[i], 3.1);
    }
  }
}

// The common part of both placements (steps 1 to 4).
void Place(DuelState& s, bool enemy, int c, int r) {
  const int slot = s.SelectedSlot;
  if (!IsValidSlot(slot)) return;  // nothing selected: nothing to place
  // The slot counts as played.
  (enemy ? s.EnemyPlayed : s.PlayerPlayed)[slot] = true;
  if (!IsOnBoard(c, r)) return;
  const int16_t code = static_cast<int16_t>(enemy ? -(slot + 1) : slot + 1);
  // Into the opposing field: flipped at once, nothing else of the card counts.
  const SquareMap& opposing = enemy ? s.PlayerFieldMap : s.EnemyFieldMap;
  if (opposing[c][r] >= 1) {
    s.BoardCard[c][r] = code;
    Flip(s, c, r, 3.1);
    return;
  }
  // Face up, then every bomb side goes off.
  s.BoardCard[c][r] = code;
  const auto& sides = enemy ? s.EnemySides[slot] : s.PlayerSides[slot];
  for (int side = 1; side <= 4; ++side) {
    if (sides[side - 1] == 'b') GoOff(s, c, r, Ahead(enemy, side));
  }
}

}  // namespace

void ResetBoard(DuelState& s) {
  for (int c = 0; c <= kBoardSize; ++c) {
    for (int r = 0; r <= kBoardSize; ++r) {
      s.BoardCard[c][r] = IsPlayable(c, r) ? kEmptySquare : kBlockedSquare;
      s.PlayerFieldMap[c][r] = 0;
      s.EnemyFieldMap[c][r] = 0;
      s.FlipTime[c][r] = 0;
      s.FlippedCard[c][r] = 0;
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

void ComputeFields(DuelState& s) {
  // First projection.
  Project(s);
  // Every card in the opposing field flips; all tests read the first maps.
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (IsPlayerCard(s.BoardCard[c][r]) && s.EnemyFieldMap[c][r] >= 1) Flip(s, c, r, 3.14);
      if (IsEnemyCard(s.BoardCard[c][r]) && s.PlayerFieldMap[c][r] >= 1) Flip(s, c, r, 3.14);
    }
  }
  // Second projection: the flipped cards no longer count.
  Project(s);
}

void PlacePlayerCard(DuelState& s, int c, int r) {
  Place(s, false, c, r);
  s.Turn = TurnState::Enemy;  // SelectedSlot stays
}

void PlaceEnemyCard(DuelState& s, int c, int r) {
  Place(s, true, c, r);
  s.Turn = TurnState::Player;
  s.SelectedSlot = -1;
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

bool IsFlipRunning(const DuelState& s) {
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (s.FlipTime[c][r] != 0) return true;
    }
  }
  return false;
}

std::optional<DuelOutcome> EndTest(DuelState& s) {
  if (IsFlipRunning(s)) return std::nullopt;
  if (s.Turn == TurnState::Nobody) return std::nullopt;
  for (int slot = 0; slot < kHandSize; ++slot) {
    if (!s.PlayerPlayed[slot] || !s.EnemyPlayed[slot]) return std::nullopt;
  }
  s.Turn = TurnState::Nobody;
  DuelOutcome out{DuelResult::Draw, 0, 0};
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (IsPlayerCard(s.BoardCard[c][r])) ++out.PlayerScore;
      if (IsEnemyCard(s.BoardCard[c][r])) ++out.EnemyScore;
    }
  }
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
