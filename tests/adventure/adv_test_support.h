// Fakes and a fixture for the adventure window's logic: scripted message-box answers, a host
// that records duel openings and the quit, real save files in a temporary directory and the
// fake sound system.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "adventure/adv_korvane.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "state/save_files.h"

namespace korvane {

class FakePlatform : public Platform {
 public:
  std::deque<bool> answers;  // Yes/No answers in order; an unexpected question fails the test
  QStringList questions;     // "title|text"
  QStringList messages;      // "title|text"
  int processEventsCalls = 0;
  std::function<void()> onProcessEvents;

  bool AskYesNo(const QString& title, const QString& text) override {
    questions << title + QStringLiteral("|") + text;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return false;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowOk(const QString& title, const QString& text, const ShownCard&) override {
    messages << title + QStringLiteral("|") + text;
  }
  void ProcessEvents() override {
    ++processEventsCalls;
    if (onProcessEvents) onProcessEvents();
  }
};

class RecordingHost : public AdventureHost {
 public:
  int duelOpenings = 0;
  int tutorialOpenings = 0;
  int quits = 0;
  void OpenDuelWindow(bool tutorial) override { ++(tutorial ? tutorialOpenings : duelOpenings); }
  void Quit() override { ++quits; }
};

class AdventureTest : public ::testing::Test {
 protected:
  AdventureTest() : store(dir.path()) { MakeWindow(); }

  // A fresh window over the same files (a new run of the program).
  void MakeWindow() {
    adv.reset();
    state = GameState{};
    sound = std::make_unique<FakeSoundSystem>();
    adv = std::make_unique<ADVKorvane>(state, store, *sound, platform, host, PlaceholderPictures(),
                                       nullptr);
  }
  // Runs n timer ticks.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) adv->Timer1_Timer();
  }
  // Ticks until the message is typed out (at most limit ticks).
  void TypeOut(int limit = 500) {
    for (int i = 0; i < limit && adv->MessageLabelCaption() != adv->MessageText(); ++i) Tick();
  }
  // A new game started from the title with the given name.
  void StartNewGame(const QString& name = QStringLiteral("太郎"),
                    const QString& sex = QStringLiteral("男")) {
    adv->Form_Load();
    adv->Command1_Click();
    adv->SetText1(name);
    adv->SetCombo1(sex);
    adv->Command2_Click();
  }
  bool SaveExists() const { return QFileInfo::exists(store.SavePath()); }
  // A saved game written straight to the save file.
  void WriteSave(const GameState& g) { ASSERT_TRUE(store.SaveGame(g).ok); }

  QTemporaryDir dir;
  SaveStore store;
  FakePlatform platform;
  RecordingHost host;
  GameState state;
  std::unique_ptr<FakeSoundSystem> sound;
  std::unique_ptr<ADVKorvane> adv;
};

}  // namespace korvane
