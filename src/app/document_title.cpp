#include "app/document_title.h"

#include <chrono>
#include <filesystem>

#include "app/app_state.h"
#include "app/command_line.h"
#include "app/undo_history.h"
#include "text/number_text.h"
#include "platform/app_message.h"
#include "platform/dialog.h"

namespace {

std::time_t LastWriteTime(const std::string& path) {
  std::error_code status;
  const auto written = std::filesystem::last_write_time(path, status);
  if (status) return std::time(nullptr);
  const auto system = std::chrono::file_clock::to_sys(written);
  return std::chrono::system_clock::to_time_t(system);
}

}  // namespace

std::tm LocalTime(std::time_t when) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  return local;
}

void SetDocumentTitle(std::string_view path) {
  AppState& state = App_State();
  MarkDocumentClean(false);
  if (path.empty()) {
    state.hasFileName = false;
    state.documentPath.clear();
    state.documentFileName.clear();
    if (state.mainWindow) state.mainWindow->SetCaption(kProductTitle);
    return;
  }
  state.hasFileName = true;
  state.documentPath = path;
  state.documentFileName = FileNamePart(path);
  if (state.mainWindow) {
    state.mainWindow->SetCaption(state.documentFileName + " - " + std::string(kProductTitle));
  }
}

void SetDocumentModified() { MarkDocumentChanged(); }

std::string GetDocumentFileName() {
  const AppState& state = App_State();
  return state.hasFileName ? state.documentFileName : std::string();
}

std::string GetDocumentDate() {
  const AppState& state = App_State();
  return DocumentDate(state.hasFileName ? state.documentPath : std::string(), state.modified);
}

std::string DocumentDate(const std::string& path, bool modified) {
  const std::time_t when = !path.empty() && !modified ? LastWriteTime(path) : std::time(nullptr);
  return FormatDocumentDate(LocalTime(when));
}

std::string FormatDocumentDate(const std::tm& local) {
  return FormatInt(local.tm_mon + 1) + "/" + FormatInt(local.tm_mday) + "/" +
         FormatInt(local.tm_year + 1900);
}
