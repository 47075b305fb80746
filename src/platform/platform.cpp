#include "platform/platform.h"

#include <cstdio>

#include "platform/memory_clipboard.h"

namespace {

// Until a real platform is installed, messages go to standard error and every
// question is answered as if cancelled.
class StderrPlatform : public Platform {
 public:
  void ShowMessage(std::string_view text, std::string_view) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  }
  Clipboard& GetClipboard() override { return clipboard_; }

 private:
  MemoryClipboard clipboard_;
};

Platform* g_platform = nullptr;

Platform& DefaultPlatform() {
  static StderrPlatform fallback;
  return fallback;
}

}  // namespace

Platform& App_Platform() { return g_platform ? *g_platform : DefaultPlatform(); }

void App_SetPlatform(Platform* platform) { g_platform = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : previous_(g_platform) {
  g_platform = &platform;
}

ScopedPlatform::~ScopedPlatform() { g_platform = previous_; }
