#include "text/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/number_text.h"

namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

std::string GroupedCount(std::size_t count) {
  std::string digits = FormatInt(static_cast<std::int64_t>(count));
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

std::string TooLargeReason(std::size_t maxBytes) {
  return "it is larger than " + GroupedCount(maxBytes) + " bytes";
}

bool ReadToEnd(int descriptor, std::size_t maxBytes, std::string* bytes, std::string* error) {
  bytes->clear();
  constexpr std::size_t kChunk = 1 << 16;
  // One byte past the limit tells a file that exceeds it, whatever its size claims.
  while (bytes->size() <= maxBytes) {
    const std::size_t had = bytes->size();
    // Within the room reserved for the size the file claims, so that the
    // last chunk does not double a text of megabytes; beyond it, a chunk.
    const std::size_t room = bytes->capacity() - had;
    const std::size_t want = std::min({kChunk, maxBytes + 1 - had, room > 0 ? room : kChunk});
    bytes->resize(had + want);
    const ssize_t got = ::read(descriptor, bytes->data() + had, want);
    if (got < 0 && errno == EINTR) {
      bytes->resize(had);
      continue;
    }
    if (got < 0) {
      SetError(error, std::strerror(errno));
      bytes->clear();
      return false;
    }
    bytes->resize(had + static_cast<std::size_t>(got));
    if (got == 0) return true;
  }
  SetError(error, TooLargeReason(maxBytes));
  bytes->clear();
  return false;
}

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string* bytes,
                     std::string* error) {
  bytes->clear();
  // Opening a FIFO for reading waits for a writer; without blocking it does not.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    SetError(error, std::strerror(errno));
    return false;
  }
  struct stat status {};
  bool read = false;
  if (::fstat(descriptor, &status) != 0) {
    SetError(error, std::strerror(errno));
  } else if (S_ISDIR(status.st_mode)) {
    SetError(error, "it is a folder");
  } else if (!S_ISREG(status.st_mode)) {
    SetError(error, "it is not a regular file");
  } else {
    if (static_cast<std::size_t>(status.st_size) <= maxBytes)
      bytes->reserve(static_cast<std::size_t>(status.st_size) + 1);
    read = ReadToEnd(descriptor, maxBytes, bytes, error);
  }
  ::close(descriptor);
  return read;
}
