#pragma once
// The platform without a screen. Message boxes are recorded; questions, file
// dialogs and popup menus take the answers queued in Answers(), and one that
// finds none is recorded as a failure. Modal dialogs run a pump (the script
// runner) until they end; modeless dialogs belong to the platform, and the
// first one without an owner is the main window.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "headless/headless_dialog.h"
#include "platform/memory_clipboard.h"
#include "platform/platform.h"
#include "script/script_answers.h"

class HeadlessPlatform : public Platform, private HeadlessDialogOwner {
 public:
  explicit HeadlessPlatform(bool echoToStderr = false) : echo_(echoToStderr) {}
  ~HeadlessPlatform() override;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  void ShowMessage(std::string_view text, std::string_view caption) override;
  // An OK box needs no answer; any other takes the next queued one. Without one
  // the failure "unanswered question: TEXT" is recorded and the answer is No,
  // or Cancel when there is no No.
  int Ask(std::string_view text, std::string_view caption, MessageButtons buttons) override;
  void Beep() override { ++beeps_; }
  Clipboard& GetClipboard() override { return clipboard_; }
  bool ChooseOpenFile(PlatformWindow*, const FileDialogOptions&, std::string* path) override;
  bool ChooseSaveFile(PlatformWindow*, const FileDialogOptions&, std::string* path) override;
  bool ChooseFolder(PlatformWindow*, std::string_view title, std::string* path) override;
  // The queued answer: a PDF file on Letter paper, or cancel; or the printer
  // a test set.
  PrinterChoice ChoosePrinter(PlatformWindow* owner) override;
  int ShellOpen(std::string_view target) override;
  // Records the program; the result set with SetShellResult.
  int StartProgram(std::string_view path) override;
  std::string ProgramPath() override { return programPath_; }
  std::string DocumentsFolder() override { return documentsFolder_; }
  // Sends kInit, then calls the pump until the dialog has ended; without a pump,
  // or when the pump has nothing more to run, the dialog ends with kIdCancel.
  int RunModal(const DialogTemplate& from, const DialogProc& proc, Dialog* owner,
               std::intptr_t param) override;
  Dialog* CreateModeless(const DialogTemplate& from, const DialogProc& proc, Dialog* owner,
                         std::intptr_t param) override;
  void PostQuit(int exitCode) override;
  PixelRect WorkArea() override { return {0, 0, 1280, 1024}; }
  void CursorPosition(int* x, int* y) override;
  // Timers run only when FireTimers says their interval has passed, and not
  // while a modal dialog is open.
  int StartTimer(int milliseconds, std::function<void()> action) override;
  void StopTimer(int id) override { timers_.erase(id); }
  // Kept in memory: each program run starts with an empty list.
  std::vector<std::string> LoadRecentFiles() override { return recentFiles_; }
  void StoreRecentFiles(const std::vector<std::string>& paths) override { recentFiles_ = paths; }

  // Every running timer's interval passes once; false when none runs.
  bool FireTimers();

  ScriptAnswers& Answers() { return answers_; }
  // Runs the next piece of the user's work; false when there is none.
  void SetPump(std::function<bool()> pump) { pump_ = std::move(pump); }

  // The modal dialog on top, otherwise the modeless window shown or activated
  // last while it shows, otherwise the main window; nullptr when none.
  HeadlessDialog* ActiveWindow();
  // The user brings a shown modeless window of that template to the front;
  // false when there is none.
  bool Activate(int templateId);
  HeadlessDialog* MainWindow();
  // Posted actions, in order, including those they post; dropped for a dialog
  // that no longer exists.
  void RunPosted();
  // Frees the modeless dialogs that have ended; only while no event is handled.
  void ReleaseEndedWindows();
  // Ends every modeless dialog, so that the program forgets its windows.
  void CloseWindows();

  // The first failure recorded since the last call, and forgets the rest.
  std::optional<std::string> TakeFailure() { return answers_.TakeFailure(); }
  // The items of the last popup menu shown since the last call, if any.
  std::optional<std::vector<MenuItem>> TakeLastPopupMenu() { return answers_.TakeLastPopupMenu(); }
  bool QuitPosted() const { return quitPosted_; }
  int ExitCode() const { return exitCode_; }

  MemoryClipboard& Memory() { return clipboard_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  std::vector<std::string> TakeMessages();
  int Beeps() const { return beeps_; }

  void SetShellResult(int result) { shellResult_ = result; }
  const std::vector<std::string>& ShellOpened() const { return shellOpened_; }
  const std::vector<std::string>& ProgramsStarted() const { return programsStarted_; }
  void SetProgramPath(std::string path) { programPath_ = std::move(path); }
  void SetDocumentsFolder(std::string folder) { documentsFolder_ = std::move(folder); }
  // Where each file dialog shown so far started, in order.
  const std::vector<std::string>& ProposedFiles() const { return proposedFiles_; }
  // Stands in for the print dialog (tests); nullptr: the queued answers.
  void SetPrinter(std::function<PrinterChoice(PlatformWindow*)> printer) {
    printer_ = std::move(printer);
  }
  void SetCursorPosition(int x, int y) {
    cursorX_ = x;
    cursorY_ = y;
  }

 private:
  struct PostedAction {
    HeadlessDialog* dialog;
    std::function<void()> action;
  };

  void PostAction(HeadlessDialog& from, std::function<void()> action) override;
  std::optional<int> ChoosePopupItem(const std::vector<MenuItem>& items) override;
  void ModelessEnded(HeadlessDialog& dialog) override;
  void WindowShown(HeadlessDialog& dialog) override;

  HeadlessDialogOwner& AsOwner() { return *this; }
  void RecordMessage(std::string_view text);
  bool ChooseFile(std::string* path);
  void Open(HeadlessDialog& dialog, std::intptr_t param);
  void DropPosted(const HeadlessDialog& dialog);

  bool echo_;
  MemoryClipboard clipboard_;
  std::vector<std::string> messages_;
  int beeps_ = 0;
  ScriptAnswers answers_;
  std::function<bool()> pump_;
  std::vector<HeadlessDialog*> modal_;
  std::vector<std::unique_ptr<HeadlessDialog>> modeless_;
  HeadlessDialog* front_ = nullptr;  // the modeless window shown or activated last
  std::deque<PostedAction> posted_;
  bool quitPosted_ = false;
  int exitCode_ = 0;
  int shellResult_ = 33;
  std::vector<std::string> shellOpened_;
  std::vector<std::string> programsStarted_;
  std::string programPath_ = "/opt/herdwright/herdwright";
  std::string documentsFolder_;
  std::vector<std::string> proposedFiles_;
  int cursorX_ = 0, cursorY_ = 0;
  std::function<PrinterChoice(PlatformWindow*)> printer_;
  std::map<int, std::function<void()>> timers_;
  int lastTimer_ = 0;
  std::vector<std::string> recentFiles_;
};
