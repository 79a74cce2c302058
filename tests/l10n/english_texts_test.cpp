// The English edition's texts: with the translation installed every text of the story, the
// ending, the tutorial and the card table reads in English, keeps its placeholders and names the
// cards as the card table does; the player's name shows without its honorific.
#include <QCoreApplication>
#include <QRegularExpression>
#include <map>

#include "adventure/story/ending.h"
#include "duel/tutorial.h"
#include "tests/l10n/l10n_support.h"
#include "tests/story/story_driver.h"

namespace korvane::testing {
namespace {

QString StoryTranslation(const char* source) {
  return QCoreApplication::translate("Story", source);
}

// The tutorial as the player reads it: the texts of the text box and the example captions.
class TextStage : public TutorialStage {
 public:
  void ShowText(const QString& text) override { texts.push_back(text); }
  void ShowExampleList(std::span<const ExampleListCard> cards) override {
    for (const ExampleListCard& c : cards) texts.push_back(ExampleCaption(c));
  }
  void StartFirstExample(const ExampleHands&) override {}
  void StartSecondExample(const ExampleHands&) override {}
  void PlayerMove(int, int, int) override {}
  void SetTurn(TurnState) override {}
  void EnemyMove(int, int, int) override {}
  void CloseWindow() override {}
  std::vector<QString> texts;
};

TEST(EnglishEdition, EveryTextThePlayerReadsIsEnglish) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  GameState g;
  g.PlayerName = QStringLiteral("Robin君");
  g.SeriesWins = 2;
  g.SeriesLosses = 1;

  // Each shown text with where it comes from.
  std::vector<std::pair<std::string, QString>> shown;
  for (const TableText& t : StoryTableTexts()) {
    shown.push_back({"place " + std::to_string(t.place) + " step " + std::to_string(t.step),
                     story::ShownText(t.source, g)});
  }
  shown.push_back({"result", story::ResultLine(g)});
  shown.push_back({"notice", story::NoticeText(QStringLiteral("x"))});
  shown.push_back({"own house", story::PlayerHouseQuestion()});
  shown.push_back({"own house", story::QuitChoice()});
  shown.push_back({"own house", story::NotYetChoice()});
  RecordingHost host(g);
  for (int card : {0, 2}) g.Collections[0][card] = 0;
  shown.push_back({"ending list", story::MissingCardsText(g, host)});
  TextStage stage;
  for (int page = 1; page <= kTutorialPages; ++page) stage.Perform(page);
  EXPECT_EQ(stage.texts.size(), size_t(kTutorialTexts + kExampleList.size()));
  for (const QString& t : stage.texts) shown.push_back({"tutorial", t});
  shown.push_back({"tutorial", TutorialOpeningText()});
  for (const char* person :
       {"高原 良絵", "真道 祐樹", "風見 誠", "横田 真央", "高峰 武", "速水 結"}) {
    shown.push_back({person, PersonNameInEdition(QString::fromUtf8(person))});
  }
  for (const CardRecord& card : CardTableSource()) {
    const QString name = CardNameInEdition(QString::fromStdString(card.name));
    EXPECT_EQ(name.toStdString(), card.englishName) << card.name;
    shown.push_back({card.name, name});
  }

  ASSERT_GT(shown.size(), 300u);
  for (const auto& [where, text] : shown) {
    EXPECT_FALSE(text.trimmed().isEmpty()) << where;
    EXPECT_TRUE(JapaneseIn(text).isEmpty())
        << where << ": \"" << text.toStdString() << "\" keeps " << JapaneseIn(text).toStdString();
  }
  // The figures of the result line come through in their order.
  EXPECT_TRUE(story::ResultLine(g).contains(QRegularExpression("2\\D+1\\D+0")))
      << story::ResultLine(g).toStdString();
}

TEST(EnglishEdition, PlaceholdersSurviveTranslation) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  const QRegularExpression placeholder(QStringLiteral("\\{[a-z]+\\}"));
  auto count = [&](const QString& text) {
    std::map<QString, int> found;
    for (const auto& m : placeholder.globalMatch(text)) ++found[m.captured()];
    return found;
  };
  int withName = 0;
  for (const TableText& t : StoryTableTexts()) {
    std::map<QString, int> want = count(QString::fromUtf8(t.source));
    std::map<QString, int> got = count(StoryTranslation(t.source));
    // English needs no word for "僕"/"私" where Japanese says "my": it may drop {pronoun}.
    if (!got.contains(QStringLiteral("{pronoun}"))) want.erase(QStringLiteral("{pronoun}"));
    EXPECT_EQ(got, want) << t.source;
    withName += want.contains(QStringLiteral("{name}"));
  }
  EXPECT_GE(withName, 7);
  for (const char* pattern : {"今回の戦績は%1勝%2敗%3引き分けだった。", "『%1』"}) {
    const QString english = StoryTranslation(pattern);
    for (const char* arg : {"%1", "%2", "%3"}) {
      EXPECT_EQ(english.contains(QLatin1String(arg)), QString::fromUtf8(pattern).contains(arg))
          << pattern << " " << arg;
    }
  }
}

