// The English edition's message box: texts broken between words to the box's width, and a text
// longer than three lines shown page by page, each page after a click. Then a whole game, from
// the title to the ending, played through the real engine in English.
#include <QRegularExpression>

#include "adventure/message_lines.h"
#include "adventure/story/conditions.h"
#include "tests/adventure/adv_test_support.h"
#include "tests/l10n/l10n_support.h"

namespace korvane::testing {
namespace {

using namespace korvane::story;

QString Text(const QString& text, TextSpan s) { return text.mid(s.start, s.end - s.start); }

TEST(EnglishMessages, WrapWordsBreaksBetweenWordsWithinTheWidth) {
  const QFontMetricsF fm = MessageMetrics();
  const QString longWord = QStringLiteral("Bartholomew-Fitzwilliam-Montgomery-Smythe");
  const struct {
    QString text;
    qreal width;
    int lines;  // -1: not pinned
  } cases[] = {
      {QStringLiteral("Where should I go?"), 429, 1},
      {QStringLiteral("Where should I go?"), fm.horizontalAdvance(QStringLiteral("Where should")),
       2},
      {QStringLiteral("  two   spaces  "), 429, 1},
      {QStringLiteral("Hello,\nworld"), 429, 2},
      {longWord, 120, -1},  // a word wider than the box is cut between letters
      {QStringLiteral("Hi ") + longWord + QStringLiteral(" there"), 120, -1},
      {QString(), 429, 0},
      {QStringLiteral("Welcome! I'm Shindo Yuki. I'm totally into cards right now. They're all "
                      "the rage around here. Robin, do you want a duel? I'll go easy on you."),
       429, 4},
  };
  for (const auto& c : cases) {
    const std::vector<TextSpan> lines = WrapWords(c.text, fm, c.width);
    if (c.lines >= 0) {
      EXPECT_EQ(int(lines.size()), c.lines) << c.text.toStdString();
    }
    QString words;
    for (size_t k = 0; k < lines.size(); ++k) {
      const QString line = Text(c.text, lines[k]);
      EXPECT_LE(fm.horizontalAdvance(line), c.width) << line.toStdString();
      EXPECT_FALSE(line.startsWith(u' ') || line.endsWith(u' ')) << line.toStdString();
      if (k > 0) {
        EXPECT_LE(lines[k - 1].end, lines[k].start);
      }
      // Greedy: a line broken at a space could not have taken the next word.
      if (k + 1 < lines.size() && c.text.at(lines[k].end) == u' ') {
        const int next = lines[k + 1].start;
        const int nextEnd = int(c.text.indexOf(QRegularExpression(QStringLiteral("[ \\n]")), next));
        EXPECT_GT(fm.horizontalAdvance(c.text.mid(
                      lines[k].start, (nextEnd < 0 ? c.text.size() : nextEnd) - lines[k].start)),
                  c.width)
            << line.toStdString();
      }
      words += line;
    }
    // Nothing is lost but the spaces and line feeds where lines were broken.
    QString expected = c.text;
    expected.remove(u' ').remove(u'\n');
    EXPECT_EQ(words.remove(u' '), expected) << c.text.toStdString();
  }
}

// A place whose first step says one long thing, then asks.
QString LongSpeech() {
  QStringList words;
  for (int i = 1; i <= 60; ++i) words << QStringLiteral("word%1").arg(i);
  return words.join(u' ');
}

class EnglishEngine : public AdventureTest {
 protected:
  // Ticks until the message is typed to its end or to the end of a page; returns the lines the
  // box shows then.
  QStringList TypePage() {
    for (int i = 0; i < 2000 && adv->MessageLabelCaption() != adv->MessageText() &&
                    !adv->MessageWaitsForPage();
         ++i) {
      Tick();
    }
    QStringList shown;
    for (const auto& [at, text] : adv->Picture1Log().Lines().lines) shown << text;
    return shown;
  }
  EnglishInstalled english;
};

TEST_F(EnglishEngine, ALongMessageGoesOnPageByPage) {
  ASSERT_TRUE(english.ok());
  adv->SetStepRunner([](int place, ScriptHost& host) {
    if (place != 1 || host.State().ShindoStep != 0) return false;
    host.ShowSpeech(LongSpeech());
    host.ShowChoices(QStringLiteral("Yes"), QStringLiteral("No"));
    return true;
  });
  StartNewGame(QStringLiteral("Robin"));
  adv->Clicker_Click(1);
  Tick();
  ASSERT_EQ(adv->MessageText(), LongSpeech());
  const std::vector<TextSpan> all = WrapWords(
      LongSpeech(), MessageMetrics(), MessageLineWidth(adv->MessageLabelRect().Pixels().width()));
  ASSERT_GT(all.size(), 6u);  // three pages at least

  QStringList seen;
  int pages = 0;
  for (; pages < 10; ++pages) {
    const QStringList lines = TypePage();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_LE(lines.size(), 3);
    // Each line where the box puts it, the page's lines in order.
    for (int k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k], Text(LongSpeech(), all[3 * pages + k]));
      EXPECT_EQ(adv->Picture1Log().Lines().lines[k].first.y(),
                (adv->MessageLabelRect().top + kLineOffsetTwips[k]) / kTwipsPerPixel);
    }
    seen << lines;
    if (!adv->MessageWaitsForPage()) break;
    // Typing waits; the choices are up but the click on the picture turns the page.
    EXPECT_NE(adv->MessageLabelCaption(), adv->MessageText());
    Tick(5);
    EXPECT_TRUE(adv->MessageWaitsForPage());
    adv->Picture1_Click();
    EXPECT_FALSE(adv->MessageWaitsForPage());
    EXPECT_TRUE(adv->Picture1Log().Lines().lines.empty());  // the box is empty again
    EXPECT_EQ(adv->MessagePageFirstLine(), 3 * (pages + 1));
  }
  EXPECT_EQ(pages + 1, int(all.size() + 2) / 3);
  EXPECT_EQ(seen.join(u' '), LongSpeech());  // every word, none cut
  EXPECT_EQ(adv->MessageLabelCaption(), adv->MessageText());
  // The last page ends the message as the Japanese box does: the choice takes it away.
  adv->Picture1_Click();
  EXPECT_EQ(adv->MessageText(), LongSpeech());
  adv->Choiser_Click(0);
  EXPECT_TRUE(adv->MessageText().isEmpty());
}

TEST_F(EnglishEngine, ShortMessagesAndTheMapAreAsBefore) {
  ASSERT_TRUE(english.ok());
  StartNewGame(QStringLiteral("Robin"));
  EXPECT_EQ(adv->MessageText(), QStringLiteral("Where should I go?"));
  EXPECT_EQ(TypePage(), QStringList{QStringLiteral("Where should I go?")});
  EXPECT_FALSE(adv->MessageWaitsForPage());
  adv->Clicker_MouseMove(1);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("Shindo's house"));
  // A click while typing does nothing; a click after it dismisses.
  Tick(2);
  adv->Picture1_Click();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("Shindo's house"));
  TypePage();
  adv->Picture1_Click();
  EXPECT_TRUE(adv->MessageText().isEmpty());
  // The stored name keeps its honorific; the stored switch captions stay Japanese.
  EXPECT_EQ(state.PlayerName, QStringLiteral("Robin君"));
  EXPECT_EQ(sound->Switches().MusicCaption, QStringLiteral("音楽：ＯＮ"));
}

}  // namespace
}  // namespace korvane::testing
