// A sound system that plays nothing and writes down everything it is asked to do, for tests of
// the windows. Music devices behave like the real ones as far as the windows can tell: "Play"
// only when open, a completion notification when a playback ends (FinishPlayback) or is cut short
// by "Close", delivered later, never inside the command. The test decides when: either by
// calling DeliverNotifications(), or through the Qt event loop after
// SetDeliverThroughEventLoop(true).
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "sound/sound.h"

namespace korvane {

class FakeSoundSystem;
struct FakeSoundShared;

class FakeMusicDevice : public MusicDevice {
 public:
  ~FakeMusicDevice() override;
  void SetFileName(const QString& fileName) override;
  QString FileName() const override { return file_; }
  void Open() override;
  void Play() override;
  void Close() override;

  const QString& Name() const { return name_; }
  bool IsOpen() const { return open_; }
  bool IsPlaying() const { return playing_; }
  // The piece reached its end: a playing device stops and queues its notification.
  void FinishPlayback();

 private:
  friend class FakeSoundSystem;
  FakeMusicDevice(std::shared_ptr<FakeSoundShared> shared, int id, QString name);
  void QueueDone();

  std::shared_ptr<FakeSoundShared> shared_;
  int id_;
  QString name_;
  QString file_;
  QString openedFile_;
  bool open_ = false;
  bool playing_ = false;
};

class FakeSoundSystem : public SoundSystem {
 public:
  FakeSoundSystem();
  ~FakeSoundSystem() override;

  void PlayEffect(const QString& fileName) override;
  // Devices are named "music1", "music2", ... in the order they are made.
  std::unique_ptr<MusicDevice> CreateMusicDevice() override;

  // Every device command and every effect actually played, in order:
  // "music1 FileName BGM.mid", "music1 Open BGM.mid", "music1 Play", "music1 Close",
  // "music1 Done" (a notification delivered), "effect co.wav".
  QStringList Log() const;
  QStringList TakeLog();        // returns the log and clears it
  QStringList Effects() const;  // the effects played, by file name

  int PendingNotifications() const;
  // Delivers the notifications queued so far, oldest first; those queued while delivering wait
  // for the next call. Returns how many were delivered.
  int DeliverNotifications();
  void SetDeliverThroughEventLoop(bool on);

  // The file that would be heard now: the last device to "Play", while it is still playing.
  QString NowPlaying() const;

 private:
  std::shared_ptr<FakeSoundShared> shared_;
};

}  // namespace korvane
