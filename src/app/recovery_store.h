#pragma once
// The recovery files in the user's state folder. Each running program keeps
// one document's unsaved changes under an id of its own: ID.vqn (the document
// as Save writes it), ID.path (its document's path, empty while untitled) and
// ID.lock, which the program holds locked while it runs, so that another
// instance never offers work still in progress.

#include <ctime>
#include <string>
#include <vector>

struct RecoveryFiles {
  std::string document;
  std::string origin;
  std::string lock;
};

// A lock the system drops with the process, however it ends.
class RecoveryLock {
 public:
  RecoveryLock() = default;
  ~RecoveryLock() { Release(); }
  RecoveryLock(RecoveryLock&& other) noexcept : descriptor_(other.descriptor_) {
    other.descriptor_ = -1;
  }
  RecoveryLock& operator=(RecoveryLock&& other) noexcept;
  RecoveryLock(const RecoveryLock&) = delete;
  RecoveryLock& operator=(const RecoveryLock&) = delete;

  // Locks the file, creating it for the user alone; false when another holder has it.
  bool Take(const std::string& path);
  void Release();
  bool Held() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
};

struct FoundRecovery {
  std::string id;
  RecoveryFiles files;
  std::string documentPath;  // empty: an untitled document
  std::time_t written = 0;
  bool newerThanDocument = true;  // also when the document is gone
  RecoveryLock lock;              // held by this program now
};

// <state folder>/fenmarsh-herdwright/recovery; empty without a home.
std::string RecoveryFolder();
RecoveryFiles RecoveryFilesOf(const std::string& folder, const std::string& id);
// An id no other program or session of this one has used.
std::string NewRecoveryId();

// Creates the folder and any missing parents for the user alone; refuses a
// folder that is not a real folder of this user.
bool PreparePrivateFolder(const std::string& folder, std::string* error);

// The recoveries no running program holds, newest first; their locks are taken.
std::vector<FoundRecovery> FindAbandonedRecoveries(const std::string& folder);
void RemoveRecoveryFiles(const RecoveryFiles& files);
