// The English edition's controls as the player sees them at 1x: the real windows are made with
// the translation installed, and every caption of a button, label, frame or list is measured
// against the room its control gives it (a control that another one covers gives only what is
// left uncovered). The title's texts, the sound switches both ways, the profile, the map's
// names, every card's caption in the deck list, and every caption of the duel window.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

#include "adventure/adv_window.h"
#include "adventure/message_lines.h"
#include "duel/korvane_window.h"
#include "sound/fake_sound.h"
#include "state/preferences.h"
#include "state/save_files.h"
#include "tests/adventure/adv_test_support.h"
#include "tests/l10n/l10n_support.h"
#include "ui/card_pictures.h"

namespace korvane::testing {
namespace {

// How wide a control's text may be: the style's room for it, less what shown sibling controls
// laid over it cover on its right.
qreal Room(QWidget* w) {
  qreal room = w->contentsRect().width();
  if (auto* b = qobject_cast<QPushButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    room = c->style()
               ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c)
               .width();
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    room = g->width() - 8;
  }
  if (w->parentWidget()) {
    for (QWidget* sibling : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect s = sibling->geometry();
      if (sibling == w || sibling->isHidden() || !s.intersects(w->geometry()) || s.left() <= w->x())
        continue;
      room = std::min<qreal>(room, s.left() - w->x() - w->contentsMargins().left());
    }
  }
  return room;
}

struct Checked {
  int texts = 0;
  std::string problems;
};

// A text shown by a control: each line's ink ends inside the room; a word-wrapping label's
// words each fit a line and all its lines fit its height. Controls hidden in this state are
// left for the state that shows them.
void Measure(QWidget* w, const QString& text, Checked* out) {
  if (w->isHidden() || text.trimmed().isEmpty()) return;
  const QFontMetricsF fm(w->font());
  const qreal room = Room(w);
  auto tell = [&](const QString& what, qreal need, qreal have) {
    out->problems += "\n  " + w->objectName().toStdString() + ": \"" + what.toStdString() +
                     "\" needs " + std::to_string(int(std::ceil(need))) + " px of " +
                     std::to_string(int(have));
  };
  auto* label = qobject_cast<QLabel*>(w);
  for (const QString& line : text.split(u'\n')) {
    ++out->texts;
    const QStringList pieces =
        label && label->wordWrap() ? line.split(u' ', Qt::SkipEmptyParts) : QStringList{line};
    for (const QString& piece : pieces) {
      const qreal ink = fm.tightBoundingRect(piece).right();
      if (ink > room) tell(piece, ink, room);
    }
  }
  if (label && label->wordWrap()) {
    const QRectF need = fm.boundingRect(QRectF(0, 0, room, 100000), Qt::TextWordWrap, text);
    if (need.height() > w->contentsRect().height())
      tell(text, need.height(), w->contentsRect().height());
  }
  // The language switch names the Japanese edition in Japanese, on purpose.
  if (w->objectName() != u"Language" && !JapaneseIn(text).isEmpty()) {
    out->problems +=
        "\n  " + w->objectName().toStdString() + ": \"" + text.toStdString() + "\" is not English";
  }
}

void MeasureAll(QWidget* window, Checked* out) {
  for (QPushButton* b : window->findChildren<QPushButton*>()) Measure(b, b->text(), out);
  for (QLabel* l : window->findChildren<QLabel*>()) {
    if (l->pixmap().isNull()) Measure(l, l->text(), out);
  }
  for (QGroupBox* g : window->findChildren<QGroupBox*>()) Measure(g, g->title(), out);
  for (QComboBox* c : window->findChildren<QComboBox*>()) {
    for (int i = 0; i < c->count(); ++i) Measure(c, c->itemText(i), out);
  }
}

}  // namespace

