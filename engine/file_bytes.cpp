#include "engine/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace korvane {
namespace {

constexpr int kNotARegularFile = -1;

// Why a file could not be read, in words a player understands.
std::string Reason(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return "見つかりません";
    case EACCES:
    case EPERM:
      return "読む権限がありません";
    case EISDIR:
      return "ファイルではなくフォルダです";
    case ELOOP:
      return "リンクが循環しています";
    case EIO:
      return "ディスクから読み出せません";
    case kNotARegularFile:
      return "普通のファイルではありません";
    default:
      return "読み出せません（エラー番号 " + std::to_string(err) + "）";
  }
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error,
                                         size_t maxBytes) {
  auto fail = [&](int err) -> std::optional<std::string> {
    if (error) *error = "「" + path + "」は" + Reason(err) + "。";
    return std::nullopt;
  };
  // Non-blocking, so that a pipe in the file's place cannot hold the program up; for a regular
  // file the flag changes nothing.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return fail(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return fail(err);
  }
  // Only a regular file is a card file or a save; a folder, a pipe or a device is not.
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(st.st_mode) ? EISDIR : kNotARegularFile);
  }
  std::string bytes;
  char buffer[16384];
  while (bytes.size() < maxBytes) {
    const size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return fail(err);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  return bytes;
}

}  // namespace korvane
