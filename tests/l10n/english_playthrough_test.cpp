// A whole game in English, from the title to the ending, through the real adventure engine: the
// continued game, the town map, every visit of the believer's way (the fairy tree, the square,
// 横田, 高峰's story, the old house), the duels' outcomes decided here. Every message the player
// reads is checked as it is shown: English, broken between words inside the box, and shown
// whole, page after page. A long name makes the greetings take more than one page.
#include <QCoreApplication>
#include <algorithm>
#include <iostream>

#include "adventure/message_lines.h"
#include "adventure/story/conditions.h"
#include "duel/korvane.h"
#include "tests/l10n/l10n_support.h"
#include "tests/story/story_driver.h"
#include "tests/support/test_game.h"

namespace korvane::testing {
namespace {

using namespace korvane::story;

// A message as it was read: its text, and the lines of each of its pages.
struct Read {
  QString text;
  QColor colour;
  int boxWidth = 0;
  std::vector<QStringList> pages;
};

// The game without windows, made once the English is installed; each duel the story opens is
// left at once and ends with the next outcome of the visit.
class EnglishPlaythrough : public ::testing::Test {
 protected:
  EnglishPlaythrough() { game.platform.defaultAnswer.reset(); }
  void SetUp() override {
    ASSERT_TRUE(game) << game.error;
    adv = &game.Adventure();
  }

  // Reads the message on screen to its end: ticks while it types, clicks to the next page.
  void ReadMessage() {
    const QString text = adv->MessageText();
    Read read{text, adv->TextColor(), adv->MessageLabelRect().Pixels().width(), {}};
    for (int n = 0; n < 5000; ++n) {
      if (adv->MessageLabelCaption() != adv->MessageText() && !adv->MessageWaitsForPage()) {
        adv->Timer1_Timer();
        continue;
      }
      QStringList page;
      for (const auto& [at, line] : adv->Picture1Log().Lines().lines) page << line;
      read.pages.push_back(page);
      if (!adv->MessageWaitsForPage()) break;
      adv->Picture1_Click();
    }
    reads.push_back(read);
  }

  // Enters a place on the map and plays until the map is back or the story's engine stops.
  void Visit(int place, std::vector<int> answers = {}, std::vector<DuelOutcome> outcomes = {}) {
    ASSERT_TRUE(adv->ClickerVisible(place)) << "place " << place << " is not on the map";
    adv->Clicker_Click(place);
    size_t answer = 0, outcome = 0;
    for (int n = 0; n < 20000; ++n) {
      if (game.Duel().IsOpen()) {
        ASSERT_LT(outcome, outcomes.size()) << "unexpected duel at place " << adv->CurrentPlace();
        ++duelsOpened;
        ASSERT_TRUE(game.Duel().Unload());  // the adventure comes back
        const DuelOutcome& o = outcomes[outcome++];
        GameState& state = game.State();
        state.SeriesWins = int16_t(o.wins);
        state.SeriesLosses = int16_t(o.losses);
        state.SeriesDraws = int16_t(o.draws);
        if (o.cards) o.cards(state);
        continue;
      }
      if (!adv->MessageText().isEmpty() && adv->MessageCursor() == 0) ReadMessage();
      if (adv->CurrentPlace() == -1 || adv->Timer1Interval() == 0) {
        EXPECT_EQ(answer, answers.size()) << "place " << place;
        EXPECT_EQ(outcome, outcomes.size()) << "place " << place;
        return;
      }
      if (adv->Choiser(0).visible) {
        ASSERT_LT(answer, answers.size())
            << "unexpected question: " << adv->MessageText().toStdString();
        adv->Choiser_Click(answers[answer++]);
      } else if (!adv->MessageText().isEmpty()) {
        adv->Picture1_Click();
      }
      adv->Timer1_Timer();
    }
    FAIL() << "the visit to place " << place << " did not end";
  }

