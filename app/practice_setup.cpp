#include "app/practice_setup.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "state/game_state.h"
#include "state/language.h"
#include "ui/fonts.h"
#include "ui/view_zoom.h"

namespace korvane {

QString StrengthName(Strength s) {
  switch (s) {
    case Strength::Gentle:
      return QCoreApplication::translate("Practice", "手加減");
    case Strength::Full:
      return QCoreApplication::translate("Practice", "本気");
    case Strength::Master:
      return QCoreApplication::translate("Practice", "達人");
  }
  return {};
}

QString StrengthNote(Strength s) {
  switch (s) {
    case Strength::Gentle:
      return QCoreApplication::translate("Practice", "いつもの考え方で、ときどき失敗する");
    case Strength::Full:
      return QCoreApplication::translate("Practice", "物語の中と同じ相手");
    case Strength::Master:
      return QCoreApplication::translate("Practice", "最後まで読み切って打つ");
  }
  return {};
}

PracticeSetup::PracticeSetup(std::vector<int> opponents, Start start, QWidget* parent, double zoom)
    : QDialog(parent), opponents_(std::move(opponents)), start_(std::move(start)) {
  setWindowTitle(QCoreApplication::translate("Practice", "練習試合"));
  setObjectName(QStringLiteral("PracticeSetup"));
  zoom = zoom > 0 ? zoom : 1;
  setFont(ZoomFont(GothicFont(13), zoom));
  resize(ZoomRect(QRect(0, 0, 420, 380), zoom).size());
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(
      opponents_.empty()
          ? QCoreApplication::translate("Practice", "対戦したことのある相手と練習できます。")
          : QCoreApplication::translate(
                "Practice", "相手と強さを選んでください。カードは移らず、物語も進みません。"),
      this);
  intro->setWordWrap(true);  // the English is longer than the dialog is wide
  layout->addWidget(intro);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("PracticeOpponents"));
  for (int p : opponents_) list_->addItem(PersonNameInEdition(PersonName(p)));
  if (!opponents_.empty()) list_->setCurrentRow(0);
  layout->addWidget(list_);
  strengths_ = new QButtonGroup(this);
  for (Strength s : {Strength::Gentle, Strength::Full, Strength::Master}) {
    auto* b = new QRadioButton(
        QCoreApplication::translate("Practice", "%1：%2").arg(StrengthName(s), StrengthNote(s)),
        this);
    b->setFocusPolicy(Qt::NoFocus);
    strengths_->addButton(b, static_cast<int>(s));
    layout->addWidget(b);
  }
  SetStrength(Strength::Full);
  layout->addWidget(new QLabel(
      QCoreApplication::translate("Practice", "↑ ↓ 相手　← → 強さ　Enter 始める　Esc 閉じる"),
      this));
  auto* go = new QPushButton(QCoreApplication::translate("Practice", "始める"), this);
  go->setObjectName(QStringLiteral("PracticeStart"));
  go->setEnabled(!opponents_.empty());
  go->setAutoDefault(false);
  layout->addWidget(go, 0, Qt::AlignRight);
  connect(go, &QPushButton::clicked, this, [this] { StartChosen(); });
  connect(list_, &QListWidget::itemActivated, this, [this] { StartChosen(); });
  list_->setFocus();
}

PracticeChoice PracticeSetup::Choice() const {
  PracticeChoice c;
  const int row = list_->currentRow();
  if (row >= 0 && row < static_cast<int>(opponents_.size())) c.opponent = opponents_[row];
  c.strength = static_cast<Strength>(std::max(0, strengths_->checkedId()));
  return c;
}

void PracticeSetup::SetStrength(Strength s) {
  if (QAbstractButton* b = strengths_->button(static_cast<int>(s))) b->setChecked(true);
}

void PracticeSetup::keyPressEvent(QKeyEvent* event) {
  const int strength = strengths_->checkedId();
  switch (event->key()) {
    case Qt::Key_Left:
      return SetStrength(static_cast<Strength>(std::max(0, strength - 1)));
    case Qt::Key_Right:
      return SetStrength(static_cast<Strength>(std::min(2, strength + 1)));
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return StartChosen();
    default:
      QDialog::keyPressEvent(event);  // Esc closes
  }
}

void PracticeSetup::StartChosen() {
  if (started_ || opponents_.empty() || list_->currentRow() < 0) return;
  started_ = true;
  const PracticeChoice c = Choice();
  accept();
  if (start_) start_(c);
}

}  // namespace korvane
