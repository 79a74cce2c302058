// The player's own puzzles (自分の対局から): mined from the duel record in the save folder, off
// the window's thread. The record is only read, never changed: damage in it is told and left
// where it is, for the game's own loading to deal with.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <vector>

#include "solver/puzzle.h"

namespace korvane {

class CardTable;

struct OwnPuzzle {
  Puzzle puzzle;  // id: OwnPuzzleKey
  QDateTime when;
  int opponent = 1;  // person 1..6
  int placed = 0;    // the placements made before the position
  bool practice = false;
};

struct OwnPuzzles {
  enum class Record {
    Read,        // read whole (possibly with no duel in it yet)
    Missing,     // no record yet
    Damaged,     // some lines could not be read; the others were mined
    Unreadable,  // nothing could be read
  };
  Record record = Record::Missing;
  int duels = 0;                   // duels read
  std::vector<OwnPuzzle> puzzles;  // newest duel first; within a duel, in the order played
};

// Reads `directory`/duels.jsonl and mines every duel in it. A position reached in several duels
// is one puzzle, of the newest of them. Stops early, with what it has, once `stop` is set.
OwnPuzzles FindOwnPuzzles(const QString& directory, const CardTable& cards,
                          const std::atomic<bool>* stop = nullptr);

// What the player is told about the search, in the edition's language; empty when puzzles were
// found in a sound record.
QString OwnPuzzlesNote(const OwnPuzzles& found);

// Runs FindOwnPuzzles on a low-priority thread of its own; `done` runs on `receiver`'s thread
// unless the receiver is gone. Destroying the miner stops the search under way.
class OwnPuzzleMiner {
 public:
  OwnPuzzleMiner();
  ~OwnPuzzleMiner();
  OwnPuzzleMiner(const OwnPuzzleMiner&) = delete;
  OwnPuzzleMiner& operator=(const OwnPuzzleMiner&) = delete;

  void Find(const QString& directory, const CardTable& cards, QObject* receiver,
            std::function<void(OwnPuzzles)> done);

 private:
  QThreadPool pool_;
  std::atomic<bool> stop_{false};
};

}  // namespace korvane
