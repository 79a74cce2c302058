// The adventure window's keyboard. Every key stands for a click and goes through that click's
// handler; a key for a control that is hidden does nothing, as a click cannot reach it.
//
//   title      Tab and Shift+Tab move through name, sex, buttons and switches (Qt's own focus
//              chain); Enter or Space press the button with the focus
//   map        arrows or Tab choose a place (its name shows, as when pointing at it), Enter
//              goes in, A opens the album (its button), M shows or hides the map's marks
//   dialogue   Space or Enter go on (a click on the picture)
//   choices    1 and 2 take an answer at once; arrows select one; Enter or Space take the
//              selected answer, and the first of them on a new question only shows the selection
//   window     Esc closes as the close button does; F1 shows the keys; F3 switches between the
//              Japanese and the English edition while the title shows
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cstdlib>

#include "adventure/adv_window.h"
#include "ui/key_help.h"

namespace korvane {
namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

QString AdventureKeyHelp() {
  return KeyTable({
      {nullptr, QCoreApplication::translate("Keys", "タイトル")},
      {"Tab / Shift + Tab",
       QCoreApplication::translate("Keys", "名前、性別、ボタン、スイッチの順に移る")},
      {"Enter / Space", QCoreApplication::translate("Keys", "選んだボタンを押す")},
      {"F3", QCoreApplication::translate("Keys", "English / 日本語 の切り替え")},
      {"F4 / F5", QCoreApplication::translate("Keys", "練習試合 / 詰めKORVANE")},
      {"F6", QCoreApplication::translate("Keys", "名前の入力で：画面の文字表から選んで入れる")},
      {nullptr, QCoreApplication::translate("Keys", "町の地図")},
      {"← → ↑ ↓ / Tab", QCoreApplication::translate("Keys", "場所を選ぶ（名前が出ます）")},
      {"Enter", QCoreApplication::translate("Keys", "その場所に入る")},
      {"M", QCoreApplication::translate("Keys", "いま何かが起こる場所の印を出す / 消す")},
      {"A", QCoreApplication::translate(
                "Keys", "カードアルバムと対戦成績（右上の「アルバム」ボタンと同じ）")},
      {nullptr, QCoreApplication::translate("Keys", "会話")},
      {"Space / Enter", QCoreApplication::translate("Keys", "次へ進む")},
      {nullptr, QCoreApplication::translate("Keys", "選択肢")},
      {"1 / 2", QCoreApplication::translate("Keys", "左 / 右の答えを選ぶ")},
      {QT_TRANSLATE_NOOP("Keys", "← → と Enter / Space"),
       QCoreApplication::translate("Keys", "答えを選んで決める")},
      {nullptr, QCoreApplication::translate("Keys", "いつでも")},
      {"Esc", QCoreApplication::translate("Keys", "ウィンドウを閉じる（閉じるボタンと同じ）")},
      {"F1", QCoreApplication::translate("Keys", "このキー一覧（勝負の画面では勝負のキー）")},
  });
}

QPoint Centre(int place) { return kClickerRects[place].Pixels().center(); }

}  // namespace

void ADVKorvaneWindow::SetUpKeys() {
  // Tab goes through the title in reading order: the profile, the buttons, the switches; in the
  // player's house from the choices to the switches.
  QWidget::setTabOrder(text1_, combo1_);
  QWidget::setTabOrder(combo1_, commands_[0]);
  for (int i = 0; i + 1 < 5; ++i) QWidget::setTabOrder(commands_[i], commands_[i + 1]);
  QWidget::setTabOrder(commands_[4], choisers_[0]);
  QWidget::setTabOrder(choisers_[0], choisers_[1]);
  // The button the keyboard is on stands out; a click does not move the keyboard's choice.
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setStyleSheet(
        QStringLiteral("QPushButton:focus { border: 3px solid rgb(255, 140, 0); border-radius: 4px;"
                       " background: rgb(255, 250, 235); }"));
  }
  for (QPushButton* choice : choisers_) choice->setFocusPolicy(Qt::TabFocus);
  qApp->installEventFilter(this);
}

bool ADVKorvaneWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != this || !isVisible()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  return HandleKey(key->key(), key->modifiers());
}

bool ADVKorvaneWindow::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  // Keys with Ctrl, Alt or Meta belong to the view (the zoom) and to the desktop.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (key == Qt::Key_Escape) {
    close();
    return true;
  }
  if (key == Qt::Key_F1) {
    ShowKeyHelp(this, AdventureKeyHelp());
    return true;
  }
  if (key == Qt::Key_F3 && logic_.Picture5().visible && ChooseLanguage) {
    SwitchLanguage();
    return true;
  }
  if (key == Qt::Key_F4 && logic_.Picture5().visible && !logic_.Frame1Visible() && OnPractice) {
    OnPractice(this);
    return true;
  }
  if (key == Qt::Key_F6 && logic_.Frame1Visible()) {
    OpenNamePicker();
    return true;
  }
  if (key == Qt::Key_F5 && logic_.Picture5().visible && !logic_.Frame1Visible() && OnPuzzles) {
    OnPuzzles(this);
    return true;
  }
  if (logic_.Ended() || !logic_.WindowVisible()) return false;
  // A button with the focus (title, choices, the switches) is pressed by Enter too.
  auto* button = qobject_cast<QPushButton*>(focusWidget());
  if (button && !button->isVisible()) button = nullptr;
  if (logic_.Picture5().visible) {
    if (!IsEnter(key) || !button) return false;
    button->click();
    return true;
  }
  if (!logic_.Picture1Visible()) return false;
  if (key == Qt::Key_M) {
    SetMapMarks(!mapMarks_);
    if (OnMapMarksChosen) OnMapMarksChosen(mapMarks_);
    return true;
  }
  // A long English message goes on to its next page first, also under a question.
  if ((IsEnter(key) || key == Qt::Key_Space) && logic_.MessageWaitsForPage()) {
    Forward([this] { logic_.Picture1_Click(); });
    return true;
  }
  if (logic_.Choiser(0).visible || logic_.Choiser(1).visible) return ChoiceKey(key);
  if (logic_.CurrentPlace() == -1 && MapKey(key)) return true;
  if (IsEnter(key) || key == Qt::Key_Space) {
    Forward([this] { logic_.Picture1_Click(); });
    return true;
  }
  return false;
}

