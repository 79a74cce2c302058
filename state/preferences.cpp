#include "state/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>

namespace korvane {

PreferenceStore::PreferenceStore(QString path) : path_(std::move(path)) {}

QString PreferenceStore::DefaultPath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(config).filePath(QStringLiteral("korvane/preferences.ini"));
}

Preferences PreferenceStore::Load() const {
  Preferences p;
  if (!QFileInfo(path_).isFile()) return p;
  const QSettings s(path_, QSettings::IniFormat);
  bool ok = false;
  const double zoom = s.value(QStringLiteral("view/zoom")).toDouble(&ok);
  if (ok && std::isfinite(zoom) && zoom >= Preferences::kMinZoom && zoom <= Preferences::kMaxZoom)
    p.zoom = zoom;
  p.fullScreen = s.value(QStringLiteral("view/fullScreen"), false).toBool();
  if (s.value(QStringLiteral("duel/pace")).toString() == QStringLiteral("fast"))
    p.pace = Pace::Fast;
  if (s.value(QStringLiteral("game/language")).toString() == QStringLiteral("en"))
    p.language = QStringLiteral("en");
  p.score = s.value(QStringLiteral("help/score"), true).toBool();
  p.preview = s.value(QStringLiteral("help/preview"), true).toBool();
  p.mapMarks = s.value(QStringLiteral("help/mapMarks"), true).toBool();
  p.patterns = s.value(QStringLiteral("view/patterns"), false).toBool();
  p.highContrast = s.value(QStringLiteral("view/highContrast"), false).toBool();
  return p;
}

bool PreferenceStore::Save(const Preferences& prefs) const {
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
  QSettings s(path_, QSettings::IniFormat);
  if (prefs.zoom > 0) {
    s.setValue(QStringLiteral("view/zoom"), prefs.zoom);
  } else {
    s.remove(QStringLiteral("view/zoom"));
  }
  s.setValue(QStringLiteral("view/fullScreen"), prefs.fullScreen);
  s.setValue(QStringLiteral("duel/pace"),
             prefs.pace == Pace::Fast ? QStringLiteral("fast") : QStringLiteral("normal"));
  s.setValue(QStringLiteral("game/language"), prefs.language);
  s.setValue(QStringLiteral("help/score"), prefs.score);
  s.setValue(QStringLiteral("help/preview"), prefs.preview);
  s.setValue(QStringLiteral("help/mapMarks"), prefs.mapMarks);
  s.setValue(QStringLiteral("view/patterns"), prefs.patterns);
  s.setValue(QStringLiteral("view/highContrast"), prefs.highContrast);
  s.sync();
  return s.status() == QSettings::NoError;
}

bool PreferenceStore::SaveLanguage(const QString& language) const {
  if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
  QSettings s(path_, QSettings::IniFormat);
  s.setValue(QStringLiteral("game/language"),
             language == QStringLiteral("en") ? QStringLiteral("en") : QStringLiteral("ja"));
  s.sync();
  return s.status() == QSettings::NoError;
}

}  // namespace korvane
