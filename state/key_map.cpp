#include "state/key_map.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaEnum>
#include <QSettings>

namespace korvane {
namespace {

QString ActionNames() {
  QStringList names;
  for (const KeyAction& a : KeyActions()) names << QString::fromLatin1(a.name);
  return names.join(QStringLiteral(", "));
}

int ActionKey(const QString& name) {
  for (const KeyAction& a : KeyActions())
    if (name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0) return a.key;
  return 0;
}

QString ActionOf(int gameKey) {
  for (const KeyAction& a : KeyActions())
    if (a.key == gameKey) return QString::fromLatin1(a.name);
  return {};
}

// The words of one value: QSettings splits "J, K" into a list itself.
QStringList Words(const QVariant& value) {
  QStringList words;
  const QStringList parts = value.typeId() == QMetaType::QStringList
                                ? value.toStringList()
                                : value.toString().split(QLatin1Char(','));
  for (const QString& part : parts)
    if (!part.trimmed().isEmpty()) words << part.trimmed();
  return words;
}

}  // namespace

const std::vector<KeyAction>& KeyActions() {
  static const std::vector<KeyAction> actions = {
      {"up", Qt::Key_Up},       {"down", Qt::Key_Down},     {"left", Qt::Key_Left},
      {"right", Qt::Key_Right}, {"enter", Qt::Key_Return},  {"space", Qt::Key_Space},
      {"back", Qt::Key_Escape}, {"tab", Qt::Key_Tab},       {"hint", Qt::Key_H},
      {"album", Qt::Key_A},     {"fight", Qt::Key_S},       {"reselect", Qt::Key_R},
      {"finish", Qt::Key_Q},    {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown},
      {"home", Qt::Key_Home},   {"end", Qt::Key_End},       {"help", Qt::Key_F1},
      {"pace", Qt::Key_F2},     {"language", Qt::Key_F3},   {"card1", Qt::Key_1},
      {"card2", Qt::Key_2},     {"card3", Qt::Key_3},       {"card4", Qt::Key_4},
      {"card5", Qt::Key_5},     {"rules", Qt::Key_F3},      {"practice", Qt::Key_F4},
      {"marks", Qt::Key_M},     {"review", Qt::Key_V},      {"takeback", Qt::Key_Backspace},
  };
  return actions;
}

int KeyFromName(const QString& raw) {
  const QString name = raw.trimmed();
  if (name.size() == 1) {
    const QChar c = name.at(0).toUpper();
    // Letters, digits and punctuation: Qt's key is the character's code.
    return c.unicode() > 0x20 && c.unicode() < 0x7f ? c.unicode() : 0;
  }
  if (name.compare(QLatin1String("Esc"), Qt::CaseInsensitive) == 0) return Qt::Key_Escape;
  if (name.compare(QLatin1String("Enter"), Qt::CaseInsensitive) == 0) return Qt::Key_Return;
  static const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
  for (int i = 0; i < keys.keyCount(); ++i) {
    const QLatin1String known(keys.key(i));
    if (known.size() > 4 && QStringView(name).compare(known.mid(4), Qt::CaseInsensitive) == 0)
      return keys.value(i);
  }
  return 0;
}

KeyMap ReadKeyMap(const QString& path) {
  KeyMap map;
  if (!QFileInfo(path).isFile()) return map;
  QSettings s(path, QSettings::IniFormat);
  s.beginGroup(QStringLiteral("keys"));
  for (const QString& action : s.childKeys()) {
    const QVariant value = s.value(action);
    const QString line =
        QStringLiteral("%1 = %2").arg(action, Words(value).join(QStringLiteral(", ")));
    const int gameKey = ActionKey(action);
    if (!gameKey) {
      map.problems << QCoreApplication::translate(
                          "KeyMap", "[keys] %1：「%2」という操作はありません（使えるのは %3）")
                          .arg(line, action, ActionNames());
      continue;
    }
    for (const QString& word : Words(value)) {
      if (word.contains(QLatin1Char('+')) && word.size() > 1) {
        map.problems << QCoreApplication::translate(
                            "KeyMap",
                            "[keys] %1：「%2」は使えません。Ctrl、Alt、Meta のない一つのキーを"
                            "書いてください")
                            .arg(line, word);
        continue;
      }
      const int key = KeyFromName(word);
      if (!key) {
        map.problems << QCoreApplication::translate("KeyMap",
                                                    "[keys] %1：「%2」というキーはありません")
                            .arg(line, word);
        continue;
      }
      if (key == gameKey) continue;  // the action's own key does it already
      const auto taken = map.keys.find(key);
      if (taken != map.keys.end() && taken->second != gameKey) {
        map.problems << QCoreApplication::translate("KeyMap",
                                                    "[keys] %1：「%2」はもう %3 に使われています")
                            .arg(line, word, ActionOf(taken->second));
        continue;
      }
      map.keys[key] = gameKey;
    }
  }
  return map;
}

}  // namespace korvane
