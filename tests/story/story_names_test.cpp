// The player's name in the story: every table text that shows it fits the message box at the
// profile's limit, and the master mark never makes a long loaded name unsaveable.
#include <gtest/gtest.h>

#include "adventure/adv_layout.h"
#include "adventure/story/player_name.h"
#include "adventure/story/script_host.h"
#include "adventure/story/script_table.h"
#include "state/save_image.h"
#include "tests/story/story_driver.h"

namespace korvane::story {
namespace {

// At the limit every text fits the box whatever the sex and with the mark; one more character
// pushes at least one of them over.
TEST(StoryNames, EveryTextWithTheNameFitsAtTheProfilesLimit) {
  const std::vector<NameText> texts = TextsWithName();
  ASSERT_GE(texts.size(), 9u);  // 高原 ×3, 横田, 高峰 ×2, the tree, the ending ×2
  const int limit = NameLengthLimit();
  EXPECT_EQ(limit, 15);  // 高峰's certificate: "※" + name + 50 characters around it
  for (int extra : {0, 1}) {
    int longest = 0;
    for (int sex : {0, 1}) {
      for (bool master : {false, true}) {
        GameState g;
        g.PlayerSex = static_cast<int16_t>(sex);
        g.PlayerName = (master ? QStringLiteral("※") : QString()) +
                       QString(limit + extra, QChar(u'名')) +
                       (sex == 0 ? QStringLiteral("君") : QStringLiteral("さん"));
        for (const NameText& t : texts) {
          const int shown = ShownLength(t, g);
          longest = std::max(longest, shown);
          if (extra == 0) {
            EXPECT_LE(shown, kShownCharacters)
                << "place " << t.place << " step " << t.step << ": " << t.text.toStdString();
          }
        }
      }
    }
    if (extra == 1) {
      EXPECT_GT(longest, kShownCharacters);
    }
  }
}

// The fairy tree's step 21 puts "※" in front of a name loaded from a save made elsewhere. A
// name that leaves no room for it is shortened before its honorific, the player is told, and
// the game can still be saved.
TEST(StoryNames, MasterMarkOnALongLoadedNameKeepsTheGameSaveable) {
  struct Case {
    QString name;
    int sex;
    QString marked;
  };
  const Case cases[] = {
      {QStringLiteral("太郎君"), 0, QStringLiteral("※太郎君")},
      // 62 full-width characters and "君" fill the 126 bytes of the record.
      {QString(62, QChar(u'長')) + QStringLiteral("君"), 0,
       QStringLiteral("※") + QString(61, QChar(u'長')) + QStringLiteral("君")},
      {QString(61, QChar(u'長')) + QStringLiteral("さん"), 1,
       QStringLiteral("※") + QString(60, QChar(u'長')) + QStringLiteral("さん")},
      // Half-width characters take one byte each: two of them make room.
      {QString(124, QChar(u'a')) + QStringLiteral("君"), 0,
       QStringLiteral("※") + QString(122, QChar(u'a')) + QStringLiteral("君")},
      // Room for exactly the mark: nothing is cut.
      {QString(61, QChar(u'長')) + QStringLiteral("君"), 0,
       QStringLiteral("※") + QString(61, QChar(u'長')) + QStringLiteral("君")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    testing::StoryDriver d(c.name, c.sex);
    QString why;
    ASSERT_TRUE(EncodeSaveImage(d.g, false, &why)) << why.toStdString();
    d.g.FairyTreeStep = 21;
    ASSERT_TRUE(RunPlaceStep(7, d.host));
    EXPECT_EQ(d.g.PlayerName, c.marked);
    EXPECT_TRUE(EncodeSaveImage(d.g, false, &why)) << why.toStdString();
    const bool shortened = c.marked.size() != c.name.size() + 1;
    const auto told = std::count_if(d.host.log.begin(), d.host.log.end(),
                                    [](const testing::Event& e) { return e.kind == "tell"; });
    EXPECT_EQ(told, shortened ? 1 : 0);
    if (shortened) {
      EXPECT_TRUE(d.host.log.back().text.contains(c.marked));
    }
    EXPECT_EQ(BareName(d.g), c.marked.left(c.marked.size() - 1 - c.sex));
  }
}

}  // namespace
}  // namespace korvane::story
