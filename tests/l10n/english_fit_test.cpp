// Whether the English fits where the Japanese stood, each text rendered with the game's faces at
// 1x and measured: the message box's three lines, the choice buttons, the ending's lines on the
// picture and the tutorial's text box.
#include "tests/l10n/english_fit.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QImage>
#include <iostream>

#include "adventure/adv_layout.h"
#include "adventure/story/ending.h"
#include "duel/tutorial.h"
#include "tests/l10n/l10n_support.h"
#include "ui/fonts.h"

namespace korvane::testing {
namespace {

// Text as the windows draw it at 1x: 96 dots per inch, like the picture surface.
QFontMetricsF Metrics(const QString& family, double points) {
  static const QImage surface(1, 1, QImage::Format_RGB32);
  QFont font(family);
  font.setPointSizeF(points);
  EXPECT_EQ(QFontInfo(font).family(), family) << "font not installed";
  return QFontMetricsF(font, &surface);
}

QFontMetricsF PixelMetrics(const QString& family, int pixels) {
  static const QImage surface(1, 1, QImage::Format_RGB32);
  QFont font(family);
  font.setPixelSize(pixels);
  return QFontMetricsF(font, &surface);
}

// A name as long as most players type, so that "{name}" takes room as in play.
GameState Player() {
  GameState g;
  g.PlayerName = QStringLiteral("Alexander君");
  g.SeriesWins = 10;
  g.SeriesLosses = 10;
  g.SeriesDraws = 10;
  return g;
}

// The message box in a place: three lines as wide as the box. Texts longer than that are
// listed with their line counts; the English edition will continue them on the next click.
TEST(EnglishFit, StoryTextsFitTheMessageBox) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  const QFontMetricsF fm = Metrics(HandwritingFamily(), kMessagePointSize);
  const qreal width = kMessageLabelPlaceWidth / kTwipsPerPixel;
  const GameState g = Player();

  std::vector<QString> texts;
  for (const TableText& t : StoryTableTexts()) {
    const QString shown = story::ShownText(t.source, g);
    if (t.op == story::Op::kNotice) texts.push_back(story::NoticeText(shown));
    if (t.op == story::Op::kSpeech || t.op == story::Op::kMessage) texts.push_back(shown);
  }
  texts.push_back(story::NoticeText(story::ResultLine(g)));
  texts.push_back(story::PlayerHouseQuestion());

  int overLong = 0;
  int most = 0;
  for (const QString& text : texts) {
    const QStringList lines = WrapWords(text, fm, width);
    most = std::max<int>(most, lines.size());
    if (lines.size() <= 3) continue;
    ++overLong;
    std::cout << "  " << lines.size() << " lines: " << text.toStdString() << "\n";
  }
  std::cout << overLong << " of " << texts.size() << " English story texts need more than three "
            << "lines of " << width << " px; the longest needs " << most << "\n";
  ::testing::Test::RecordProperty("texts_over_three_lines", overLong);
  EXPECT_EQ(overLong, 0);
}

// Each choice caption on one line of its button, clear of the button's edges.
TEST(EnglishFit, ChoiceCaptionsFitTheirButtons) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  const QFontMetricsF fm = Metrics(HandwritingFamily(), kChoicePointSize);
  const qreal room = kChoiserRects[0].Pixels().width() - 12;
  const GameState g = Player();
  std::vector<QString> captions{story::QuitChoice(), story::NotYetChoice()};
  for (const TableText& t : StoryTableTexts()) {
    if (t.op == story::Op::kChoices) captions.push_back(story::ShownText(t.source, g));
  }
  for (const QString& c : captions) {
    EXPECT_LE(fm.horizontalAdvance(c), room) << c.toStdString();
  }
}

// The ending draws its lines from x = 500 twips to the picture's right edge. The list of
// missing cards is cut by its length: every list short enough to be shown must fit.
TEST(EnglishFit, EndingLinesFitThePicture) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  const QFontMetricsF fm = Metrics(HandwritingFamily(), kMessagePointSize);
  const qreal room = kPictureWidth - story::kEndingX / kTwipsPerPixel;
  const GameState g = Player();
  for (const TableText& t : StoryTableTexts()) {
    if (t.op != story::Op::kDrawText) continue;
    const QString line = story::ShownText(t.source, g);
    EXPECT_LE(fm.horizontalAdvance(line), room) << line.toStdString();
  }
  // Every list of card names, in identifier order, short enough to be shown. A list is as
  // wide as its parts: the face has no kerning across ", " (checked on the widest list).
  std::vector<QString> names;
  std::vector<qreal> widths;
  for (const CardRecord& card : CardTableSource()) {
    names.push_back(QString::fromStdString(card.englishName));
    widths.push_back(fm.horizontalAdvance(names.back()));
  }
  const qreal comma = fm.horizontalAdvance(QStringLiteral(", "));
  const qreal stop = fm.horizontalAdvance(QStringLiteral("."));
  const qsizetype limit = 48;  // the English list's longest length, in characters
  qreal widest = 0;
  std::vector<size_t> widestList;
  std::vector<size_t> list;
  std::function<void(size_t, qsizetype, qreal)> extend = [&](size_t from, qsizetype length,
                                                             qreal width) {
    for (size_t k = from; k < names.size(); ++k) {
      const qsizetype l = length + (list.empty() ? 0 : 2) + names[k].size();
      if (l + 1 > limit) continue;
      const qreal w = width + (list.empty() ? 0 : comma) + widths[k];
      list.push_back(k);
      if (w + stop > widest) {
        widest = w + stop;
        widestList = list;
      }
      extend(k + 1, l, w);
      list.pop_back();
    }
  };
  extend(0, 0, 0);
  QStringList parts;
  for (size_t k : widestList) parts << names[k];
  const QString shown = parts.join(QStringLiteral(", ")) + u'.';
  std::cout << "widest list of missing cards: " << widest << " px of " << room << ": "
            << shown.toStdString() << "\n";
  EXPECT_NEAR(fm.horizontalAdvance(shown), widest, 1.0);
  EXPECT_LE(widest, room) << shown.toStdString();
}

// The tutorial's text box (425 x 33 pixels in the duel window) takes a smaller size of its face
// for long texts, down to 9 pixels; every English text must fit at one of them.
TEST(EnglishFit, TutorialTextsFitTheirBox) {
  EnglishInstalled english;
  ASSERT_TRUE(english.ok());
  std::vector<QString> texts{TutorialOpeningText()};
  for (const TutorialStep& s : TutorialScript()) {
    if (s.kind == TutorialStepKind::Text)
      texts.push_back(QCoreApplication::translate("Tutorial", s.text));
  }
  for (const QString& text : texts) {
    int fitsAt = 0;
    for (int pixels = 12; pixels >= 9 && fitsAt == 0; --pixels) {
      const QFontMetricsF fm = PixelMetrics(GothicFamily(), pixels);
      const QStringList lines = WrapWords(text, fm, 425 - 4);
      if (lines.size() * fm.lineSpacing() <= 33) fitsAt = pixels;
    }
    EXPECT_NE(fitsAt, 0) << text.toStdString();
  }
}

}  // namespace
}  // namespace korvane::testing
