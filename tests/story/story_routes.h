// The story's routes played with the driver, checking what each stage unlocks and gives.
// The playthrough and master tests put them together.
#pragma once

#include "tests/story/story_driver.h"

namespace korvane::testing {

// New game to 風見's question about fairies: 真道's gift, the first series with 高原 and 真道
// (taking his three strong cards), and 風見's first series taking five 「妖精」.
void PlayToKazami(StoryDriver& d);

// 風見 answered "いる": the fairy tree (duel won or lost), the 「フェアリー」 change, 風見's
// steps 50..66, until 横田's house and the square are on the map.
void PlayFairyTreeRoute(StoryDriver& d, bool winAtTree);

// 風見 answered "いない": 高原's step 50 opens 横田's house and the square.
void PlayDoubterRoute(StoryDriver& d);

// From the square to the ending: 横田, the key, 高峰's story, the 「勇者」 card lost to 高原 and
// won back, a lost and then a won duel against 速水 結. `beforeLastDuel` may arrange the
// collection the ending will judge. Returns what the last visit (the ending) showed.
std::vector<Event> PlaySquareToEnding(StoryDriver& d, bool winSquare, bool metAtTree,
                                      const std::function<void(GameState&)>& beforeLastDuel = {});

}  // namespace korvane::testing