void ADVKorvaneWindow::SyncChoiceSelection() {
  const bool asking = logic_.Choiser(0).visible || logic_.Choiser(1).visible;
  // The button of the last answer (or a switch of the player's house) may keep the keyboard's
  // focus, hidden, until the next question shows it again: the question begins with no selection,
  // so that the first Enter or Space only shows one, on every question alike. The window's focus
  // widget is asked, not hasFocus(): after a duel the window need not be the active one.
  if (asking && !asking_) {
    if (QWidget* focus = focusWidget()) focus->clearFocus();
  }
  asking_ = asking;
}

bool ADVKorvaneWindow::ChoiceKey(int key) {
  Sync();  // the buttons as the logic has them, a question just asked included
  if (key == Qt::Key_1 || key == Qt::Key_2) {
    const int index = key - Qt::Key_1;
    Forward([this, index] { logic_.Choiser_Click(index); });
    return true;
  }
  auto* button = qobject_cast<QPushButton*>(focusWidget());
  if (button && !button->isVisible()) button = nullptr;
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
      const int index = key == Qt::Key_Left || key == Qt::Key_Up ? 0 : 1;
      if (choisers_[index]->isVisible()) choisers_[index]->setFocus(Qt::OtherFocusReason);
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      // A press with no button selected yet only shows the selection, so that a player going
      // on through the dialogue does not answer a question unseen.
      if (button) {
        button->click();
      } else {
        for (QPushButton* choice : choisers_) {
          if (choice->isVisible()) {
            choice->setFocus(Qt::OtherFocusReason);
            break;
          }
        }
      }
      return true;
    default:
      return false;  // Tab: Qt's own focus chain, through the choices and the switches
  }
}

bool ADVKorvaneWindow::MapKey(int key) {
  const bool cursorOn = mapCursor_ >= 0 && logic_.ClickerVisible(mapCursor_);
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      // The places in their order, round and round.
      const int step = key == Qt::Key_Tab ? 1 : -1;
      int place = cursorOn ? mapCursor_ : (step > 0 ? -1 : 9);
      for (int n = 0; n < 9; ++n) {
        place = (place + step + 9) % 9;
        if (logic_.ClickerVisible(place)) break;
      }
      SetMapCursor(place);
      return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (!cursorOn) return MapKey(Qt::Key_Tab);
      // The nearest place in that direction, a place straight ahead counting nearer.
      const QPoint d = key == Qt::Key_Left    ? QPoint(-1, 0)
                       : key == Qt::Key_Right ? QPoint(1, 0)
                       : key == Qt::Key_Up    ? QPoint(0, -1)
                                              : QPoint(0, 1);
      const QPoint from = Centre(mapCursor_);
      int best = -1, bestScore = 0;
      for (int place = 0; place < 9; ++place) {
        if (place == mapCursor_ || !logic_.ClickerVisible(place)) continue;
        const QPoint v = Centre(place) - from;
        const int ahead = v.x() * d.x() + v.y() * d.y();
        if (ahead <= 0) continue;
        const int aside = std::abs(v.x() * d.y() - v.y() * d.x());
        const int score = ahead + 2 * aside;
        if (best < 0 || score < bestScore) best = place, bestScore = score;
      }
      if (best >= 0) SetMapCursor(best);
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!cursorOn) return false;
      Forward([this] { logic_.Clicker_Click(mapCursor_); });
      return true;
    case Qt::Key_A:
      if (!logic_.OnTownMap()) return false;
      OpenAlbum();
      return true;
    default:
      return false;
  }
}

void ADVKorvaneWindow::SetMapCursor(int place) {
  if (place < 0 || place > 8 || !logic_.ClickerVisible(place)) return;
  const int old = mapCursor_;
  mapCursor_ = place;
  for (int i : {old, place}) {
    if (auto* spot = findChild<QWidget*>(QStringLiteral("Clicker%1").arg(i))) spot->update();
  }
  // The place names itself, as when the pointer comes over it.
  Forward([this, place] { logic_.Clicker_MouseMove(place); });
}

void ADVKorvaneWindow::PaintMapCursor(QPainter& p, int place, QSize size) const {
  if (place != mapCursor_ || logic_.CurrentPlace() != -1) return;
  p.setBrush(Qt::NoBrush);
  const QRect r = QRect(QPoint(0, 0), size).adjusted(2, 2, -3, -3);
  p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
  p.setPen(QPen(QColor(255, 255, 0), 2, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r);
}

}  // namespace korvane
