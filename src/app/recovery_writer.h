#pragma once
// Writes recovery files on a thread of its own, so that flushing them to disk
// never holds up the user's typing. The document is turned into bytes on the
// interface thread, where it cannot change meanwhile; only the bytes travel.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/recovery_store.h"
#include "text/tag_buffer.h"

struct RecoveryJob {
  CTagBuffer document;
  std::string documentPath;  // written to files.origin first
  RecoveryFiles files;
};

class RecoveryWriter {
 public:
  RecoveryWriter() = default;
  // Finishes the write in progress; one still waiting is dropped.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // A newer job replaces one that has not started: only the latest state counts.
  void Write(RecoveryJob job);
  // Returns once nothing is waiting or being written.
  void Wait();
  // Why the last write that failed did so, once; nullopt when none failed since.
  std::optional<std::string> TakeFailure();

 private:
  void Run();
  void Perform(RecoveryJob& job);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<RecoveryJob> waiting_;
  bool busy_ = false;
  bool stopping_ = false;
  std::optional<std::string> failure_;
  std::thread thread_;
};
