#include "puzzle/own_puzzles.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <set>

#include "engine/card_table.h"
#include "solver/puzzle_mine.h"
#include "state/duel_record.h"

namespace korvane {

OwnPuzzles FindOwnPuzzles(const QString& directory, const CardTable& cards,
                          const std::atomic<bool>* stop) {
  OwnPuzzles found;
  DuelRecordFile file(directory);
  const QFileInfo info(file.Path());
  if (!info.exists() || (info.isFile() && info.size() == 0)) return found;
  const bool damaged = !file.Load(DuelRecordFile::Damage::LeaveAlone).isEmpty();
  const std::vector<DuelRecord>& duels = file.Duels();
  found.duels = static_cast<int>(duels.size());
  found.record = !damaged        ? OwnPuzzles::Record::Read
                 : duels.empty() ? OwnPuzzles::Record::Unreadable
                                 : OwnPuzzles::Record::Damaged;
  std::set<std::string> seen;
  for (auto r = duels.rbegin(); r != duels.rend(); ++r) {
    if (stop && stop->load()) break;
    const PlayedDuel played{r->PlayerHand, r->EnemyHand, r->PlayerFirst, r->Moves};
    for (MinedPuzzle& m : MinePlayedDuel(played, cards, kMinedMostLeft, stop)) {
      if (!seen.insert(m.puzzle.id).second) continue;
      found.puzzles.push_back({std::move(m.puzzle), r->When, r->Opponent, m.placed, r->Practice});
    }
  }
  return found;
}

QString OwnPuzzlesNote(const OwnPuzzles& found) {
  if (found.record == OwnPuzzles::Record::Unreadable) {
    return QCoreApplication::translate(
        "Puzzle", "対戦の記録が読めませんでした。記録のファイルはそのまま残してあります。");
  }
  if (found.duels == 0) {
    return QCoreApplication::translate(
        "Puzzle", "まだ対戦の記録がありません。対戦すると、その局面からここに問題ができます。");
  }
  if (found.record == OwnPuzzles::Record::Damaged) {
    return QCoreApplication::translate(
               "Puzzle",
               "対戦の記録に読めない行がありました（ファイルはそのままです）。読めた %1 "
               "戦から問題を探しました。")
        .arg(found.duels);
  }
  if (found.puzzles.empty()) {
    return QCoreApplication::translate("Puzzle", "%1 戦の記録に、問題になる局面はまだありません。")
        .arg(found.duels);
  }
  return {};
}

OwnPuzzleMiner::OwnPuzzleMiner() { pool_.setMaxThreadCount(1); }

OwnPuzzleMiner::~OwnPuzzleMiner() {
  stop_.store(true);
  pool_.waitForDone();
}

void OwnPuzzleMiner::Find(const QString& directory, const CardTable& cards, QObject* receiver,
                          std::function<void(OwnPuzzles)> done) {
  QPointer<QObject> target(receiver);
  pool_.start([this, directory, &cards, target, done = std::move(done)] {
    // The window and the sound go first: the search takes what time is left over.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    OwnPuzzles found = FindOwnPuzzles(directory, cards, &stop_);
    if (stop_.load() || !target) return;
    QMetaObject::invokeMethod(
        target.data(),
        [target, done, found = std::move(found)]() mutable {
          if (target) done(std::move(found));
        },
        Qt::QueuedConnection);
  });
}

}  // namespace korvane
