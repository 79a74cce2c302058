#include "review/record_list.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "state/game_state.h"
#include "state/language.h"
#include "ui/fonts.h"
#include "ui/view_zoom.h"

namespace korvane {

QString RecordLine(const DuelRecord& r) {
  const auto say = [](const char* text) { return QCoreApplication::translate("Review", text); };
  const QString outcome = r.Forfeit                           ? say("不戦敗")
                          : r.Result == DuelResult::PlayerWon ? say("勝ち")
                          : r.Result == DuelResult::EnemyWon  ? say("負け")
                                                              : say("引き分け");
  QString line = QCoreApplication::translate("Review", "%1　%2　%3 %4 対 %5")
                     .arg(r.When.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                          PersonNameInEdition(PersonName(r.Opponent)), outcome)
                     .arg(r.PlayerScore)
                     .arg(r.EnemyScore);
  if (r.Master) line += QCoreApplication::translate("Review", "（マスター）");
  if (r.Practice) line += QCoreApplication::translate("Review", "（練習）");
  return line;
}

RecordList::RecordList(std::vector<DuelRecord> duels, Open open, QWidget* parent, double zoom)
    : QDialog(parent), duels_(std::move(duels)), open_(std::move(open)) {
  std::reverse(duels_.begin(), duels_.end());
  setWindowTitle(QCoreApplication::translate("Review", "対戦の記録"));
  setObjectName(QStringLiteral("RecordList"));
  zoom = zoom > 0 ? zoom : 1;
  resize(ZoomRect(QRect(0, 0, 520, 420), zoom).size());
  setFont(ZoomFont(GothicFont(13), zoom));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(
      duels_.empty()
          ? QCoreApplication::translate("Review", "まだ記録した対戦がありません。")
          : QCoreApplication::translate("Review", "↑ ↓ で選び、Enter で振り返る（Esc で閉じる）"),
      this);
  layout->addWidget(hint);
  // Practice duels are counted apart from the story's record: here.
  int practice[3] = {0, 0, 0};  // wins, losses, draws
  for (const DuelRecord& r : duels_) {
    if (!r.Practice) continue;
    ++practice[r.Forfeit || r.Result == DuelResult::EnemyWon ? 1
               : r.Result == DuelResult::PlayerWon           ? 0
                                                             : 2];
  }
  if (practice[0] + practice[1] + practice[2] > 0) {
    auto* tally = new QLabel(QCoreApplication::translate("Review", "練習試合：%1戦 %2勝 %3敗 %4分")
                                 .arg(practice[0] + practice[1] + practice[2])
                                 .arg(practice[0])
                                 .arg(practice[1])
                                 .arg(practice[2]),
                             this);
    tally->setObjectName(QStringLiteral("PracticeTally"));
    layout->addWidget(tally);
  }
  list_ = new QListWidget(this);
  for (const DuelRecord& r : duels_) list_->addItem(RecordLine(r));
  if (!duels_.empty()) list_->setCurrentRow(0);
  layout->addWidget(list_);
  auto* close = new QPushButton(QCoreApplication::translate("Review", "閉じる"), this);
  close->setAutoDefault(false);
  layout->addWidget(close, 0, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenRow(list_->row(item)); });
}

void RecordList::OpenRow(int row) {
  if (row < 0 || row >= static_cast<int>(duels_.size()) || !open_) return;
  open_(this, duels_[row]);
}

RecordList* ShowRecordList(QWidget* parent, std::vector<DuelRecord> duels, RecordList::Open open,
                           double zoom) {
  auto* window = new RecordList(std::move(duels), std::move(open), parent, zoom);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
  window->List()->setFocus();
  return window;
}

}  // namespace korvane
