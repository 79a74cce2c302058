#include "state/language.h"

#include <QCoreApplication>

namespace korvane {
namespace {

// The opponents' names as the game state holds them; listed here so that the translation
// carries each of them.
[[maybe_unused]] const char* const kPersons[] = {
    QT_TRANSLATE_NOOP("Names", "高原 良絵"), QT_TRANSLATE_NOOP("Names", "真道 祐樹"),
    QT_TRANSLATE_NOOP("Names", "風見 誠"),   QT_TRANSLATE_NOOP("Names", "横田 真央"),
    QT_TRANSLATE_NOOP("Names", "高峰 武"),   QT_TRANSLATE_NOOP("Names", "速水 結"),
};

QString Translate(const char* context, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return QCoreApplication::translate(context, utf8.constData());
}

}  // namespace

bool EnglishEdition() {
  //: The code of the language this translation is written in.
  return QCoreApplication::translate("Language", "ja") == QLatin1String("en");
}

QString CardNameInEdition(const QString& japaneseName) {
  return japaneseName.isEmpty() ? japaneseName : Translate("Cards", japaneseName);
}

QString PersonNameInEdition(const QString& japaneseName) {
  return japaneseName.isEmpty() ? japaneseName : Translate("Names", japaneseName);
}

}  // namespace korvane
