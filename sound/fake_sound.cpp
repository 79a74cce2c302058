#include "sound/fake_sound.h"

#include <QMetaObject>
#include <deque>
#include <map>

namespace korvane {

// What the system and its devices share, so that either may be destroyed first.
struct FakeSoundShared {
  QStringList log;
  QStringList effects;
  std::deque<int> pending;  // device ids, oldest first
  std::map<int, FakeMusicDevice*> devices;
  int nextId = 1;
  int owner = 0;  // the device whose Play came last
  bool throughEventLoop = false;
  QObject context;  // lives on the thread that made the system; queued calls die with it

  bool Deliver(int id) {
    auto it = devices.find(id);
    if (it == devices.end()) return false;  // the device is gone
    FakeMusicDevice* device = it->second;
    log << device->Name() + QStringLiteral(" Done");
    if (device->OnDone) device->OnDone();
    return true;
  }
};

FakeMusicDevice::FakeMusicDevice(std::shared_ptr<FakeSoundShared> shared, int id, QString name)
    : shared_(std::move(shared)), id_(id), name_(std::move(name)) {
  shared_->devices[id_] = this;
}

FakeMusicDevice::~FakeMusicDevice() {
  shared_->devices.erase(id_);
  if (shared_->owner == id_) shared_->owner = 0;
}

void FakeMusicDevice::SetFileName(const QString& fileName) {
  file_ = fileName;
  shared_->log << name_ + QStringLiteral(" FileName ") + fileName;
}

void FakeMusicDevice::Open() {
  shared_->log << name_ + QStringLiteral(" Open ") + file_;
  if (open_) return;
  open_ = true;
  openedFile_ = file_;
}

void FakeMusicDevice::Play() {
  shared_->log << name_ + QStringLiteral(" Play");
  if (!open_) return;  // a closed device ignores Play
  playing_ = true;
  shared_->owner = id_;
}

void FakeMusicDevice::Close() {
  shared_->log << name_ + QStringLiteral(" Close");
  if (!open_) return;
  open_ = false;
  if (playing_) {
    playing_ = false;
    QueueDone();
  }
  if (shared_->owner == id_) shared_->owner = 0;
}

void FakeMusicDevice::FinishPlayback() {
  if (!playing_) return;
  playing_ = false;
  if (shared_->owner == id_) shared_->owner = 0;
  QueueDone();
}

void FakeMusicDevice::QueueDone() {
  if (!shared_->throughEventLoop) {
    shared_->pending.push_back(id_);
    return;
  }
  std::weak_ptr<FakeSoundShared> weak = shared_;
  const int id = id_;
  QMetaObject::invokeMethod(
      &shared_->context,
      [weak, id] {
        if (auto shared = weak.lock()) shared->Deliver(id);
      },
      Qt::QueuedConnection);
}

FakeSoundSystem::FakeSoundSystem() : shared_(std::make_shared<FakeSoundShared>()) {}
FakeSoundSystem::~FakeSoundSystem() = default;

void FakeSoundSystem::PlayEffect(const QString& fileName) {
  if (!switches_.EffectsOn()) return;
  shared_->log << QStringLiteral("effect ") + fileName;
  shared_->effects << fileName;
}

std::unique_ptr<MusicDevice> FakeSoundSystem::CreateMusicDevice() {
  const int id = shared_->nextId++;
  return std::unique_ptr<MusicDevice>(
      new FakeMusicDevice(shared_, id, QStringLiteral("music%1").arg(id)));
}

QStringList FakeSoundSystem::Log() const { return shared_->log; }

QStringList FakeSoundSystem::TakeLog() {
  QStringList log;
  log.swap(shared_->log);
  return log;
}

QStringList FakeSoundSystem::Effects() const { return shared_->effects; }

int FakeSoundSystem::PendingNotifications() const {
  return static_cast<int>(shared_->pending.size());
}

int FakeSoundSystem::DeliverNotifications() {
  std::deque<int> batch;
  batch.swap(shared_->pending);
  int delivered = 0;
  for (int id : batch) delivered += shared_->Deliver(id) ? 1 : 0;
  return delivered;
}

void FakeSoundSystem::SetDeliverThroughEventLoop(bool on) { shared_->throughEventLoop = on; }

QString FakeSoundSystem::NowPlaying() const {
  auto it = shared_->devices.find(shared_->owner);
  if (it == shared_->devices.end() || !it->second->IsPlaying()) return QString();
  return it->second->openedFile_;
}

}  // namespace korvane
