// The solver's memory of proved bounds: one 16-byte entry per position, two entries per bucket.
// Keys are exact (the whole position fits in 63 bits), so an entry never answers for another
// position. A full bucket gives up the entry with the smaller subtree (fewer cards left).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

namespace korvane {

struct TableEntry {
  uint64_t key;   // position key + 1; 0 marks an unused entry
  int8_t lo, hi;  // the value lies in [lo, hi]
  uint8_t move;   // best move found, kind * 16 + square index; 0xff none
  uint8_t left;   // cards left to place in the position
};
static_assert(sizeof(TableEntry) == 16);

class TranspositionTable {
 public:
  explicit TranspositionTable(int bits)
      : shift_(64 - bits),
        entries_(static_cast<TableEntry*>(std::calloc(size_t{1} << bits, sizeof(TableEntry)))) {
    if (!entries_) throw std::bad_alloc();
  }

  const TableEntry* Probe(uint64_t key) const {
    const TableEntry* b = Bucket(key);
    if (b[0].key == key + 1) return &b[0];
    if (b[1].key == key + 1) return &b[1];
    return nullptr;
  }

  // Narrows what is known of `key` to [lo, hi].
  void Store(uint64_t key, int left, int lo, int hi, int move) {
    TableEntry* b = Bucket(key);
    TableEntry* e = b[0].key == key + 1      ? &b[0]
                    : b[1].key == key + 1    ? &b[1]
                    : b[0].left <= b[1].left ? &b[0]
                                             : &b[1];
    if (e->key != key + 1) {
      *e = {key + 1, static_cast<int8_t>(lo), static_cast<int8_t>(hi), static_cast<uint8_t>(move),
            static_cast<uint8_t>(left)};
      return;
    }
    if (lo > e->lo) e->lo = static_cast<int8_t>(lo);
    if (hi < e->hi) e->hi = static_cast<int8_t>(hi);
    if (move != 0xff) e->move = static_cast<uint8_t>(move);
  }

 private:
  TableEntry* Bucket(uint64_t key) const {
    return entries_.get() + (((key * 0x9E3779B97F4A7C15ull) >> shift_) & ~uint64_t{1});
  }

  struct Free {
    void operator()(TableEntry* p) const { std::free(p); }
  };
  int shift_;
  std::unique_ptr<TableEntry, Free> entries_;
};

}  // namespace korvane
