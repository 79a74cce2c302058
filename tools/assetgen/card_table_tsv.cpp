// Reads assets/cards.tsv: id, four side codes, name, English name; "#" starts a comment line.
#include <QFile>
#include <QStringList>

#include "tools/assetgen/assetgen.h"

namespace assetgen {

std::vector<CardDef> ReadCardTable(const QString& path, QString* error) {
  std::vector<CardDef> cards;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = "cannot read " + path;
    return {};
  }
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList f = line.split('\t');
    bool ok = false;
    CardDef c;
    c.id = f.value(0).toInt(&ok);
    if ((f.size() != 6 && f.size() != 7) || !ok || c.id != int(cards.size())) {
      *error = path + ": bad line \"" + line + "\"";
      return {};
    }
    for (int s = 0; s < 4; ++s) {
      const QString code = f[s + 1];
      if (code.size() != 1 || !QString("0123456789sab").contains(code)) {
        *error = path + ": bad side code in \"" + line + "\"";
        return {};
      }
      c.sides[s] = code[0].toLatin1();
    }
    c.name = f[5];
    cards.push_back(c);
  }
  return cards;
}

}  // namespace assetgen
