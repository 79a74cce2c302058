// The solver's memory of proved bounds: one 16-byte entry per position, two entries per bucket.
// Keys are exact (the whole position fits in 63 bits), so an entry never answers for another
// position. A full bucket gives up the entry with the smaller subtree (fewer cards left).
//
// The table is read at random, one bucket per position searched: a large table's memory is asked
// of the system in 2 MiB pages where it has them (far fewer page faults and address translations
// than 4 KiB pages).
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
  explicit TranspositionTable(int bits) : shift_(64 - bits), bytes_(sizeof(TableEntry) << bits) {
    if (bytes_ < kHugeFrom) {
      // Small tables come from the heap, which hands the same memory to the next solve.
      entries_ = static_cast<TableEntry*>(std::calloc(size_t{1} << bits, sizeof(TableEntry)));
      if (!entries_) throw std::bad_alloc();
      return;
    }
    // Anonymous memory comes zeroed: every entry unused. Aligned to a huge page so that the
    // system can back it with huge pages.
    void* p =
        mmap(nullptr, bytes_ + kHuge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    mapped_ = p;
    const uintptr_t at = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
    entries_ = reinterpret_cast<TableEntry*>(at);
    madvise(entries_, bytes_, MADV_HUGEPAGE);
  }
  ~TranspositionTable() {
    if (mapped_) {
      munmap(mapped_, bytes_ + kHuge);
    } else {
      std::free(entries_);
    }
  }
  TranspositionTable(const TranspositionTable&) = delete;
  TranspositionTable& operator=(const TranspositionTable&) = delete;

  size_t Bytes() const { return bytes_; }

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
    return entries_ + (((key * 0x9E3779B97F4A7C15ull) >> shift_) & ~uint64_t{1});
  }

  static constexpr size_t kHuge = size_t{2} << 20;
  // From this size on the table is mapped in huge pages: the page faults and translation misses
  // of a large table cost far more than mapping it afresh; a small one is cheaper to reuse.
  static constexpr size_t kHugeFrom = size_t{32} << 20;
  int shift_;
  size_t bytes_;
  void* mapped_ = nullptr;
  TableEntry* entries_ = nullptr;
};

}  // namespace korvane
