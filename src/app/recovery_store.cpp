#include "app/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "app/setup_places.h"
#include "text/file_read.h"
#include "text/file_replace.h"

namespace fs = std::filesystem;

namespace {

// Named as the program's desktop entry and document type are.
constexpr const char* kProgramStateFolder = "/fenmarsh-herdwright/recovery";
constexpr const char* kDocumentExtension = ".vqn";
constexpr std::size_t kMaxOriginBytes = 65536;

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

std::string ReadOrigin(const std::string& path) {
  std::string origin;
  std::string ignored;
  if (!ReadRegularFile(path, kMaxOriginBytes, &origin, &ignored)) return {};
  return origin;
}

// Whether the recovery was written after the document last was; a document
// that is gone leaves the recovery as the only copy.
bool NewerThan(const fs::file_time_type& written, const std::string& documentPath) {
  if (documentPath.empty()) return true;
  std::error_code missing;
  const fs::file_time_type saved = fs::last_write_time(documentPath, missing);
  return missing || written > saved;
}

}  // namespace

RecoveryLock& RecoveryLock::operator=(RecoveryLock&& other) noexcept {
  if (this != &other) {
    Release();
    descriptor_ = other.descriptor_;
    other.descriptor_ = -1;
  }
  return *this;
}

bool RecoveryLock::Take(const std::string& path) {
  Release();
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0) return false;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    ::close(descriptor);
    return false;
  }
  descriptor_ = descriptor;
  return true;
}

void RecoveryLock::Release() {
  if (descriptor_ < 0) return;
  ::close(descriptor_);
  descriptor_ = -1;
}

std::string RecoveryFolder() {
  const std::string state = UserStateFolder();
  return state.empty() ? std::string() : state + kProgramStateFolder;
}

RecoveryFiles RecoveryFilesOf(const std::string& folder, const std::string& id) {
  const std::string base = folder + "/" + id;
  return {base + kDocumentExtension, base + ".path", base + ".lock"};
}

std::string NewRecoveryId() {
  static int session = 0;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::to_string(::getpid()) + "-" +
         std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) + "-" +
         std::to_string(++session);
}

bool PreparePrivateFolder(const std::string& folder, std::string* error) {
  if (folder.empty() || folder.front() != '/') return Fail(error, "There is no state folder");
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return Fail(error, std::strerror(errno));
    if (slash == std::string::npos) break;
  }
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0) return Fail(error, std::strerror(errno));
  if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
    return Fail(error, "The folder " + folder + " does not belong to this user");
  if ((status.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
    return Fail(error, std::strerror(errno));
  return true;
}

std::vector<FoundRecovery> FindAbandonedRecoveries(const std::string& folder) {
  std::vector<FoundRecovery> found;
  std::error_code unreadable;
  for (const auto& entry : fs::directory_iterator(folder, unreadable)) {
    const fs::path& path = entry.path();
    std::error_code status;
    if (path.extension() != kDocumentExtension || !entry.is_regular_file(status)) continue;
    FoundRecovery recovery;
    recovery.id = path.stem().string();
    recovery.files = RecoveryFilesOf(folder, recovery.id);
    if (!recovery.lock.Take(recovery.files.lock)) continue;  // its program still runs
    const fs::file_time_type written = fs::last_write_time(path, status);
    if (status) continue;
    recovery.written =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    recovery.documentPath = ReadOrigin(recovery.files.origin);
    recovery.newerThanDocument = NewerThan(written, recovery.documentPath);
    found.push_back(std::move(recovery));
  }
  std::stable_sort(found.begin(), found.end(), [](const FoundRecovery& a, const FoundRecovery& b) {
    return a.written > b.written;
  });
  return found;
}

void RemoveRecoveryFiles(const RecoveryFiles& files) {
  // The lock goes last: while it is there, nobody takes the others for abandoned.
  for (const std::string* path : {&files.document, &files.origin}) {
    ::unlink(path->c_str());
    ::unlink(ReplacementTemporaryPath(*path).c_str());
  }
  ::unlink(files.lock.c_str());
}
