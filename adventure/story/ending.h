// The last screen of the story: the credit lines, the list of cards the player still lacks and
// the closing words. Steps 100..114 of 高峰's house run it (takamine_script.cpp).
#pragma once

#include <QString>
#include <vector>

#include "state/game_state.h"

namespace korvane {

class ScriptHost;

namespace story {

// The credit lines that name people, drawn one per step while the epilogue is told.
extern const char* const kCreditCharacterDesign;
extern const char* const kCreditGraphics;
extern const char* const kCreditProgram;
extern const char* const kCreditProducer;

// Where the ending draws its lines (twips).
constexpr int kEndingX = 500;
constexpr int kMissingListY = 4000;

// The list as the ending draws it: "「name」…です。", "ありません。", or the short text when it
// would not fit in 26 characters. Masters also miss cards 33, 34, 35 and 38.
QString MissingCardsText(const GameState& g, ScriptHost& host);

// At 高峰's step 112: draws the list and shows the closing message. A master who lacks a card, and
// any other player, loses the first character of the name, so only a complete master keeps "※".
void ShowMissingCards(ScriptHost& host);

struct Entry;
// The entries of 高峰's steps 100 to 114.
std::vector<Entry> EndingEntries();

}  // namespace story
}  // namespace korvane
