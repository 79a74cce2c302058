// LazyPictures: a fixed set of pictures, each read the first time it is asked for, or ahead of
// that on a thread of its own. The game starts without reading any of them: the first window
// shows sooner, and once it has painted, the rest is read in the background, at a low priority,
// so that the first duel or map finds its pictures waiting. A picture asked for before the
// background has reached it is read there and then, even when the background is reading it at
// that moment: the asking thread never waits for the slower one, and whichever is first keeps
// its picture (both make the same).
//
// The reader is given the picture's index and says what it made and whether its file was
// missing or damaged (the reader then made a stand-in); the missing ones are listed once they
// have been looked at.
#pragma once

#include <QImage>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace korvane {

class LazyPictures {
 public:
  struct Read {
    QImage picture;
    bool missing = false;  // the file was not there or could not be read
  };
  using Reader = std::function<Read(int index)>;

  // `count` pictures, made by `reader` when first needed; it may run on the background thread
  // and on the asking one at once, so it must not touch anything but what it was given.
  LazyPictures(int count, Reader reader);
  ~LazyPictures();  // stops the background reading and waits for the picture it is on
  // Moving stops the background reading of both. An assignment keeps this set's pictures where
  // they are, so that references to them stay good.
  LazyPictures(LazyPictures&& other) noexcept;
  LazyPictures& operator=(LazyPictures&& other) noexcept;
  LazyPictures(const LazyPictures&) = delete;
  LazyPictures& operator=(const LazyPictures&) = delete;

  int Count() const { return int(pictures_.size()); }
  // Picture `index`, read now when it has not been yet. The reference stays good for the life of
  // the set.
  const QImage& Get(int index) const;
  // Whether picture `index` has been read (or put in).
  bool IsRead(int index) const { return ready_[index].load(std::memory_order_acquire); }
  // Puts a picture in the place of `index`, as though it had been read.
  void Put(int index, QImage picture);
  // The pictures looked at so far whose files were missing or damaged, in index order.
  std::vector<int> Missing() const;
  // The address of the first picture: the pictures lie one after the other from there.
  const QImage* First() const { return pictures_.data(); }

  // Starts reading, on a thread of its own at a low priority, every picture not read yet, in
  // `order` (indexes; empty: all in index order). Does nothing while a reading is running.
  void ReadAhead(std::vector<int> order = {}) const;
  // Stops the background reading after the picture it is on.
  void StopReading() const;

 private:
  void Keep(int index, Read read) const;  // the first picture made for `index` stays

  Reader reader_;
  mutable std::vector<QImage> pictures_;  // never resized: references into it stay good
  std::unique_ptr<std::atomic<bool>[]> ready_;
  mutable std::vector<bool> missing_;
  mutable std::mutex mutex_;  // held only while a picture read is put in its place
  mutable std::thread ahead_;
  mutable std::atomic<bool> stop_{false};
};

}  // namespace korvane
