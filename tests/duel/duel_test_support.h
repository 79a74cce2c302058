// What the duel tests share: the card table from the project's card source, a platform that
// answers from a script and records every message, and a fixture holding one Korvane with its
// game state, a recording sound system and seeded random numbers.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "adventure/state/game_state.h"
#include "ai/ai.h"
#include "duel/card_pictures.h"
#include "duel/korvane.h"
#include "duel/platform.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "sound/fake_sound.h"

// Readable failures for the game's texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace korvane::testing {

// assets/cards.tsv: id, four side codes, name, separated by tabs.
inline CardTable LoadCards() {
  std::ifstream in(std::string(KORVANE_SOURCE_DIR) + "/assets/cards.tsv");
  std::vector<CardRecord> records(kCardKinds);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string id, s[4], name;
    std::getline(fields, id, '\t');
    for (auto& side : s) std::getline(fields, side, '\t');
    std::getline(fields, name, '\t');
    const int k = std::stoi(id);
    CardRecord& rec = records.at(k);
    for (int i = 0; i < 4; ++i) rec.sides[i] = s[i].at(0);
    rec.text = s[0] + s[1] + s[2] + s[3] + "-" + name;
    rec.name = name;
  }
  return CardTable::FromRecords(std::move(records));
}

struct Message {
  QString title, text;
  QImage picture;
};

class ScriptedPlatform : public Platform {
 public:
  bool AskYesNo(const QString& title, const QString& text) override {
    questions.push_back({title, text, {}});
    if (answers.empty()) return defaultAnswer;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowOk(const QString& title, const QString& text, const QImage& picture) override {
    messages.push_back({title, text, picture});
    if (onOk) onOk();
  }
  void ProcessEvents() override {
    ++eventRuns;
    if (onEvents) onEvents();
  }

  std::deque<bool> answers;
  bool defaultAnswer = true;
  std::vector<Message> questions, messages;
  std::function<void()> onEvents, onOk;  // "the player clicks while ..."
  int eventRuns = 0;
};

class DuelTest : public ::testing::Test {
 protected:
  DuelTest() {
    k.OnClosed = [this] { ++closedCount; };
    k.SetAdventureMusic(adventureMusic.get());
  }

  // StartDuel of the adventure: the name, the series counters, then the window opens.
  void Open(const QString& name) {
    game.OpponentName = name;
    game.SeriesWins = game.SeriesLosses = game.SeriesDraws = 0;
    k.Form_Load();
  }
  void Give(int person, std::initializer_list<std::pair<int, int>> cards) {
    for (auto [id, n] : cards) game.Collections[person][id] = static_cast<int16_t>(n);
  }
  // A press and a double-click on each card, scrolling to its page first.
  void Choose(std::initializer_list<int> ids) {
    for (int id : ids) {
      k.VScroll1_Change(id / 14 * 14);
      k.CardPic_MouseDown(id);
      k.CardPic_DblClick(id);
    }
  }
  // One enemy-timer interval: ten flip ticks, then the enemy's tick.
  void Tick() {
    for (int i = 0; i < 10; ++i) k.FlipAnime_Timer();
    k.Timer1_Timer();
  }
  void Click(int c, int r) { k.Field_MouseDown(1, 0, 81.2 * (c - 1) + 40, 81.2 * (r - 1) + 40); }
  // The player's move: first card still in hand onto the first empty square (or `c`, `r`).
  void PlayerMove(int c = 0, int r = 0) {
    int slot = 0;
    while (slot < kHandSize && k.Duel.PlayerPlayed[slot]) ++slot;
    ASSERT_LT(slot, kHandSize);
    k.PHand_Click(slot);
    if (c == 0) {
      for (int rr = 5; rr >= 1 && c == 0; --rr) {
        for (int cc = 1; cc <= 5 && c == 0; ++cc) {
          if (k.Duel.BoardCard[cc][rr] == kEmptySquare) c = cc, r = rr;
        }
      }
    }
    Click(c, r);
  }
  // Plays the running duel to its result: the player moves when it is its turn and nothing
  // flips, the timers do the rest. Returns the ticks it took.
  int PlayToEnd(int maxTicks = 500) {
    int ticks = 0;
    while (k.Duel.Turn != TurnState::Nobody && ticks < maxTicks) {
      if (k.Duel.Turn == TurnState::Player && !IsFlipRunning(k.Duel) &&
          !(k.Duel.PlayerPlayed[0] && k.Duel.PlayerPlayed[1] && k.Duel.PlayerPlayed[2] &&
            k.Duel.PlayerPlayed[3] && k.Duel.PlayerPlayed[4])) {
        PlayerMove();
      }
      Tick();
      ++ticks;
    }
    return ticks;
  }
  // Puts a finished board in place: every hand card played, the codes given square by square.
  void FinishedBoard(std::initializer_list<std::tuple<int, int, int>> squares) {
    ResetBoard(k.Duel);
    for (auto [c, r, code] : squares) k.Duel.BoardCard[c][r] = static_cast<int16_t>(code);
    k.Duel.PlayerPlayed.fill(true);
    k.Duel.EnemyPlayed.fill(true);
    k.Duel.Turn = TurnState::Player;
    for (auto& p : k.Ctl.PHand) p.Visible = false;
    for (auto& e : k.Ctl.EHand) e.Visible = false;
  }
  // The effects played since `MarkEffects`.
  void MarkEffects() { effectMark = static_cast<int>(sound.Effects().size()); }
  QStringList NewEffects() const { return sound.Effects().mid(effectMark); }
  int Held(int person) const { return game.TotalCards(person); }
  QString CardName(int id) const { return QString::fromStdString(cards.Name(id)); }

  GameState game;
  FakeSoundSystem sound;
  CardTable cards = LoadCards();
  ScriptedPlatform platform;
  SeededRandom rng{20261209};
  CardPictures pictures{&cards};
  std::unique_ptr<MusicDevice> adventureMusic = sound.CreateMusicDevice();  // "music1"
  Korvane k{game, sound, cards, platform, rng, pictures};                   // its own: "music2"
  int closedCount = 0;
  int effectMark = 0;
};

}  // namespace korvane::testing
