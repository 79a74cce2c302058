// The adventure window for a screen reader: the title's fields by name, the town map's places as
// items of the map with the key cursor as their focus, the portraits by whom they show, and each
// story message said once it has been typed, and each question with its two answers.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "adventure/adv_window.h"
#include "cast/cast.h"
#include "state/game_state.h"
#include "state/language.h"
#include "ui/accessibility.h"
#include "ui/picture_view.h"

namespace korvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

// What a title button does, by the caption the logic gives it.
QString CommandDescription(const QString& caption) {
  if (caption == QStringLiteral("ニューゲーム")) {
    return Tr(QT_TRANSLATE_NOOP("Speech", "名前を決めて、新しく始める"));
  }
  if (caption == QStringLiteral("続きから")) {
    return Tr(QT_TRANSLATE_NOOP("Speech", "セーブしたところから続ける"));
  }
  if (caption == QStringLiteral("始める")) {
    return Tr(QT_TRANSLATE_NOOP("Speech", "このプロフィールで町に出る"));
  }
  if (caption == QStringLiteral("ゲーム説明")) {
    return Tr(QT_TRANSLATE_NOOP("Speech", "ルールを二つの例の対戦で見る"));
  }
  return Tr(QT_TRANSLATE_NOOP("Speech", "オンとオフを切り替える（覚えておく）"));
}

}  // namespace

void ADVKorvaneWindow::BuildAccess() {
  setAccessibleName(QStringLiteral("KORVANE"));
  picture5_->setAccessibleName(QStringLiteral("KORVANE"));
  text1_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Speech", "名前")));
  text1_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "主人公の名前（F6 で文字の一覧から選ぶ）")));
  combo1_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Speech", "性別")));
  // The labels before the fields name them for a screen reader, which reads a box's value.
  label1_->setBuddy(text1_);
  label2_->setBuddy(combo1_);
  language_->setAccessibleDescription(Tr(QT_TRANSLATE_NOOP("Speech", "表示する言葉を切り替える")));
  practice_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "話の進み方に関係なく、会った相手と練習する（F4 キー）")));
  puzzles_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "決まった局面から勝ち筋を探す（F5 キー）")));
  albumButton_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "カードアルバムと対戦成績（A キー）")));
  for (int i = 0; i < 2; ++i) {
    choisers_[i]->setAccessibleDescription(
        Tr(QT_TRANSLATE_NOOP("Speech", "答え%1（%1 キー）")).arg(i + 1));
  }
  AccessibleParts scene;
  scene.name = [this] {
    if (logic_.OnTownMap()) return Tr(QT_TRANSLATE_NOOP("Speech", "町の地図"));
    return logic_.MessageText();
  };
  scene.description = [this] {
    return logic_.OnTownMap() ? Tr(QT_TRANSLATE_NOOP("Speech", "矢印で行き先を選び、Enter で入る"))
                              : Tr(QT_TRANSLATE_NOOP("Speech", "クリックか Enter で先へ進む"));
  };
  MakeAccessible(picture1_, std::move(scene));
  for (int i = 0; i < 9; ++i) {
    AccessibleParts place;
    place.name = [this, i] { return logic_.PlaceText(i); };
    place.description = [] { return Tr(QT_TRANSLATE_NOOP("Speech", "Enter で入る")); };
    place.focused = [this, i] { return mapCursor_ == i; };
    MakeAccessible(clickers_[i], std::move(place));
  }
  AccessibleParts player;
  player.name = [this] { return logic_.State().PlayerName; };
  MakeAccessible(picture2_, std::move(player));
  AccessibleParts other;
  other.name = [this] {
    const int shown = logic_.ShownOppPic();
    const CastMember& who = Cast(shown + 1);
    return PersonNameInEdition(QString::fromUtf8(who.name.data(), int(who.name.size())));
  };
  MakeAccessible(picture4_, std::move(other));
}

void ADVKorvaneWindow::SyncAccess() {
  for (int i = 0; i < 5; ++i) {
    const QString description = CommandDescription(logic_.Command(i + 1).caption);
    if (commands_[i]->accessibleDescription() != description) {
      commands_[i]->setAccessibleDescription(description);
    }
  }
  // A message is said once it stands typed in the box (or its first page does).
  const QString& text = logic_.MessageText();
  const bool typed =
      !text.isEmpty() && (logic_.MessageCursor() >= text.size() || logic_.MessageWaitsForPage());
  if (typed && text != spokenMessage_) {
    spokenMessage_ = text;
    Announcer::Of(this)->Say(text);
    TellChanged(picture1_);
  } else if (text.isEmpty()) {
    spokenMessage_.clear();
  }
  const bool asking = choisers_[0]->isVisible() && choisers_[1]->isVisible();
  if (asking && !spokenChoices_) {
    Announcer::Of(this)->Say(Tr(QT_TRANSLATE_NOOP("Speech", "答えを選ぶ：1 %1、2 %2"))
                                 .arg(choisers_[0]->text(), choisers_[1]->text()));
  }
  spokenChoices_ = asking;
  if (mapCursor_ != spokenMapCursor_ && mapCursor_ >= 0 && mapCursor_ < 9) {
    TellFocus(clickers_[mapCursor_]);
  }
  spokenMapCursor_ = mapCursor_;
}

}  // namespace korvane
