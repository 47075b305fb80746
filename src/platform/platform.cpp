#include "platform/platform.h"

#include "platform/headless_platform.h"

namespace {
Platform* g_platform = nullptr;

Platform& DefaultPlatform() {
  static HeadlessPlatform fallback(/*echoToStderr=*/true);
  return fallback;
}
}  // namespace

Platform& App_Platform() { return g_platform ? *g_platform : DefaultPlatform(); }

void App_SetPlatform(Platform* platform) { g_platform = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : previous_(g_platform) {
  g_platform = &platform;
}

ScopedPlatform::~ScopedPlatform() { g_platform = previous_; }