  // From the map to the ending along the believer's way, then every message as it was read.
  // Returns how many messages needed more than one page.
  int PlayToTheEnding(const QString& name) {
    // To 風見, the fairy tree (lost there), 風見's fairies, then the square and the ending.
    Visit(1);
    Visit(0, {0}, {Series(2, 0, 1, [](GameState& s) { Move(s, kTakahara, kThePlayer, 12); })});
    Visit(1, {0}, {Series(3, 1, 0, [](GameState& s) {
            for (int k : {kKnightCard, kGolemCard, kGeneralCard}) Move(s, kShindo, 0, k);
          })});
    Visit(2, {0, 0, 0},
          {Series(2, 0, 0, [](GameState& s) { Move(s, kKazami, 0, kFairyCard, 5); })});
    Visit(7, {0, 0}, {Series(0, 2, 0, [](GameState& s) { Move(s, 0, kTakamine, 1); })});
    Visit(7);
    Visit(2);
    Visit(2, {1});
    Visit(7);
    Visit(3);
    Visit(8, {0}, {Series(2, 1)});
    Visit(3, {1});
    Visit(4);
    Visit(3, {0}, {Series(1, 2, 0, [](GameState& s) { Move(s, kYokota, 0, kDemonKingCard); })});
    Visit(4, {0}, {Series(2, 1, 0, [](GameState& s) { Move(s, kTakamine, 0, kHeroCard); })});
    Visit(5, {1});
    Visit(4);
    Visit(0, {0}, {Series(1, 2, 0, [](GameState& s) { Move(s, 0, kTakahara, kHeroCard); })});
    Visit(4);
    Visit(0, {0}, {Series(-1, 0, 0, [](GameState& s) { Move(s, kTakahara, 0, kHeroCard); })});
    Visit(4);
    Visit(5, {0, 0},
          {Series(0, 1), Series(2, 0, 0, [](GameState& s) { Move(s, kTakamine, 0, kHeroCard); })});
    // The shots of the English edition (xvfb_english_shots.sh) walk into the ending from here: a
    // save as if the last series had just been won.
    if (const QByteArray to = qgetenv("KORVANE_SAVE_BEFORE_ENDING"); !to.isEmpty()) {
      GameState won = game.State();
      won.OldHouseStep = 16;  // the step after a won series
      EXPECT_TRUE(SaveStore(QString::fromLocal8Bit(to)).SaveGame(won).ok);
    }
    Visit(5, {0}, {Series(1, 0)});

    // The ending: the story's engine stopped, its last words, the credits drawn in English.
    EXPECT_EQ(game.State().TakamineStep, 114);
    EXPECT_EQ(adv->Timer1Interval(), 0);
    EXPECT_EQ(duelsOpened, 12);
    if (reads.empty()) {
      ADD_FAILURE() << "nothing was read";
      return 0;
    }
    EXPECT_EQ(reads.back().text, QCoreApplication::translate("Story", "めでたしめでたし。"));
    const QFontMetricsF fm = MessageMetrics();
    int drawn = 0;
    for (const PaintOp& op : adv->Picture1Log().Ops()) {
      if (op.kind != PaintOp::Kind::Text) continue;
      ++drawn;
      EXPECT_TRUE(JapaneseIn(op.text).isEmpty()) << op.text.toStdString();
      EXPECT_LE(op.at.x() + fm.horizontalAdvance(op.text), kPictureWidth) << op.text.toStdString();
    }
    EXPECT_EQ(drawn, 8);

    // Every message, as it was read.
    int paged = 0;
    for (const Read& r : reads) {
      EXPECT_TRUE(JapaneseIn(r.text).isEmpty()) << r.text.toStdString();
      QStringList lines;
      for (const QStringList& page : r.pages) {
        EXPECT_LE(page.size(), 3) << r.text.toStdString();
        lines << page;
      }
      for (const QString& line : lines) {
        EXPECT_LE(fm.horizontalAdvance(line), MessageLineWidth(r.boxWidth)) << line.toStdString();
      }
      EXPECT_EQ(lines.join(u' ').simplified(), r.text.simplified()) << "cut short";
      paged += r.pages.size() > 1;
    }
    std::cout << reads.size() << " messages read in English, " << paged
              << " of them over more than one page\n";
    EXPECT_GT(reads.size(), 150u);
    // The player's name in the text without its honorific; in the save with it.
    const auto named = std::count_if(reads.begin(), reads.end(), [&](const Read& r) {
      return r.text.contains(name) && !r.text.contains(QStringLiteral("君")) &&
             !r.text.contains(QStringLiteral("さん"));
    });
    EXPECT_GE(named, 5);
    return paged;
  }

  EnglishInstalled english;
  test::TestGame game;
  ADVKorvane* adv = nullptr;
  int duelsOpened = 0;
  std::vector<Read> reads;
};

TEST_F(EnglishPlaythrough, NewGameToTheEnding) {
  ASSERT_TRUE(english.ok());
  adv->Form_Load();
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("Robin"));
  adv->SetCombo1(QStringLiteral("女"));  // the list's value; the player reads "F"
  adv->Command2_Click();
  ASSERT_TRUE(adv->Picture1Visible());
  EXPECT_EQ(game.State().PlayerName, QStringLiteral("Robinさん"));  // the save's form
  ReadMessage();
  PlayToTheEnding(QStringLiteral("Robin"));
}

// The profile takes names only so long; a save made elsewhere may hold a longer one, and the
// greetings with it then take more than one page.
TEST_F(EnglishPlaythrough, ALongNameFromASaveToTheEnding) {
  ASSERT_TRUE(english.ok());
  const QString name = QStringLiteral(
      "Bartholomew Fitzwilliam Montgomery-Smythe of Lower Wallop, Knight of the Noble Order of "
      "Cards");
  GameState saved;
  NewGameState(saved, name + QStringLiteral("君"), 0);
  ASSERT_TRUE(game->Files().SaveGame(saved).ok);
  adv->Form_Load();
  adv->Command2_Click();  // Continue
  ASSERT_TRUE(adv->Picture1Visible());
  ReadMessage();
  EXPECT_GE(PlayToTheEnding(name), 3);
}

}  // namespace
}  // namespace korvane::testing
