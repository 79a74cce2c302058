// The collection album, without widgets: for every one of the forty cards, what the player owns,
// who holds the cards the player still lacks, which cards only a master can meet, and which the
// ending's list of missing cards counts; the totals; and the record against each character.
// It reads the game state and never writes it.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/types.h"
#include "state/game_state.h"
#include "state/statistics.h"

namespace korvane {

class CardTable;

struct AlbumHolding {
  int Person = 0;  // 1..6
  int Copies = 0;
  bool operator==(const AlbumHolding&) const = default;
};

struct AlbumCard {
  int Id = 0;
  QString Name;
  std::array<char, 4> Sides{'0', '0', '0', '0'};  // top, right, bottom, left as the player sees it
  int Owned = 0;
  // The characters holding copies, in person order; listed only for a card the player lacks.
  std::vector<AlbumHolding> Holders;
  // The characters who bring the card to a duel only against the master.
  std::vector<int> MasterSources;
  // No character the player can win it from holds a copy and nobody brings it but to the
  // master: only the master can meet it.
  bool MasterOnly = false;
  // The ending's list of missing cards counts this card for this player.
  bool EndingCounts = false;
  bool EndingMissing() const { return EndingCounts && Owned <= 0; }
};

struct AlbumRecordRow {
  QString Name;  // a character's name, or "合計"
  OpponentRecord Record;
};

class Album {
 public:
  // `statistics` may be null: the record rows are then all zero.
  Album(const GameState& game, const CardTable& cards, const Statistics* statistics = nullptr);

  bool Master() const;
  // All forty cards in identifier order.
  std::vector<AlbumCard> Cards() const;
  AlbumCard Card(int id) const;

  int KindsOwned() const;     // of kCardKinds
  int CopiesOwned() const;    // all copies the player owns
  int EndingMissing() const;  // cards the ending would list now
  int EndingCounted() const;  // cards the ending's list looks at for this player

  // The six characters in person order, then the sum.
  std::vector<AlbumRecordRow> RecordRows() const;

  // Texts the window shows.
  static QString SidesText(const AlbumCard& card);    // "3・s・×・b"; "0" is drawn "×"
  static QString HoldersText(const AlbumCard& card);  // "高原×5・真道×1", or why there is none
  QString TotalsText() const;

 private:
  const GameState& game_;
  const CardTable& cards_;
  const Statistics* statistics_;
};

// The surname of person 1..6 ("高原"), as the album's short lists use it.
QString Surname(int person);

}  // namespace korvane
