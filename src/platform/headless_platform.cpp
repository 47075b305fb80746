#include "platform/headless_platform.h"

#include <cstdio>

void HeadlessPlatform::ShowMessage(std::string_view text, std::string_view) {
  messages_.emplace_back(text);
  if (echo_) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

std::vector<std::string> HeadlessPlatform::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}
