#include "ui/lazy_pictures.h"

#include <sys/resource.h>
#include <unistd.h>

#include <numeric>

namespace korvane {

LazyPictures::LazyPictures(int count, Reader reader)
    : reader_(std::move(reader)),
      pictures_(size_t(count)),
      ready_(std::make_unique<std::atomic<bool>[]>(size_t(count))),
      missing_(size_t(count), false) {
  for (int i = 0; i < count; ++i) ready_[i].store(false, std::memory_order_relaxed);
}

LazyPictures::~LazyPictures() { StopReading(); }

LazyPictures::LazyPictures(LazyPictures&& other) noexcept {
  other.StopReading();
  std::lock_guard lock(other.mutex_);
  reader_ = std::move(other.reader_);
  pictures_ = std::move(other.pictures_);
  ready_ = std::move(other.ready_);
  missing_ = std::move(other.missing_);
}

LazyPictures& LazyPictures::operator=(LazyPictures&& other) noexcept {
  if (this == &other) return *this;
  StopReading();
  other.StopReading();
  std::scoped_lock lock(mutex_, other.mutex_);
  reader_ = std::move(other.reader_);
  if (pictures_.size() == other.pictures_.size()) {
    for (size_t i = 0; i < pictures_.size(); ++i) {
      pictures_[i] = std::move(other.pictures_[i]);
      ready_[i].store(other.ready_[i].load());
    }
  } else {
    pictures_ = std::move(other.pictures_);
    ready_ = std::move(other.ready_);
  }
  missing_ = std::move(other.missing_);
  return *this;
}

void LazyPictures::Keep(int index, Read read) const {
  std::lock_guard lock(mutex_);
  if (ready_[index].load(std::memory_order_relaxed)) return;
  pictures_[index] = std::move(read.picture);
  missing_[index] = read.missing;
  ready_[index].store(true, std::memory_order_release);
}

// Read outside the lock: the asking thread never waits for the background one, which runs at a
// lower priority and may be slow to get the processor on a busy machine.
const QImage& LazyPictures::Get(int index) const {
  if (!ready_[index].load(std::memory_order_acquire)) Keep(index, reader_(index));
  return pictures_[index];
}

void LazyPictures::Put(int index, QImage picture) {
  std::lock_guard lock(mutex_);
  pictures_[index] = std::move(picture);
  missing_[index] = false;
  ready_[index].store(true, std::memory_order_release);
}

std::vector<int> LazyPictures::Missing() const {
  std::lock_guard lock(mutex_);
  std::vector<int> missing;
  for (int i = 0; i < Count(); ++i) {
    if (ready_[i].load(std::memory_order_relaxed) && missing_[i]) missing.push_back(i);
  }
  return missing;
}

void LazyPictures::ReadAhead(std::vector<int> order) const {
  if (ahead_.joinable() || !ready_) return;
  if (order.empty()) {
    order.resize(pictures_.size());
    std::iota(order.begin(), order.end(), 0);
  }
  stop_.store(false);
  ahead_ = std::thread([this, order = std::move(order)] {
    // Below the GUI thread, so that on a busy machine the windows come first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    for (int index : order) {
      if (stop_.load()) return;
      if (index < 0 || index >= Count() || IsRead(index)) continue;
      Keep(index, reader_(index));
    }
  });
}

void LazyPictures::StopReading() const {
  if (!ahead_.joinable()) return;
  stop_.store(true);
  ahead_.join();
}

}  // namespace korvane
