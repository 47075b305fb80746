#include "text/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinks = 40;  // as the system's own lookup

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

bool FailWithErrno(std::string* error) { return Fail(error, std::strerror(errno)); }

// The file a chain of symbolic links leads to; the path itself when it is none.
std::optional<fs::path> FollowLinks(fs::path path) {
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::error_code unreadable;
    const fs::path target = fs::read_symlink(path, unreadable);
    if (unreadable) {
      errno = unreadable.value();
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  errno = ELOOP;
  return std::nullopt;
}

// 0, or the error that stopped the write.
int WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Makes the rename itself last; some file systems cannot, which costs nothing.
void FlushFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// Writes, flushes and closes the temporary file; removes it on failure.
bool WriteTemporary(const fs::path& temporary, std::string_view bytes,
                    const struct stat* previous, NewFileAccess access, std::string* error) {
  // A save that was killed may have left it, or anyone a link in its place.
  if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) return FailWithErrno(error);
  // Private until it has the file's permissions; a new file gets the usual ones.
  const mode_t mode = previous || access == NewFileAccess::kOwnerOnly ? 0600 : 0666;
  const int descriptor =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (descriptor < 0) return FailWithErrno(error);
  int failure = 0;
  if (previous) {
    if (::fchown(descriptor, previous->st_uid, previous->st_gid) != 0) {
      // Only root (or the owner, for a group of his) may keep them; the
      // permissions below hold either way.
    }
    if (::fchmod(descriptor, previous->st_mode & 07777) != 0) failure = errno;
  }
  if (!failure) failure = WriteAll(descriptor, bytes);
  // The bytes are on disk before the rename makes them the document.
  if (!failure && ::fsync(descriptor) != 0) failure = errno;
  if (::close(descriptor) != 0 && !failure) failure = errno;
  if (!failure) return true;
  ::unlink(temporary.c_str());
  return Fail(error, std::strerror(failure));
}

// Refuses a target that is no file, or one this user may not write: replacing
// it by a rename would succeed where writing it would not.
bool MayReplace(const fs::path& target, const struct stat& status, std::string* error) {
  if (S_ISDIR(status.st_mode)) return Fail(error, "It is a folder");
  if (!S_ISREG(status.st_mode)) return Fail(error, "It is not a regular file");
  // Root may write anything, but a file nobody may write is still read-only.
  if ((status.st_mode & 0222) == 0) return Fail(error, "The file is read-only");
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0) return true;
  if (errno == EACCES || errno == EPERM) return Fail(error, "The file is read-only");
  return FailWithErrno(error);
}

}  // namespace

std::string ReplacementTemporaryPath(const std::string& path) { return path + ".saving~"; }

bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* error,
                         NewFileAccess access) {
  const std::optional<fs::path> target = FollowLinks(path);
  if (!target) return FailWithErrno(error);
  struct stat previous {};
  const bool exists = ::stat(target->c_str(), &previous) == 0;
  if (!exists && errno != ENOENT) return FailWithErrno(error);
  if (exists && !MayReplace(*target, previous, error)) return false;
  const fs::path temporary = ReplacementTemporaryPath(*target);
  if (!WriteTemporary(temporary, bytes, exists ? &previous : nullptr, access, error)) return false;
  if (::rename(temporary.c_str(), target->c_str()) != 0) {
    FailWithErrno(error);
    ::unlink(temporary.c_str());
    return false;
  }
  FlushFolder(*target);
  return true;
}
