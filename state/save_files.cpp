#include "state/save_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "state/data_files.h"

namespace korvane {

namespace {

constexpr qint64 kSaveImageBytes = static_cast<qint64>(kSaveRecordCount) * kRecordLength;
constexpr qint64 kSettingsImageBytes = static_cast<qint64>(kSettingsRecordCount) * kRecordLength;

// What went wrong with a file, in words for the player (Qt's own texts are English).
QString Reason(const QFileDevice& file) {
  switch (file.error()) {
    case QFileDevice::PermissionsError:
      return QCoreApplication::translate("Files", "権限がありません");
    case QFileDevice::ResourceError:
      return QCoreApplication::translate(
          "Files", "ディスクの空きが足りないか、開けるファイルの数を超えました");
    case QFileDevice::WriteError:
      return QCoreApplication::translate(
          "Files", "書き込みに失敗しました。ディスクがいっぱいかもしれません");
    case QFileDevice::ReadError:
      return QCoreApplication::translate("Files", "読み出しに失敗しました");
    case QFileDevice::OpenError:
      return QCoreApplication::translate("Files", "開けません");
    case QFileDevice::RemoveError:
      return QCoreApplication::translate("Files", "削除できません");
    case QFileDevice::RenameError:
      return QCoreApplication::translate("Files", "名前を変えられません");
    default:
      return QCoreApplication::translate("Files", "ファイル操作に失敗しました");
  }
}

}  // namespace

std::optional<std::string> ReadFileImage(const QString& path, qint64 maxBytes, QString* error) {
  const QFileInfo info(path);
  if (!info.exists()) return std::string();
  if (info.isDir()) {
    if (error)
      *error =
          QCoreApplication::translate("Files", "%1 はファイルではなくフォルダです。").arg(path);
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error =
          QCoreApplication::translate("Files", "%1 を読めません（%2）。").arg(path, Reason(file));
    return std::nullopt;
  }
  const QByteArray bytes = file.read(maxBytes);
  if (file.error() != QFileDevice::NoError) {
    if (error)
      *error =
          QCoreApplication::translate("Files", "%1 を読めません（%2）。").arg(path, Reason(file));
    return std::nullopt;
  }
  return bytes.toStdString();
}

FileResult WriteFileAtomically(const QString& path, const std::string& bytes) {
  const QFileInfo info(path);
  auto failed = [&](const QString& why) {
    return FileResult::Failed(
        QCoreApplication::translate("Files", "%1 に書き込めませんでした（%2）。").arg(path, why));
  };
  if (!QDir().mkpath(info.absolutePath()))
    return failed(QCoreApplication::translate("Files", "フォルダを作れません"));
  if (info.isDir())
    return failed(QCoreApplication::translate("Files", "同じ名前のフォルダがあります"));
  // QSaveFile writes "<name>.XXXXXX" beside the target, syncs it and renames it over the target;
  // with the direct-write fallback off, an unwritable directory is an error, not a risk.
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return failed(Reason(file));
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const QString why = Reason(file);
    file.cancelWriting();
    return failed(why);
  }
  if (!file.commit()) return failed(Reason(file));
  return {};
}

SaveStore::SaveStore(const QString& directory) : directory_(directory) {}

QString SaveStore::DefaultDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QStringList SaveStore::AllSpellings(const QString& canonicalName) const {
  // Folders too: a folder in the save's place must be seen, not written through.
  return SpellingsNoCase(directory_, canonicalName, /*anyKind=*/true);
}

QString SaveStore::FindFile(const QString& canonicalName) const {
  // The canonical spelling wins when several exist; otherwise the first in name order, so that
  // reading and writing always agree on one file.
  const QStringList spellings = AllSpellings(canonicalName);
  QString name = canonicalName;
  if (!spellings.isEmpty() && !spellings.contains(canonicalName)) name = spellings.first();
  return QDir(directory_).filePath(name);
}

void SaveStore::LoadSettings(SoundSwitches& switches) const {
  const std::optional<std::string> image =
      ReadFileImage(SettingsPath(), kSettingsImageBytes, nullptr);
  if (image) DecodeSettingsImage(*image, switches);
}

FileResult SaveStore::SaveSettings(const SoundSwitches& switches) {
  return WriteFileAtomically(SettingsPath(), EncodeSettingsImage(switches));
}

