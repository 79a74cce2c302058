// The place scripts as data. A place's script is a table from step number to an entry; an entry
// is a short list of guarded clauses, each a list of tagged actions followed by the rule for the
// next step. RunPlaceStep (script_runner.cpp) walks the clauses of one entry with a switch over
// the action kinds.
//
// Texts are UTF-8 templates, each marked for translation in the "Story" context; "{name}" is
// replaced by PlayerName, "{bare}" by the name without its honorific and "{pronoun}" by 僕 or 私,
// when the step runs.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "state/game_state.h"

namespace korvane::story {

// A named condition on the game state, referenced from the tables (conditions.h).
using Pred = bool (*)(const GameState&);

enum class Op : uint8_t {
  kSpeech,        // text: another person speaks (red)
  kMessage,       // text: the player's own words or narration (black)
  kNotice,        // text: results and rewards (blue, in 『』)
  kChoices,       // text / text2: the two captions
  kDuel,          // StartDuel
  kMap,           // ShowTownMap
  kResult,        // the series result line
  kSetStep,       // a = place, b = value: another place's next visit starts at b
  kRaiseStep,     // a = place, b = value: the counter is raised to b if below it
  kSetCard,       // a = person, b = card, c = count
  kAddCard,       // a = person, b = card, c = change
  kSetFlag,       // a = PlaceUnlocked flag 1..5
  kShowPortrait,  // a = OppPic index, shown with its frame
  kHidePortrait,  // a = OppPic index, b = 1 hides the frame as well
  kHidePlayerFrame,
  kShowHotSpot,      // a = place
  kSetCurrentPlace,  // a = place or -1
  kEnterPlace,       // a = place, entered as through its hot spot
  kSaveOldHouse,     // the save before the duel in the old house
  kMusicStop,
  kMusicResume,
  kPlayMusic,      // text = file name
  kTimer,          // a = typing interval in ms, 0 stops the engine
  kFillLightGrey,  // the whole picture
  kDrawText,       // a = x, b = y (twips), text
  kMissingCards,   // the ending's list of missing cards and its closing message
  kMasterMark,     // "※" in front of PlayerName
};

struct Action {
  Op op;
  int16_t a = 0;
  int16_t b = 0;
  int16_t c = 0;
  const char* text = nullptr;
  const char* text2 = nullptr;
};

enum class NextKind : uint8_t {
  kGoto,         // the counter is set to m[0] - 1 so that m[0] runs next
  kChoice,       // nothing set: the answer adds 0 or 1; m = the two steps, for checking
  kAfterDuel,    // nothing set: StartDuel adjusts the counter; m[0] = where it arrives
  kResult,       // by the series: m = won / lost / even
  kFallThrough,  // the clause only adds actions; the next clause decides
};

struct Next {
  NextKind kind = NextKind::kGoto;
  int16_t m[3] = {0, 0, 0};
};

struct Clause {
  Pred when = nullptr;  // nullptr: always
  std::vector<Action> actions;
  Next next;
};

struct Entry {
  int16_t step;
  std::vector<Clause> clauses;

