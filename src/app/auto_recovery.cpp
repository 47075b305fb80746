#include "app/auto_recovery.h"

#include <filesystem>
#include <new>
#include <vector>

#include "app/app_main.h"
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/document_title.h"
#include "app/recovery_store.h"
#include "app/recovery_writer.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "text/number_text.h"

namespace {

struct RecoverySession {
  std::string folder;
  std::string id;
  RecoveryLock lock;  // held while this program's files may exist
  bool failureShown = false;
  int timer = 0;
  std::vector<FoundRecovery> declined;
  RecoveryWriter writer;

  RecoveryFiles Files() const { return RecoveryFilesOf(folder, id); }
};

RecoverySession& Session() {
  static RecoverySession session;
  return session;
}

// Said once a session: a message from a timer must not come back every minute.
void ReportFailure(RecoverySession& session, const std::string& reason) {
  if (session.failureShown) return;
  session.failureShown = true;
  App_MessageBox("Unsaved changes could not be kept in the recovery file <" +
                 session.Files().document + ">\n\n" + reason);
}

void RemoveOwnFiles(RecoverySession& session) {
  if (!session.lock.Held()) return;
  session.writer.Wait();
  RemoveRecoveryFiles(session.Files());
  session.lock.Release();
}

std::string AbsolutePath(const std::string& path) {
  std::error_code failed;
  const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
  return failed ? path : absolute.lexically_normal().string();
}

std::string TimeText(std::time_t when) {
  const std::tm local = LocalTime(when);
  const std::string minutes = FormatInt(local.tm_min);
  return FormatDocumentDate(local) + " " + FormatInt(local.tm_hour) + ":" +
         (local.tm_min < 10 ? "0" + minutes : minutes);
}

std::string DocumentName(const FoundRecovery& recovery) {
  return recovery.documentPath.empty() ? std::string("Untitled")
                                       : FileNamePart(recovery.documentPath);
}

// Read whole before the question, so that Yes never meets a file that fails.
bool Readable(const FoundRecovery& recovery, std::string* reason) {
  CTagBuffer buffer;
  if (!buffer.ReadFromFile(recovery.files.document, reason)) return false;
  CBudgetWorksheet scratch;
  if (scratch.ReadTags(buffer.View())) return true;
  *reason = "It holds no worksheet.";
  return false;
}

bool OpenRecovered(const FoundRecovery& recovery) {
  CBudgetWorksheet& document = App_Document();
  if (!document.Open(recovery.files.document)) return false;
  SetDocumentTitle(recovery.documentPath);
  document.RefreshOperatingInterest();
  SetDocumentModified();
  return true;
}

bool IsRecoveryOf(const FoundRecovery& recovery, const std::string& document) {
  return !document.empty() && !recovery.documentPath.empty() &&
         recovery.documentPath == AbsolutePath(document);
}

}  // namespace

void App_ResetRecovery() {
  App_EndRecovery();
  RecoverySession& session = Session();
  session.folder = RecoveryFolder();
  session.id = NewRecoveryId();
  session.failureShown = false;
}

void App_StartRecoveryTimer() {
  RecoverySession& session = Session();
  if (session.timer == 0)
    session.timer = App_Platform().StartTimer(kRecoveryIntervalMs, [] { App_WriteRecovery(); });
}

void App_WriteRecovery() {
  RecoverySession& session = Session();
  if (std::optional<std::string> failure = session.writer.TakeFailure())
    ReportFailure(session, *failure);
  if (!App_IsModified()) {
    RemoveOwnFiles(session);
    return;
  }
  if (session.folder.empty()) return;
  // Checked each time: the folder may have been opened up or replaced meanwhile.
  std::string error;
  if (!PreparePrivateFolder(session.folder, &error)) return ReportFailure(session, error);
  if (!session.lock.Held() && !session.lock.Take(session.Files().lock))
    return ReportFailure(session, "Its lock could not be taken.");
  const AppState& state = App_State();
  RecoveryJob job;
  job.files = session.Files();
  job.documentPath = state.hasFileName ? AbsolutePath(state.documentPath) : std::string();
  try {
    App_Document().WriteTags(job.document);
  } catch (const std::bad_alloc&) {
    return ReportFailure(session, "There is not enough memory to write it.");
  }
  session.writer.Write(std::move(job));
}

void App_DiscardRecovery() { RemoveOwnFiles(Session()); }

void App_DiscardDeclinedRecoveries() {
  RecoverySession& session = Session();
  for (const FoundRecovery& recovery : session.declined) RemoveRecoveryFiles(recovery.files);
  session.declined.clear();
}

void App_EndRecovery() {
  RecoverySession& session = Session();
  if (session.timer != 0) App_Platform().StopTimer(session.timer);
  session.timer = 0;
  App_DiscardRecovery();
  App_DiscardDeclinedRecoveries();
}

bool App_OfferRecovery(const std::string& commandLineDocument) {
  RecoverySession& session = Session();
  if (session.folder.empty()) return false;
  std::vector<FoundRecovery> found = FindAbandonedRecoveries(session.folder);
  std::stable_partition(found.begin(), found.end(), [&](const FoundRecovery& recovery) {
    return IsRecoveryOf(recovery, commandLineDocument);
  });
  for (FoundRecovery& recovery : found) {
    std::string reason;
    if (!recovery.newerThanDocument) {
      RemoveRecoveryFiles(recovery.files);
      continue;
    }
    if (!Readable(recovery, &reason)) {
      App_MessageBox("The unsaved changes to " + DocumentName(recovery) + " kept in <" +
                     recovery.files.document +
                     "> cannot be read, and the file has been removed.\n\n" + reason);
      RemoveRecoveryFiles(recovery.files);
      continue;
    }
    if (!App_AskYesNo("Recover unsaved changes to " + DocumentName(recovery) + " from " +
                      TimeText(recovery.written) + "?")) {
      session.declined.push_back(std::move(recovery));
      continue;
    }
    if (!OpenRecovered(recovery)) {
      RemoveRecoveryFiles(recovery.files);
      continue;
    }
    // Its files become this program's: they go on being written, and go at a save.
    session.id = recovery.id;
    session.lock = std::move(recovery.lock);
    return true;
  }
  return false;
}

std::string App_RecoveryFile() { return Session().Files().document; }

void App_WaitForRecovery() { Session().writer.Wait(); }
