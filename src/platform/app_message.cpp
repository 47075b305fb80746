#include "platform/app_message.h"

#include <cstdio>
#include <string>

#include "text/utf8_text.h"
#include "platform/platform.h"

namespace {
constexpr std::size_t kFormattedMessageChars = 259;
}

void App_MessageBox(std::string_view text) { App_Platform().ShowMessage(text, kProductTitle); }

void App_MessageBoxF(const char* format, int value) {
  char buffer[kFormattedMessageChars + 1];
  std::snprintf(buffer, sizeof buffer, format, value);
  App_MessageBox(buffer);
}

void App_MessageBoxF(const char* format, std::string_view value) {
  const std::string argument(value);
  const int needed = std::snprintf(nullptr, 0, format, argument.c_str());
  if (needed < 0) return;
  std::string text(static_cast<std::size_t>(needed) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, argument.c_str());
  text.resize(static_cast<std::size_t>(needed));
  App_MessageBox(FirstChars(text, kFormattedMessageChars));
}

bool App_AskYesNo(std::string_view text) {
  return App_Platform().Ask(text, kProductTitle, MessageButtons::kYesNo) == kIdYes;
}
