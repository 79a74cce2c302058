// Files found by name without regard to case. The game spells some of its files in two ways, and
// data made on other systems may come in any case; on a file system that tells case apart every
// spelling must still reach the one file.
#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// Every entry of `dir` whose name is `name` ignoring case, in name order: files only, or with
// `anyKind` folders and other entries too (a folder where a file should be is then seen).
QStringList SpellingsNoCase(const QString& dir, const QString& name, bool anyKind = false);

// The file `name` in `dir`: the exact spelling when it is there, else the first file of that name
// in any case; empty when there is none.
QString FindFileNoCase(const QString& dir, const QString& name);

}  // namespace korvane