namespace {

class EnglishViews : public AdventureTest {
 protected:
  EnglishInstalled english;
};

TEST_F(EnglishViews, TheAdventureWindowsTextsFitTheirControls) {
  ASSERT_TRUE(english.ok());
  GameState saved;
  NewGameState(saved, QStringLiteral("Robin君"), 0);
  WriteSave(saved);  // so that the title offers "Continue"
  adv->Form_Load();
  ADVKorvaneWindow window(*adv);
  window.ChooseLanguage = [](const QString&) { return true; };
  window.Sync();
  Checked checked;
  MeasureAll(&window, &checked);  // title: Continue, the switches ON
  EXPECT_EQ(window.findChild<QPushButton*>("Command2")->text(), "Continue");
  adv->Command4_Click();
  adv->Command5_Click();
  adv->Command1_Click();  // the profile: Start, the frame, its labels and the list of sexes
  window.Sync();
  MeasureAll(&window, &checked);  // switches OFF
  EXPECT_EQ(window.findChild<QPushButton*>("Command4")->text(), "Music: OFF");
  EXPECT_EQ(sound->Switches().MusicCaption, QStringLiteral("音楽：ＯＦＦ"));  // stored as it was

  // The map's names in the map's message box: each on one line.
  const QFontMetricsF fm = MessageMetrics();
  const qreal line = MessageLineWidth(kMessageLabelMap.Pixels().width());
  std::vector<QString> names{WhereToGo()};
  for (int sex : {0, 1}) {
    state.PlayerSex = int16_t(sex);
    for (int place = 0; place < 9; ++place) names.push_back(adv->PlaceText(place));
  }
  for (const QString& name : names) {
    ++checked.texts;
    EXPECT_LE(fm.horizontalAdvance(name), line) << name.toStdString();
    EXPECT_TRUE(JapaneseIn(name).isEmpty()) << name.toStdString();
  }
  EXPECT_GE(checked.texts, 25);
  EXPECT_TRUE(checked.problems.empty()) << checked.problems;
}

TEST_F(EnglishViews, TheDuelWindowsTextsFitTheirControls) {
  ASSERT_TRUE(english.ok());
  std::string error;
  std::optional<CardTable> cards = CardTable::Open(KORVANE_DATA_DIR "/carddata", &error);
  ASSERT_TRUE(cards) << error;
  CardPictures pictures(&*cards);
  SeededRandom rng(3);
  Korvane duel(state, *sound, *cards, platform, rng, pictures);
  duel.UseAnalyst = false;
  state.OpponentName = QStringLiteral("真道 祐樹");
  for (auto& count : state.Collections[0]) count = 99;  // the widest count under every card
  auto window = std::make_unique<KorvaneWindow>(duel);
  Checked checked;
  // The deck list page by page: every card's name with its count.
  for (int page : {0, 14, 28}) {
    duel.VScroll1_Change(page);
    window->Mirror();
    MeasureAll(window.get(), &checked);
  }
  // Five cards chosen: the buttons to start and to choose again.
  duel.Ctl.Command1.Visible = duel.Ctl.Command2.Visible = true;
  window->Mirror();
  MeasureAll(window.get(), &checked);
  // A duel settled: the series so far (at its widest) and the way out; then too few cards.
  duel.Ctl = DesignLayout();
  duel.Ctl.Label1.Visible = duel.Ctl.Command4.Visible = true;
  for (const QString& caption :
       {QCoreApplication::translate("Duel", "現在%1勝%2敗").arg(99).arg(99),
        QCoreApplication::translate("Duel", "カードが足りません。")}) {
    duel.Ctl.Label1.Caption = caption;
    window->Mirror();
    MeasureAll(window.get(), &checked);
  }
  // The enemy thinking on the board; the tutorial's button and text.
  duel.Ctl = DesignLayout();
  duel.Ctl.Field.Visible = duel.Ctl.Thinking.Visible = true;
  duel.Ctl.LButton.Visible = duel.Ctl.LText.Visible = true;
  window->Mirror();
  MeasureAll(window.get(), &checked);
  EXPECT_GE(checked.texts, 40 * 2 + 8);
  EXPECT_TRUE(checked.problems.empty()) << checked.problems;
}

// The title's switch: a click puts the title into English at once, F3 back into Japanese; each
// choice is remembered alone in the preferences; the logic keeps its Japanese values throughout.
class TitleSwitch : public AdventureTest {};

TEST_F(TitleSwitch, TheTitleChangesAtOnceAndRemembers) {
  Edition edition{QStringLiteral(KORVANE_DATA_DIR)};
  const PreferenceStore preferences(QDir(dir.path()).filePath(QStringLiteral("preferences.ini")));
  {
    QSettings ini(preferences.Path(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("view/zoom"), 1.5);
  }
  adv->Form_Load();
  ADVKorvaneWindow window(*adv);
  window.ChooseLanguage = [&](const QString& language) {
    const bool used = edition.Use(language);
    if (used) preferences.SaveLanguage(language);
    return used;
  };
  window.show();
  window.Sync();
  auto* language = window.findChild<QPushButton*>(QStringLiteral("Language"));
  auto* command1 = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
  ASSERT_TRUE(language && command1 && combo);
  ASSERT_TRUE(language->isVisible());
  adv->Command1_Click();  // the profile, with the second sex chosen
  window.Sync();
  combo->setCurrentIndex(1);

  const struct {
    bool byKey;
    const char* command1;
    const char* frame;
    const char* sex;
    const char* switchTo;
    const char* remembered;
    const char* album;  // the map's album button, made with the window
  } steps[] = {
      {false, "New Game", "Your profile", "F", "日本語", "en", "Album"},
      {true, "ニューゲーム", "自分のプロフィール", "女", "English", "ja", "アルバム"},
      {false, "New Game", "Your profile", "F", "日本語", "en", "Album"},
  };
  for (const auto& s : steps) {
    if (s.byKey) {
      QTest::keyClick(&window, Qt::Key_F3);
    } else {
      QTest::mouseClick(language, Qt::LeftButton);
    }
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("Command2"))->text(),
              QCoreApplication::translate("Title", "始める"));
    EXPECT_EQ(command1->text(), QString::fromUtf8(s.command1));  // hidden, but ready
    EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QString::fromUtf8(s.frame));
    EXPECT_EQ(combo->currentText(), QString::fromUtf8(s.sex));
    EXPECT_EQ(language->text(), QString::fromUtf8(s.switchTo));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("AlbumButton"))->text(),
              QString::fromUtf8(s.album));
    EXPECT_EQ(adv->Combo1(), QStringLiteral("女"));
    EXPECT_EQ(adv->Command(2).caption, QStringLiteral("始める"));
    EXPECT_EQ(preferences.Load().language, QString::fromUtf8(s.remembered));
    EXPECT_EQ(preferences.Load().zoom, 1.5);
  }
  // Once the game has begun, the title and its switch are gone.
  adv->SetText1(QStringLiteral("Robin"));
  adv->Command2_Click();
  window.Sync();
  EXPECT_FALSE(language->isVisible());
  QTest::keyClick(&window, Qt::Key_F3);
  EXPECT_TRUE(EnglishEdition());
  EXPECT_EQ(state.PlayerName, QStringLiteral("Robinさん"));
}

}  // namespace
}  // namespace korvane::testing
