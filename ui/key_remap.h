// The player's own keys (state/key_map.h) for every window at once: an application-wide filter
// that turns a remapped key into the game's key it stands for, so no window has to know. Keys
// typed into a text box stay what they are, and so do the controller's keys, which are the game's
// own already.
#pragma once

#include <QObject>
#include <map>

namespace korvane {

class KeyRemap : public QObject {
 public:
  // `keys`: the player's key -> the game's key. Installs itself on the application.
  explicit KeyRemap(std::map<int, int> keys, QObject* parent = nullptr);
  ~KeyRemap() override;

  // The game's key that `key` stands for in `receiver` (the key itself when it is not remapped).
  int Translate(int key, Qt::KeyboardModifiers modifiers, const QObject* receiver) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<int, int> keys_;
  bool resending_ = false;
};

}  // namespace korvane
