#pragma once
// What the core asks of the system: message boxes, sound, the clipboard.
// The desktop program installs its Qt implementation; the command-line tool and
// the tests run on the headless one.

#include <string_view>

#include "platform/clipboard.h"

class Platform {
 public:
  virtual ~Platform() = default;
  // A message box with an OK button, owned by the active window.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  virtual void Beep() {}
  virtual Clipboard& GetClipboard() = 0;
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
