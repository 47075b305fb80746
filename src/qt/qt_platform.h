#pragma once
// The platform of the desktop program: Qt message boxes, file dialogs, dialogs
// from templates, the desktop shell and the system clipboard.

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_dialog.h"

class QTimer;
class QWidget;
class QtDialog;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  // Windows still open at the end (the program quitting) go with the platform.
  ~QtPlatform() override;

  void ShowMessage(std::string_view text, std::string_view caption) override;
  int Ask(std::string_view text, std::string_view caption, MessageButtons buttons) override;
  void Beep() override;
  Clipboard& GetClipboard() override { return clipboard_; }

  bool ChooseOpenFile(PlatformWindow* owner, const FileDialogOptions& options,
                      std::string* path) override;
  bool ChooseSaveFile(PlatformWindow* owner, const FileDialogOptions& options,
                      std::string* path) override;
  bool ChooseFolder(PlatformWindow* owner, std::string_view title, std::string* path) override;
  // The system's print dialog, proposing Letter paper and one copy; the
  // copies chosen are printed by the program, one pass each.
  PrinterChoice ChoosePrinter(PlatformWindow* owner) override;
  int ShellOpen(std::string_view target) override;
  int StartProgram(std::string_view path) override;
  std::string ProgramPath() override;
  std::string DocumentsFolder() override;

  int RunModal(const DialogTemplate& dialogTemplate, const DialogProc& proc, Dialog* owner,
               std::intptr_t param) override;
  Dialog* CreateModeless(const DialogTemplate& dialogTemplate, const DialogProc& proc,
                         Dialog* owner, std::intptr_t param) override;
  void PostQuit(int exitCode) override;

  PixelRect WorkArea() override;
  void CursorPosition(int* x, int* y) override;

  // A timer's action waits while a modal dialog or message box is open: the
  // program is in the middle of a command then (qt_platform_timers.cpp).
  int StartTimer(int milliseconds, std::function<void()> action) override;
  void StopTimer(int id) override;
  // Under a script the intervals pass only when it says so.
  void SetTimersByScript(bool byScript) { timersByScript_ = byScript; }
  bool FireTimers();

  // In the user's settings (QSettings), shared by every instance of the program.
  std::vector<std::string> LoadRecentFiles() override;
  void StoreRecentFiles(const std::vector<std::string>& paths) override;

  // The window a message or file dialog belongs to: the owner's, else the
  // active modal or ordinary window.
  static QWidget* ParentFor(PlatformWindow* owner);

  // Where PostQuit goes instead of ending the event loop (tests and scripts,
  // which have no loop of the program's own to end).
  void SetQuitHandler(std::function<void(int)> handler) { quitHandler_ = std::move(handler); }

  // A script drives the program: while a modal dialog is open its loop runs
  // the pump, the script's next line, until the dialog ends; a pump with
  // nothing more to run cancels the dialog.
  void SetPump(std::function<bool()> pump) { pump_ = std::move(pump); }
  // The path the program reports as its own instead of the real one.
  void SetProgramPath(std::string path) { programPath_ = std::move(path); }
  // The first open window without an owner; the modal dialog on top, else it.
  QtDialog* MainWindow() const;
  // A modeless window of that template while it shows; nullptr otherwise.
  QtDialog* ShownModeless(int templateId) const;
  // The user brings a modeless window forward: the lines after act on it.
  void BringToFront(QtDialog& dialog) { front_ = &dialog; }
  QtDialog* ActiveWindow() const;
  // Ends every modeless window, owned ones first.
  void CloseWindows();

 private:
  QtClipboard clipboard_;
  std::vector<QPointer<QtDialog>> modeless_;
  QPointer<QtDialog> front_;  // the modeless window shown or brought forward last
  std::vector<QPointer<QtDialog>> modal_;
  void RunTimer(int id);

  std::function<void(int)> quitHandler_;
  struct Timer {
    std::function<void()> action;
    std::unique_ptr<QTimer> timer;
  };
  std::map<int, Timer> timers_;
  int lastTimer_ = 0;
  bool timersByScript_ = false;
  std::function<bool()> pump_;
  std::string programPath_;
};