TEST(EnglishEdition, NameShowsWithoutItsHonorific) {
  const struct {
    const char* stored;
    int sex;
    const char* english;
  } cases[] = {
      {"Robin君", 0, "Robin"},
      {"Alexさん", 1, "Alex"},
      {"※Robin君", 0, "※Robin"},      // a master keeps the mark
      {"けんさん君", 0, "けんさん"},  // only the honorific the profile added
      {"Mia", 1, "Mia"},              // none to take off
      {"君", 0, "君"},                // nothing would be left
  };
  for (const auto& c : cases) {
    const QString stored = QString::fromUtf8(c.stored);
    QString english;
    {
      EnglishInstalled installed;
      ASSERT_TRUE(installed.ok());
      StoryDriver d(stored, c.sex);
      ASSERT_TRUE(RunPlaceStep(0, d.host));  // 高原 greets the player by name
      english = d.host.log.back().text;
      EXPECT_EQ(english, StoryTranslation(story::ScriptOf(0)->entries[0].clauses[0].actions[0].text)
                             .replace(QStringLiteral("{name}"), QString::fromUtf8(c.english)))
          << c.stored;
      EXPECT_EQ(d.g.PlayerName, stored);  // the save keeps the name as typed
    }
    // The Japanese edition shows the name as stored.
    StoryDriver d(stored, c.sex);
    ASSERT_TRUE(RunPlaceStep(0, d.host));
    EXPECT_TRUE(d.host.log.back().text.contains(QStringLiteral("い。") + stored + "よね"))
        << d.host.log.back().text.toStdString();
  }
}

// A card the story names in 「」 is called in English what the card table calls it.
TEST(EnglishEdition, StoryNamesCardsAsTheCardTableDoes) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  std::map<QString, QString> englishOf;
  for (const CardRecord& card : CardTableSource()) {
    englishOf[QString::fromStdString(card.name)] = QString::fromStdString(card.englishName);
  }
  const QRegularExpression bracketed(QStringLiteral("「([^」｣]+)[」｣]"));
  int named = 0;
  for (const TableText& t : StoryTableTexts()) {
    for (const auto& m : bracketed.globalMatch(QString::fromUtf8(t.source))) {
      const auto card = englishOf.find(m.captured(1));
      if (card == englishOf.end()) continue;
      ++named;
      EXPECT_TRUE(StoryTranslation(t.source).contains(card->second))
          << t.source << " should name " << card->second.toStdString();
    }
  }
  EXPECT_GE(named, 20);
}

TEST(EnglishEdition, EndingListsTheMissingCardsByTheirEnglishNames) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  GameState g;
  g.PlayerName = QStringLiteral("Robin君");
  RecordingHost host(g);
  const std::vector<CardRecord> cards = CardTableSource();
  for (size_t k = 0; k < cards.size(); ++k) {
    host.cardNames[int(k)] = QString::fromStdString(cards[k].name);
  }
  const struct {
    bool master;
    std::vector<int> missing;
    QString list;
  } cases[] = {
      {false, {0, 2}, QStringLiteral("Fairy, Goblin.")},
      {true, {38}, QStringLiteral("Behemoth.")},
      // Nothing obtainable is missing.
      {false, {33, 34, 35, 38}, StoryTranslation("ありません。")},
      {false, {1, 3, 5, 7, 9, 11, 13}, StoryTranslation("・・・いっぱいあります。")},
  };
  for (const auto& c : cases) {
    for (auto& count : g.Collections[0]) count = 1;
    for (int k : c.missing) g.Collections[0][k] = 0;
    g.PlayerName = c.master ? QStringLiteral("※Robin君") : QStringLiteral("Robin君");
    EXPECT_EQ(story::MissingCardsText(g, host), c.list);
  }
}

}  // namespace
}  // namespace korvane::testing
