// The recording back end behaves like a music device as the windows see it.
#include "sound/fake_sound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace korvane {
namespace {

TEST(Switches, CaptionsToggle) {
  SoundSwitches s;
  EXPECT_TRUE(s.MusicOn());
  s.ToggleMusic();
  EXPECT_EQ(s.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_FALSE(s.MusicOn());
  s.ToggleMusic();
  EXPECT_TRUE(s.MusicOn());
  s.EffectCaption = QStringLiteral("something else");  // anything but ON counts as off
  EXPECT_FALSE(s.EffectsOn());
  s.ToggleEffects();
  EXPECT_EQ(s.EffectCaption, QStringLiteral("効果音：ＯＮ"));
}

TEST(FakeSound, CloseOfAPlayingDeviceNotifiesLaterNotInside) {
  FakeSoundSystem sound;
  std::unique_ptr<MusicDevice> device = sound.CreateMusicDevice();
  int done = 0;
  device->OnDone = [&] { ++done; };
  device->SetFileName(QStringLiteral("opening.mid"));
  device->Play();   // not open: nothing
  device->Close();  // not open: nothing
  EXPECT_EQ(sound.PendingNotifications(), 0);
  EXPECT_EQ(sound.NowPlaying(), QString());

  device->Open();
  device->Play();
  EXPECT_EQ(sound.NowPlaying(), QStringLiteral("opening.mid"));
  device->SetFileName(QStringLiteral("BGM.mid"));  // takes effect at the next Open
  EXPECT_EQ(sound.NowPlaying(), QStringLiteral("opening.mid"));
  device->Close();
  EXPECT_EQ(done, 0);
  EXPECT_EQ(sound.PendingNotifications(), 1);
  EXPECT_EQ(sound.DeliverNotifications(), 1);
  EXPECT_EQ(done, 1);
  device->Close();  // already closed: no second notification
  EXPECT_EQ(sound.PendingNotifications(), 0);
  EXPECT_EQ(sound.Log(),
            (QStringList{"music1 FileName opening.mid", "music1 Play", "music1 Close",
                         "music1 Open opening.mid", "music1 Play", "music1 FileName BGM.mid",
                         "music1 Close", "music1 Done", "music1 Close"}));
}

TEST(FakeSound, TheLoopRestartsFromTheNotification) {
  FakeSoundSystem sound;
  std::unique_ptr<MusicDevice> device = sound.CreateMusicDevice();
  MusicDevice* d = device.get();
  int restarts = 0;
  device->OnDone = [&] {
    ++restarts;
    d->Close();
    d->Open();
    d->Play();
  };
  device->SetFileName(QStringLiteral("BGM.mid"));
  device->Open();
  device->Play();
  static_cast<FakeMusicDevice*>(d)->FinishPlayback();
  sound.DeliverNotifications();
  EXPECT_EQ(restarts, 1);
  // The handler's own Close found the device already stopped: no notification, no endless loop.
  EXPECT_EQ(sound.PendingNotifications(), 0);
  EXPECT_EQ(sound.NowPlaying(), QStringLiteral("BGM.mid"));
}

TEST(FakeSound, TwoDevicesShareOneStream) {
  FakeSoundSystem sound;
  auto adventure = sound.CreateMusicDevice();
  auto duel = sound.CreateMusicDevice();
  QStringList heard;
  adventure->OnDone = [&] { heard << "adventure"; };
  duel->OnDone = [&] { heard << "duel"; };
  adventure->SetFileName(QStringLiteral("BGM.mid"));
  duel->SetFileName(QStringLiteral("kazami.mid"));
  adventure->Open();
  adventure->Play();
  duel->Open();
  duel->Play();
  EXPECT_EQ(sound.NowPlaying(), QStringLiteral("kazami.mid"));
  adventure->Close();  // does not own the stream: the duel music goes on, the notice still comes
  EXPECT_EQ(sound.NowPlaying(), QStringLiteral("kazami.mid"));
  sound.DeliverNotifications();
  EXPECT_EQ(heard, QStringList{"adventure"});
  duel.reset();  // a device that is gone is never called
  sound.DeliverNotifications();
  EXPECT_EQ(sound.NowPlaying(), QString());
}

TEST(FakeSound, EffectsOnlyWhenTheSwitchIsOn) {
  FakeSoundSystem sound;
  sound.PlayEffect(QStringLiteral("co.wav"));
  sound.Switches().ToggleEffects();
  sound.PlayEffect(QStringLiteral("idid.wav"));
  sound.PlayEffect(QStringLiteral("co.wav"));
  sound.Switches().ToggleEffects();
  sound.PlayEffect(QStringLiteral("bboo.wav"));
  EXPECT_EQ(sound.Effects(), (QStringList{"co.wav", "bboo.wav"}));
  EXPECT_EQ(sound.Log(), (QStringList{"effect co.wav", "effect bboo.wav"}));
}

TEST(FakeSound, NotificationsThroughTheEventLoop) {
  FakeSoundSystem sound;
  sound.SetDeliverThroughEventLoop(true);
  auto device = sound.CreateMusicDevice();
  int done = 0;
  device->OnDone = [&] { ++done; };
  device->Open();
  device->Play();
  device->Close();
  EXPECT_EQ(done, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(done, 1);
  // Destroyed before the event loop runs: the queued notice is dropped, not delivered to garbage.
  device->Open();
  device->Play();
  device->Close();
  device.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(done, 1);
}

}  // namespace
}  // namespace korvane