  Entry(int16_t s, std::vector<Action> actions, Next next)
      : step(s), clauses{Clause{nullptr, std::move(actions), next}} {}
  Entry(int16_t s, std::vector<Clause> c) : step(s), clauses(std::move(c)) {}
};

struct PlaceScript {
  int place;
  std::vector<Entry> entries;
  // Steps that a Next may lead to without having an entry, each with the reason.
  std::vector<std::pair<int16_t, const char*>> passThroughs;
};

// The script of place 0..5, 7 or 8; nullptr for any other place.
const PlaceScript* ScriptOf(int place);
// The entry for a step, or nullptr.
const Entry* FindEntry(const PlaceScript& script, int step);
// Every place that has a script, in place order.
std::vector<int> ScriptedPlaces();

// The tables, one function per file.
PlaceScript TakaharaScript();
PlaceScript ShindoScript();
PlaceScript KazamiScript();
PlaceScript YokotaScript();
PlaceScript SquareScript();
PlaceScript TakamineScript();  // with the ending, steps 100..114
PlaceScript OldHouseScript();
PlaceScript FairyTreeScript();

// Table vocabulary.
inline Action Speech(const char* t) { return {Op::kSpeech, 0, 0, 0, t}; }
inline Action Message(const char* t) { return {Op::kMessage, 0, 0, 0, t}; }
inline Action Notice(const char* t) { return {Op::kNotice, 0, 0, 0, t}; }
inline Action Choices(const char* first, const char* second) {
  return {Op::kChoices, 0, 0, 0, first, second};
}
inline Action Duel() { return {Op::kDuel}; }
inline Action Map() { return {Op::kMap}; }
inline Action Result() { return {Op::kResult}; }
inline Action SetStep(int place, int value) {
  return {Op::kSetStep, int16_t(place), int16_t(value)};
}
inline Action RaiseStep(int place, int value) {
  return {Op::kRaiseStep, int16_t(place), int16_t(value)};
}
inline Action SetCard(int person, int card, int count) {
  return {Op::kSetCard, int16_t(person), int16_t(card), int16_t(count)};
}
inline Action AddCard(int person, int card, int change) {
  return {Op::kAddCard, int16_t(person), int16_t(card), int16_t(change)};
}
inline Action SetFlag(int flag) { return {Op::kSetFlag, int16_t(flag)}; }
inline Action ShowPortrait(int pic) { return {Op::kShowPortrait, int16_t(pic)}; }
inline Action HidePortrait(int pic) { return {Op::kHidePortrait, int16_t(pic), 0}; }
inline Action HidePortraitAndFrame(int pic) { return {Op::kHidePortrait, int16_t(pic), 1}; }
inline Action HidePlayerFrame() { return {Op::kHidePlayerFrame}; }
inline Action ShowHotSpot(int place) { return {Op::kShowHotSpot, int16_t(place)}; }
inline Action SetCurrentPlace(int place) { return {Op::kSetCurrentPlace, int16_t(place)}; }
inline Action EnterPlace(int place) { return {Op::kEnterPlace, int16_t(place)}; }
inline Action SaveOldHouse() { return {Op::kSaveOldHouse}; }
inline Action MusicStop() { return {Op::kMusicStop}; }
inline Action MusicResume() { return {Op::kMusicResume}; }
inline Action PlayMusic(const char* file) { return {Op::kPlayMusic, 0, 0, 0, file}; }
inline Action Timer(int ms) { return {Op::kTimer, int16_t(ms)}; }
inline Action FillLightGrey() { return {Op::kFillLightGrey}; }
inline Action DrawText(int x, int y, const char* t) {
  return {Op::kDrawText, int16_t(x), int16_t(y), 0, t};
}
inline Action MissingCards() { return {Op::kMissingCards}; }
inline Action MasterMark() { return {Op::kMasterMark}; }

inline Next To(int m) { return {NextKind::kGoto, {int16_t(m), 0, 0}}; }
inline Next Choice(int first, int second) {
  return {NextKind::kChoice, {int16_t(first), int16_t(second), 0}};
}
inline Next AfterDuel(int m) { return {NextKind::kAfterDuel, {int16_t(m), 0, 0}}; }
inline Next Won(int won, int lost, int even) {
  return {NextKind::kResult, {int16_t(won), int16_t(lost), int16_t(even)}};
}

inline Clause If(Pred p, std::vector<Action> actions, Next next) {
  return {p, std::move(actions), next};
}
inline Clause Else(std::vector<Action> actions, Next next) {
  return {nullptr, std::move(actions), next};
}
// Actions every visit of the step performs before the guarded clauses that follow.
inline Clause Do(std::vector<Action> actions) {
  return {nullptr, std::move(actions), Next{NextKind::kFallThrough, {0, 0, 0}}};
}

// Texts the steps build. A table text is translated first (the English edition installs its
// translation of the "Story" context) and its placeholders are filled in afterwards, so a
// translation moves "{name}" wherever its sentence needs it.
QString ShownText(const char* source, const GameState& g);
QString ExpandText(const char* utf8Template, const GameState& g);
QString ExpandText(const QString& textTemplate, const GameState& g);
// What "{name}" becomes: PlayerName as stored; in the English edition without its honorific
// ("君" or "さん"), which English does not use. A master's "※" stays.
QString NameInText(const GameState& g);
QString BareName(const GameState& g);
QString Pronoun(const GameState& g);
QString ResultLine(const GameState& g);
// A notice as the box shows it: "『" text "』", or the edition's brackets.
QString NoticeText(const QString& text);

// The player's own house has no table: it asks whether to stop, with these two answers.
QString PlayerHouseQuestion();
QString QuitChoice();    // "終わる": save and end
QString NotYetChoice();  // "まだまだ": back to the map

}  // namespace korvane::story
