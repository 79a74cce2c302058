// The SDL2_mixer back end on the dummy audio driver: a real MIDI through FluidSynth and a real
// WAV, with files this test writes itself.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "sdl/sdl_library.h"
#include "sound/midi_stream.h"
#include "sound/sound.h"

namespace korvane {
namespace {

// FluidSynth lets the last note ring out for a few seconds before the piece counts as ended.
constexpr int kPieceTimeoutMs = 30000;

void Put16(QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
void Put32(QByteArray& b, int v) { Put16(b, v & 0xFFFF), Put16(b, (v >> 16) & 0xFFFF); }
void Put32Be(QByteArray& b, int v) {
  for (int shift = 24; shift >= 0; shift -= 8) b.append(char((v >> shift) & 0xFF));
}

// Format 0, one track: middle C for a quarter of a second at 120 beats a minute.
QByteArray TinyMidi() {
  const QByteArray track = QByteArray::fromHex(
      "00903c64"
      "30803c00"
      "00ff2f00");
  QByteArray b("MThd");
  Put32Be(b, 6);
  b.append(
      QByteArray::fromHex("0000"
                          "0001"
                          "0060"));
  b.append("MTrk");
  Put32Be(b, track.size());
  return b + track;
}

// 0.1 s of a 440 Hz tone, 16-bit mono at 22050 Hz.
QByteArray TinyWav() {
  const int rate = 22050, samples = rate / 10;
  QByteArray data;
  for (int i = 0; i < samples; ++i) Put16(data, int(8000 * std::sin(i * 2 * M_PI * 440 / rate)));
  QByteArray b("RIFF");
  Put32(b, 36 + data.size());
  b.append("WAVEfmt ");
  Put32(b, 16);
  Put16(b, 1), Put16(b, 1), Put32(b, rate), Put32(b, rate * 2), Put16(b, 2), Put16(b, 16);
  b.append("data");
  Put32(b, data.size());
  return b + data;
}

class SdlSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    Write("Tiny.MID", TinyMidi());  // looked up without regard to case
    Write("idid.wav", TinyWav());
    fontOpensBefore_ = MidiStream::SoundFontOpens();
    sound_ = CreateSdlSoundSystem(dir_.path());
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile f(QDir(dir_.path()).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir_;
  int fontOpensBefore_ = 0;
  std::unique_ptr<SoundSystem> sound_;
};

TEST_F(SdlSoundTest, APieceEndsByItselfAndTheNoticeComesOnTheGuiThread) {
  auto device = sound_->CreateMusicDevice();
  int done = 0;
  bool onGuiThread = false;
  device->OnDone = [&] {
    ++done;
    onGuiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
  };
  device->SetFileName(QStringLiteral("tiny.mid"));
  device->Open();
  sound_->PlayEffect(QStringLiteral("idid.wav"));
  device->Play();
  EXPECT_EQ(done, 0);
  // Only a piece that really played through FluidSynth ends by itself.
  EXPECT_TRUE(QTest::qWaitFor([&] { return done > 0; }, kPieceTimeoutMs));
  EXPECT_EQ(done, 1);
  EXPECT_TRUE(onGuiThread);

  // Played again from the start after the end, like the windows' loop does.
  device->Close();
  device->Open();
  device->Play();
  EXPECT_TRUE(QTest::qWaitFor([&] { return done > 1; }, kPieceTimeoutMs));
  EXPECT_EQ(done, 2);
}

TEST_F(SdlSoundTest, CloseCutsThePieceAndNotifiesOnce) {
  auto device = sound_->CreateMusicDevice();
  int done = 0;
  device->OnDone = [&] { ++done; };
  device->SetFileName(QStringLiteral("tiny.mid"));
  device->Open();
  device->Play();
  device->Close();
  EXPECT_EQ(done, 0);  // never inside the command
  EXPECT_TRUE(QTest::qWaitFor([&] { return done > 0; }, 5000));
  QTest::qWait(50);  // a second notice would be queued by now
  EXPECT_EQ(done, 1);

  // A closed device ignores Play and says nothing.
  device->Play();
  device->Close();
  QCoreApplication::processEvents();
  EXPECT_EQ(done, 1);
}

TEST_F(SdlSoundTest, TwoDevicesAMissingFileAndSwitchedOffEffects) {
  auto adventure = sound_->CreateMusicDevice();
  auto duel = sound_->CreateMusicDevice();
  QStringList heard;
  adventure->OnDone = [&] { heard << "adventure"; };
  duel->OnDone = [&] { heard << "duel"; };
  adventure->SetFileName(QStringLiteral("missing.mid"));  // silent, but a device all the same
  adventure->Open();
  adventure->Play();
  duel->SetFileName(QStringLiteral("tiny.mid"));
  duel->Open();
  duel->Play();        // takes the stream
  adventure->Close();  // the duel's piece goes on; the adventure still hears of its own end
  EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
  EXPECT_EQ(heard, QStringList{"adventure"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return heard.size() > 1; }, kPieceTimeoutMs));
  EXPECT_EQ(heard, (QStringList{"adventure", "duel"}));

  // A file that will not load plays silence; its device still ends with its Close.
  Write("broken.mid", QByteArray("MThd not really"));
  auto broken = sound_->CreateMusicDevice();
  int brokenDone = 0;
  broken->OnDone = [&] { ++brokenDone; };
  broken->SetFileName(QStringLiteral("broken.mid"));
  broken->Open();
  broken->Play();
  QTest::qWait(100);
  EXPECT_EQ(brokenDone, 0);
  broken->Close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return brokenDone == 1; }, 5000));

  sound_->Switches().ToggleEffects();
  sound_->PlayEffect(QStringLiteral("idid.wav"));
  sound_->PlayEffect(QStringLiteral("nothing-here.wav"));
  sound_->Switches().ToggleEffects();
  sound_->PlayEffect(QStringLiteral("nothing-here.wav"));
  sound_->PlayEffect(QStringLiteral("IDID.WAV"));
}

