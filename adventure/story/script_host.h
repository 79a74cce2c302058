// What a place script can do to the adventure window. The script engine (ADVKorvane) implements
// it; tests implement it with a recorder. Scripts change the game state directly and reach the
// screen, the music and the files only through this interface.
#pragma once

#include <QString>

namespace korvane {

struct GameState;

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;
  virtual GameState& State() = 0;

  // Messages: black, red, blue (the notice is wrapped in "『" "』" by the host).
  virtual void ShowMessage(const QString& text) = 0;
  virtual void ShowSpeech(const QString& text) = 0;
  virtual void ShowNotice(const QString& text) = 0;
  virtual void ShowChoices(const QString& first, const QString& second) = 0;

  virtual void StartDuel() = 0;    // sets OpponentName by the current place, adjusts its counter
  virtual void ShowTownMap() = 0;  // back to the map, CurrentPlace = -1
  virtual void EnterPlace(int place) = 0;  // the hot-spot entry, performed by a script
  virtual void SetCurrentPlace(int place) = 0;
  virtual int CurrentPlace() const = 0;
  virtual void ShowHotSpot(int place) = 0;  // make one map hot spot visible at once

  // Portrait of the other person (OppPic index) with its frame, or hide it; hide only the
  // portrait picture; the player's frame.
  virtual void ShowPortrait(int oppPic) = 0;
  virtual void HidePortrait(bool alsoFrame) = 0;
  virtual void HidePlayerFrame() = 0;

  // Music of the adventure device: stop = "Close"; resume = "Open", "Play" if music is on;
  // PlayMusicFile = set the file, "Open", "Play" if music is on.
  virtual void MusicStop() = 0;
  virtual void MusicResume() = 0;
  virtual void PlayMusicFile(const QString& fileName) = 0;

  // The old-house save (record 288 written as 0). Returns false when the file could not be written.
  virtual bool SaveGameOldHouse() = 0;

  // The ending: typing interval in ms (0 stops the engine), the whole picture light grey, a text
  // drawn at (x, y) twips in the current text colour, a card's name from the card file.
  virtual void SetTimerInterval(int ms) = 0;
  virtual void FillLightGrey() = 0;
  virtual void DrawTextAt(int xTwips, int yTwips, const QString& text) = 0;
  virtual QString CardName(int cardId) = 0;

  // A message box with an OK button, for what the player must know beyond the story's texts.
  virtual void TellPlayer(const QString& title, const QString& text) = 0;
};

// Runs the script step of `place` (0..5, 7, 8) at its counter's current value. Returns whether
// the table had an entry. The caller adds 1 to the counter afterwards, entry or not.
bool RunPlaceStep(int place, ScriptHost& host);

}  // namespace korvane
