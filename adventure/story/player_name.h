// The player's name against the two places it must fit: the message box of 66 characters, in
// every table text that shows it, and the save's name record, once the master mark is added.
#pragma once

#include <QString>
#include <vector>

#include "state/game_state.h"

namespace korvane::story {

// A message of the tables that shows the name ({name} or {bare}), as its step would show it.
struct NameText {
  int place;
  int step;
  QString text;  // the UTF-8 template, "{name}" and "{bare}" unexpanded
  bool notice;   // shown inside "『" "』"
};
std::vector<NameText> TextsWithName();

// The characters a message of the tables takes once expanded for g, the notice brackets included.
int ShownLength(const NameText& t, const GameState& g);

// The longest name the profile takes, in characters: with "※" in front and "さん" behind (the
// longer honorific), every text of TextsWithName() still fits the message box.
int NameLengthLimit();

// Puts "※" in front of PlayerName. A name that would then no longer fit the save's name record
// (a save made elsewhere can hold one that long) loses characters at the end of the bare name,
// before its honorific, until it fits; returns true when it had to be shortened.
bool AddMasterMark(GameState& g);

}  // namespace korvane::story
