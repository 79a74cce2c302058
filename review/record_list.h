// The list of recorded duels (対戦の記録), newest first, opened from the album: one line per duel
// with its date, opponent, outcome and counts; Enter or a double-click opens its review board.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "state/duel_record.h"

class QListWidget;

namespace korvane {

// One duel's line in the list, in the edition's language, its time in the local time zone.
QString RecordLine(const DuelRecord& r);

class RecordList : public QDialog {
 public:
  using Open = std::function<void(QWidget* over, const DuelRecord& duel)>;
  RecordList(std::vector<DuelRecord> duels, Open open, QWidget* parent = nullptr, double zoom = 1);

  QListWidget* List() const { return list_; }
  // The duel at `row` of the list (0 the newest) opens over the list.
  void OpenRow(int row);

 private:
  std::vector<DuelRecord> duels_;  // newest first
  Open open_;
  QListWidget* list_ = nullptr;
};

// Opens the list window-modal over `parent` and returns at once; it deletes itself when closed.
RecordList* ShowRecordList(QWidget* parent, std::vector<DuelRecord> duels, RecordList::Open open,
                           double zoom = 1);

}  // namespace korvane