// Held, the system opens nothing and reads no soundfont until Begin; a piece asked for meanwhile
// waits, and plays to its end once the system has begun.
TEST_F(SdlSoundTest, HeldItOpensNothingUntilBeginThenTheWaitingPiecePlays) {
  sound_.reset();  // the fixture's own, made not held
  const int before = MidiStream::SoundFontOpens();
  sound_ = CreateSdlSoundSystem(dir_.path(), /*held=*/true);
  auto device = sound_->CreateMusicDevice();
  int done = 0;
  device->OnDone = [&] { ++done; };
  device->SetFileName(QStringLiteral("tiny.mid"));
  device->Open();
  device->Play();
  sound_->PlayEffect(QStringLiteral("idid.wav"));  // dropped, as while a device opens
  QTest::qWait(300);
  EXPECT_EQ(MidiStream::SoundFontOpens(), before);
  EXPECT_EQ(done, 0);
  sound_->Begin();
  sound_->Begin();  // once is enough
  EXPECT_TRUE(QTest::qWaitFor([&] { return done > 0; }, kPieceTimeoutMs));
  EXPECT_EQ(done, 1);
  EXPECT_EQ(MidiStream::SoundFontOpens() - before, 1);
}

// Every function the game calls is found in the libraries it opens at run time (a name missing
// from one would leave the game silent, or without its controllers), and they are the libraries'
// own.
TEST(SdlLibraryTest, EveryFunctionIsFoundOnceForTheRun) {
  std::string problem;
  const sdl::Sdl* sdl = sdl::OpenSdl(&problem);
  ASSERT_NE(sdl, nullptr) << problem;
  const sdl::Mixer* mixer = sdl::OpenMixer(&problem);
  ASSERT_NE(mixer, nullptr) << problem;
  const sdl::Fluid* fluid = sdl::OpenFluid(&problem);
  ASSERT_NE(fluid, nullptr) << problem;
  EXPECT_EQ(sdl::OpenSdl(), sdl);
  EXPECT_EQ(sdl::OpenMixer(), mixer);
  EXPECT_EQ(sdl::OpenFluid(), fluid);
  fluid_settings_t* settings = fluid->new_fluid_settings();
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(fluid->fluid_settings_setint(settings, "synth.lock-memory", 0), FLUID_OK);
  fluid->delete_fluid_settings(settings);
  EXPECT_EQ(sdl->SDL_SetHint("KORVANE_TEST_HINT", "1"), SDL_TRUE);
}

// The soundfont is read once for the whole run, however many pieces start, switch and loop,
// and from both windows' devices; the last piece still really plays to its end.
TEST_F(SdlSoundTest, TheSoundfontIsReadOncePerRunNotOncePerPiece) {
  Write("other.mid", TinyMidi());
  auto second = CreateSdlSoundSystem(dir_.path());  // made while the first lives: shares it
  auto adventure = sound_->CreateMusicDevice();
  auto duel = second->CreateMusicDevice();
  int ended = 0;
  adventure->OnDone = [&] { ++ended; };
  const QString pieces[] = {"tiny.mid", "other.mid", "TINY.MID", "other.mid"};
  for (const QString& piece : pieces) {
    adventure->SetFileName(piece);
    adventure->Close();
    adventure->Open();
    adventure->Play();
    duel->SetFileName(piece);
    duel->Open();
    duel->Play();
    duel->Close();
    QTest::qWait(20);
  }
  adventure->Close();  // three cut short in the loop, and this one
  EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 4; }, 5000));
  adventure->Open();
  adventure->Play();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 5; }, kPieceTimeoutMs));
  EXPECT_EQ(MidiStream::SoundFontOpens() - fontOpensBefore_, 1);
}

}  // namespace
}  // namespace korvane
