#include "state/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace korvane {

QStringList SpellingsNoCase(const QString& dir, const QString& name, bool anyKind) {
  QStringList found;
  const QDir d(dir);
  if (name.isEmpty() || !d.exists()) return found;
  const QDir::Filters filters =
      anyKind ? QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System
              : QDir::Files | QDir::NoDotAndDotDot;
  for (const QString& entry : d.entryList(filters, QDir::Name)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) found << entry;
  }
  return found;
}

QString FindFileNoCase(const QString& dir, const QString& name) {
  if (name.isEmpty()) return {};
  const QDir d(dir);
  if (QFileInfo(d.filePath(name)).isFile()) return d.filePath(name);
  const QStringList spellings = SpellingsNoCase(dir, name);
  return spellings.isEmpty() ? QString() : d.filePath(spellings.first());
}

}  // namespace korvane
