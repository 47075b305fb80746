#pragma once
// What the core asks of the system: message boxes and questions, file dialogs,
// dialogs built from templates, the printer, the shell, sound and the
// clipboard. The desktop program installs its Qt implementation; the
// command-line tool and the tests run on the headless one.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/print_device.h"

enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

struct FileDialogOptions {
  std::string title;  // empty: the system's own
  std::string filterName = "Herdbook Files (*.vqn)";
  std::string pattern = "*.vqn";
  std::string defaultExtension = "vqn";
};

class Platform {
 public:
  virtual ~Platform() = default;
  // A message box with an OK button, owned by the active window.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  // A message box with other buttons; the answer as a DialogResult.
  virtual int Ask(std::string_view text, std::string_view caption, MessageButtons buttons) {
    ShowMessage(text, caption);
    return buttons == MessageButtons::kOk ? kIdOk : kIdCancel;
  }
  virtual void Beep() {}
  virtual Clipboard& GetClipboard() = 0;

  // False when the user cancelled. *path holds where the dialog starts: a file
  // to propose, or a folder ending in a separator.
  virtual bool ChooseOpenFile(PlatformWindow*, const FileDialogOptions&, std::string*) {
    return false;
  }
  virtual bool ChooseSaveFile(PlatformWindow*, const FileDialogOptions&, std::string*) {
    return false;
  }
  // A folder browser with a title; *path holds the folder chosen. False when
  // the user cancelled.
  virtual bool ChooseFolder(PlatformWindow*, std::string_view /*title*/, std::string*) {
    return false;
  }

  // The system's print dialog, owned by a window; no device when cancelled.
  virtual PrinterChoice ChoosePrinter(PlatformWindow* /*owner*/) { return {}; }

  // Opens a document or web address with the program the system associates
  // with it; above 32 is success, 31 means no program is associated.
  virtual int ShellOpen(std::string_view) { return 0; }
  // Starts a program without arguments, on its own; the result as ShellOpen's.
  virtual int StartProgram(std::string_view /*path*/) { return 0; }
  // The running program's full path.
  virtual std::string ProgramPath() { return {}; }
  // The user's documents folder, ending in a separator; empty when unknown.
  virtual std::string DocumentsFolder() { return {}; }

  // Runs a modal dialog owned by another window; its result, or -1 when it could
  // not be created.
  virtual int RunModal(const DialogTemplate&, const DialogProc&, Dialog* /*owner*/,
                       std::intptr_t /*param*/) {
    return -1;
  }
  // Creates a modeless dialog; it lives until it ends itself.
  virtual Dialog* CreateModeless(const DialogTemplate&, const DialogProc&, Dialog* /*owner*/,
                                 std::intptr_t /*param*/) {
    return nullptr;
  }
  // Ends the message loop once the current event is handled.
  virtual void PostQuit(int /*exitCode*/) {}

  // The desktop's work area (the screen less task bars), and the mouse pointer's
  // screen position (where popup menus open).
  virtual PixelRect WorkArea() { return {0, 0, 1280, 1024}; }
  virtual void CursorPosition(int* x, int* y) { *x = *y = 0; }

  // A timer that runs the action on the interface thread each time the
  // interval passes, until stopped; its id, or 0 when there is none.
  virtual int StartTimer(int /*milliseconds*/, std::function<void()> /*action*/) { return 0; }
  virtual void StopTimer(int /*id*/) {}

  // The documents used last, newest first, as the user's settings keep them.
  virtual std::vector<std::string> LoadRecentFiles() { return {}; }
  virtual void StoreRecentFiles(const std::vector<std::string>& /*paths*/) {}
};

// The platform in force; a headless one that echoes messages to standard error
// until another is installed. Passing nullptr restores that default.
Platform& App_Platform();
void App_SetPlatform(Platform* platform);

// Installs a platform for the lifetime of the object (tests, the command-line tool).
class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform& platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform* previous_;
};
