#include "app/recovery_writer.h"

RecoveryWriter::~RecoveryWriter() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_.reset();
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void RecoveryWriter::Write(RecoveryJob job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = std::move(job);
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  }
  changed_.notify_all();
}

void RecoveryWriter::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !waiting_ && !busy_; });
}

std::optional<std::string> RecoveryWriter::TakeFailure() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::optional<std::string> failure;
  failure.swap(failure_);
  return failure;
}

void RecoveryWriter::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || waiting_; });
    if (stopping_) return;
    RecoveryJob job = std::move(*waiting_);
    waiting_.reset();
    busy_ = true;
    lock.unlock();
    Perform(job);
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

void RecoveryWriter::Perform(RecoveryJob& job) {
  std::string error;
  // The origin first: recovered bytes are never taken for another document's.
  if (ReplaceFileContents(job.files.origin, job.documentPath, &error, NewFileAccess::kOwnerOnly) &&
      job.document.WriteToFile(job.files.document, &error, NewFileAccess::kOwnerOnly))
    return;
  std::lock_guard<std::mutex> lock(mutex_);
  failure_ = error;
}
