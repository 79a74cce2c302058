// The fast evaluation (shared set-up per move choice, the reply test walked backwards from the
// target, the second projection skipped when nothing flips) against a plain, step-by-step
// version of the same rules, over many positions reached by random play.
#include <gtest/gtest.h>

#include "ai/ai.h"
#include "ai/selfplay.h"
#include "engine/projection.h"
#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

struct Plain {
  SquareMap board, pmap, emap;
};

void PlainProject(const DuelState& s, Plain& p) {
  p.pmap = SquareMap{};
  p.emap = SquareMap{};
  p.emap[3][1] = 1;
  p.pmap[3][5] = 1;
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      const int code = p.board[c][r];
      for (int side = 1; side <= 4; ++side) {
        if (IsPlayerCard(code)) {
          ProjectSide(p.board, p.pmap, c, r, Ahead(false, side),
                      ReadCardSide(s, kPlayer, code - 1, side));
        }
        if (IsEnemyCard(code)) {
          ProjectSide(p.board, p.emap, c, r, Ahead(true, side),
                      ReadCardSide(s, kEnemy, -code - 1, side));
        }
      }
    }
  }
}

// Every reply square, every card in hand, every side, walked forwards.
bool PlainReply(const DuelState& s, const Plain& p, int tc, int tr) {
  for (int k = 0; k < 5; ++k) {
    if (s.PlayerPlayed[k]) continue;
    for (int qr = 1; qr <= 5; ++qr) {
      for (int qc = 1; qc <= 5; ++qc) {
        if (p.board[qc][qr] != 0 || p.emap[qc][qr] != 0) continue;
        for (int side = 1; side <= 4; ++side) {
          const Step d = Ahead(false, side);
          const Step l = Sideways(d);
          const char code = ReadCardSide(s, kPlayer, k, side);
          if (code == 'a') {
            for (int sgn : {0, 1, -1}) {
              if (qc + d.dc + sgn * l.dc == tc && qr + d.dr + sgn * l.dr == tr) return true;
            }
          } else if (code == 's') {
            if (qc + 2 * d.dc == tc && qr + 2 * d.dr == tr) return true;
          } else if (code >= '1' && code <= '9') {
            for (int t = 1; t <= code - '0'; ++t) {
              const int c = qc + t * d.dc, r = qr + t * d.dr;
              if (!IsOnBoard(c, r)) break;
              if (c == tc && r == tr) return true;
              if (p.board[c][r] != 0) break;
            }
          }
        }
      }
    }
  }
  return false;
}

int PlainScore(const DuelState& s, const AiWeights& w, int slot, int c, int r) {
  int score = 0;
  for (int side = 1; side <= 4; ++side) {
    if (ReadCardSide(s, kEnemy, slot, side) != 'b') continue;
    const BlastSquares b = Blast(c, r, Ahead(true, side));
    for (int i = 0; i < 5; ++i) {
      if (IsOnBoard(b.c[i], b.r[i]) && IsPlayerCard(s.BoardCard[b.c[i]][b.r[i]]))
        score += w.FlipWeight;
    }
    for (int i = 0; i < 5; ++i) {
      if (IsOnBoard(b.c[i], b.r[i]) && IsEnemyCard(s.BoardCard[b.c[i]][b.r[i]]))
        score += w.LossWeight;
    }
  }
  int before = 0;
  for (int y = 1; y <= 5; ++y) {
    for (int x = 1; x <= 5; ++x) {
      if (s.BoardCard[x][y] != 0) continue;
      before += (s.EnemyFieldMap[x][y] >= 1) - (s.PlayerFieldMap[x][y] >= 1);
    }
  }
  Plain p;
  p.board = s.BoardCard;
  p.board[c][r] = static_cast<int16_t>(-(slot + 1));
  PlainProject(s, p);
  for (int y = 1; y <= 5; ++y) {
    for (int x = 1; x <= 5; ++x) {
      if (IsPlayerCard(p.board[x][y]) && p.emap[x][y] >= 1) {
        p.board[x][y] = 40;
        score += w.FlipWeight;
      }
    }
  }
  PlainProject(s, p);
  int after = 0;
  for (int y = 1; y <= 5; ++y) {
    for (int x = 1; x <= 5; ++x) {
      if (s.BoardCard[x][y] != 0) continue;
      after += (p.emap[x][y] >= 1) - (p.pmap[x][y] >= 1);
    }
  }
  score += w.TerritoryWeight * (after - before);
  if (!PlainReply(s, p, c, r)) score += w.SafetyBonus;
  if (s.PlayerFieldMap[c][r] >= 1) score = w.LossWeight;
  if (s.EnemyFieldMap[c][r] == 0) score += w.TerritoryWeight;
  return score;
}

TEST(EvaluationReference, FastScoresEqualThePlainOnesOverRandomPlay) {
  const CardTable cards = test::SourceCardTable();
  ASSERT_FALSE(HasFailure());  // the card source could not be read

  SeededRandom rng(2024);
  int compared = 0;
  for (int game = 0; game < 150; ++game) {
    DuelState s;
    for (int k = 0; k < 5; ++k) {
      s.PlayerHand[k] = static_cast<int16_t>(rng.Next() * 40);
      s.EnemyHand[k] = static_cast<int16_t>(rng.Next() * 40);
    }
    ResetBoard(s);
    LoadHandSides(s, cards);
    ComputeFields(s);
    for (int move = 0; move < 10; ++move) {
      const bool enemy = move % 2 == (game % 2);
      // Compare every candidate the enemy has here, with one opponent's weights.
      AiWeights w;
      SetWeightsFor(Cast((game + move) % 6 + 1).name, &w);
      std::vector<CandidateScore> trace;
      ChooseEnemyMove(s, w, rng, &trace);
      for (const CandidateScore& cs : trace) {
        ASSERT_EQ(cs.score, PlainScore(s, w, cs.slot, cs.column, cs.row))
            << "game " << game << " move " << move << " slot " << cs.slot << " at " << cs.column
            << "," << cs.row;
        ++compared;
      }
      // A random legal placement for whichever side is due.
      std::vector<std::pair<int, int>> empty;
      for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) {
          if (s.BoardCard[c][r] == 0) empty.push_back({c, r});
        }
      }
      const auto& played = enemy ? s.EnemyPlayed : s.PlayerPlayed;
      int slot = static_cast<int>(rng.Next() * 5);
      while (played[slot]) slot = (slot + 1) % 5;
      const auto sq = empty[static_cast<size_t>(rng.Next() * empty.size())];
      s.SelectedSlot = static_cast<int16_t>(slot);
      if (enemy) {
        PlaceEnemyCard(s, sq.first, sq.second);
      } else {
        PlacePlayerCard(s, sq.first, sq.second);
      }
      ComputeFields(s);
      ASSERT_TRUE(BoardIsConsistent(s));
    }
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace korvane