SaveStatus SaveStore::HasSavedGame(QString* reason) const {
  QString why;
  const std::optional<std::string> image = ReadFileImage(SavePath(), kSaveImageBytes, &why);
  if (!image) {
    if (reason) *reason = why;
    return SaveStatus::Damaged;
  }
  const SaveStatus status = DecodeSaveImage(*image, nullptr, &why);
  if (status == SaveStatus::Damaged && reason) *reason = why;
  return status;
}

bool SaveStore::LoadGame(GameState& g, QString* error) const {
  QString why;
  const std::optional<std::string> image = ReadFileImage(SavePath(), kSaveImageBytes, &why);
  if (!image) {
    if (error) *error = why;
    return false;
  }
  const SaveStatus status = DecodeSaveImage(*image, &g, &why);
  if (status == SaveStatus::Damaged && error) *error = why;
  return status == SaveStatus::Saved;
}

FileResult SaveStore::SaveGame(const GameState& g, bool oldHouseVariant) {
  QString why;
  const std::optional<std::string> image = EncodeSaveImage(g, oldHouseVariant, &why);
  if (!image) return FileResult::Failed(why);
  const QString path = SavePath();
  FileResult written = WriteFileAtomically(path, *image);
  if (!written) return written;
  // Other spellings are stale copies of the same file; only the new one may remain.
  const QString keptName = QFileInfo(path).fileName();
  for (const QString& other : AllSpellings(QString::fromLatin1(kSaveFileName))) {
    const QString otherPath = QDir(directory_).filePath(other);
    if (other != keptName && QFileInfo(otherPath).isFile()) QFile::remove(otherPath);
  }
  return {};
}

FileResult SaveStore::DeleteSave() {
  for (const QString& name : AllSpellings(QString::fromLatin1(kSaveFileName))) {
    const QString path = QDir(directory_).filePath(name);
    if (!QFileInfo(path).isFile()) continue;
    QFile file(path);
    if (!file.remove()) {
      return FileResult::Failed(
          QCoreApplication::translate("Files", "%1 を削除できませんでした（%2）。")
              .arg(path, Reason(file)));
    }
  }
  return {};
}

FileResult SaveStore::KeepDamagedSaveAside(QString* newPath) {
  return MoveFileAside(SavePath(), QStringLiteral("damaged"), newPath);
}

FileResult MoveFileAside(const QString& path, const QString& tag, QString* newPath) {
  if (!QFileInfo::exists(path)) return {};
  for (int n = 1; n < 10000; ++n) {
    const QString target = path + QStringLiteral(".%1-%2").arg(tag).arg(n);
    if (QFileInfo::exists(target)) continue;
    if (!QDir().rename(path, target)) {
      return FileResult::Failed(
          QCoreApplication::translate("Files", "%1 を %2 に移せませんでした。").arg(path, target));
    }
    if (newPath) *newPath = target;
    return {};
  }
  return FileResult::Failed(
      QCoreApplication::translate("Files", "%1 を移す先の名前が見つかりません。").arg(path));
}

QString SaveStore::ResumePath() const {
  return QDir(directory_).filePath(QString::fromLatin1(kResumeFileName));
}

bool SaveStore::HasResumeCopy() const { return QFileInfo(ResumePath()).isFile(); }

namespace {

// One rename in the same directory, replacing the target (rename(2) is atomic: the target
// holds the old file or the new one, never neither).
FileResult MoveOver(const QString& from, const QString& to) {
  if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
    // The new name is on the disk before the game goes on (a power cut keeps one of the two).
    const int dir = ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
    return {};
  }
  return FileResult::Failed(
      QCoreApplication::translate("Files", "%1 を %2 に移せませんでした。").arg(from, to));
}

}  // namespace

FileResult SaveStore::RestoreResumeCopy() {
  if (!HasResumeCopy()) return {};
  const QString target = SavePath();
  if (QFileInfo(target).isDir()) {
    return FileResult::Failed(
        QCoreApplication::translate("Files", "%1 を戻せません（同じ名前のフォルダがあります）。")
            .arg(target));
  }
  return MoveOver(ResumePath(), target);
}

FileResult SaveStore::DiscardResumeCopy() {
  if (!HasResumeCopy()) return {};
  QFile file(ResumePath());
  if (file.remove()) return {};
  return FileResult::Failed(
      QCoreApplication::translate("Files", "%1 を削除できませんでした（%2）。")
          .arg(file.fileName(), Reason(file)));
}

}  // namespace korvane
