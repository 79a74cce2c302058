// The duel-series monkey: series against every opponent, as a plain player and as a master, in
// the game as korvane::Game makes it (without windows), played by DuelMonkey with random clicks on
// every control, random ticks, closes at any moment and answers to every question; no card is ever
// made or lost beyond the opponents' minimum stock, no count leaves its range, every series ends.
//   soak_duel [--seed N] [--runs SERIES | --seconds S | --minutes M]
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "tests/soak/soak_support.h"
#include "tests/support/headless.h"

using namespace korvane;
using namespace korvane::soak;

int main(int argc, char** argv) {
  test::Headless();
  QGuiApplication app(argc, argv);
  const Options options = ParseOptions(argc, argv, 300);
  Dice dice(options.seed);
  DuelMonkey monkey(dice);
  std::unique_ptr<test::TestGame> made;
  const QString opponents[6] = {QStringLiteral("高原 良絵"), QStringLiteral("真道 祐樹"),
                                QStringLiteral("風見 誠"),   QStringLiteral("横田 真央"),
                                QStringLiteral("高峰 武"),   QStringLiteral("速水 結")};
  auto give = [&](int n) {
    for (int i = 0; i < n; ++i) ++made->State().Collections[0][dice.Int(0, kCardKinds - 1)];
  };
  const Budget budget(options);
  long series = 0;
  while (budget.More(series)) {
    // A fresh game now and then keeps the recording sound system small; the state goes on.
    if (series % 100 == 0) {
      const GameState kept = made ? made->State() : GameState{};
      made.reset();
      made = std::make_unique<test::TestGame>(
          test::TestGame::Options{.seed = options.seed * 7919 + series, .platform = &monkey});
      if (!*made) Fail("the game: " + made->error);
      made->State() = kept;
      monkey.Attach(*made);
    }
    GameState& game = made->State();
    // Now and then a fresh world, which keeps the collections from growing without end: the
    // starting collections, or a few cards of every kind spread at random, so that every
    // minimum stock and the card-37 rule meet every case.
    if (series % 40 == 0) {
      game = GameState{};
      NewGameState(game, QStringLiteral("太郎君"), 0);
      if (dice.Chance(0.5)) {
        for (auto& person : game.Collections) {
          for (int16_t& count : person) count = dice.Chance(0.2) ? dice.Int(1, 3) : 0;
        }
      }
      give(dice.Int(3, 40));
    }
    if (game.TotalCards(0) < 5 && dice.Chance(0.7)) give(dice.Int(1, 12));
    // The bomb cards the rules single out (37 with 横田's card 18) come into play often.
    if (dice.Chance(0.1)) game.Collections[0][dice.Int(36, 39)] += dice.Int(1, 3);
    game.PlayerName = dice.Chance(0.3) ? QStringLiteral("※太郎君") : QStringLiteral("太郎君");
    game.TakaharaStep = dice.Chance(0.5) ? 30 : 0;  // the special result becomes possible
    const double chaos = dice.Chance(0.2) ? 0.0 : dice.Real(0.1, 1.0);
    monkey.PlaySeries(opponents[dice.Int(0, 5)], chaos);
    ++series;
  }
  const DuelCounts& total = monkey.Counts();
  std::printf(
      "soak_duel seed %llu: %ld series, %ld duels, %ld actions, %ld closes (%ld by the close box), "
      "%ld messages\n",
      static_cast<unsigned long long>(options.seed), total.series, total.duels, total.actions,
      total.closes, total.forfeits, total.messages);
  return 0;
}
