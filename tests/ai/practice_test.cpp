// 手加減 against 本気: the same seeded duels (the same hands, the same player), where only the
// gentle opponent's mistakes differ; against each of the six the player wins more often.
#include "ai/practice.h"

#include <gtest/gtest.h>

#include "ai/selfplay.h"
#include "cast/cast.h"
#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

TEST(GentleStrength, LosesMoreOftenThanTheDescribedOpponent) {
  const CardTable cards = test::SourceCardTable();
  const SelfPlaySide player{"random", false};  // random hands, random placements
  for (int person = 1; person < kPersons; ++person) {
    const std::string name(Cast(person).name);
    const SelfPlayTally full = RunSelfPlay(cards, {name, true}, player, 300, 17);
    SeededRandom mistakes(23);
    SelfPlaySide gentle{name, true};
    gentle.mistakes = &mistakes;
    const SelfPlayTally soft = RunSelfPlay(cards, gentle, player, 300, 17);
    // `losses` are the duels the opponent (the enemy side) lost.
    EXPECT_GT(soft.losses, full.losses) << name;
    EXPECT_LT(soft.wins, full.wins) << name;
  }
}

}  // namespace
}  // namespace korvane
