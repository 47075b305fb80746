#pragma once
// The platform without a screen: records every message shown.

#include <string>
#include <vector>

#include "platform/memory_clipboard.h"
#include "platform/platform.h"

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(bool echoToStderr = false) : echo_(echoToStderr) {}
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void Beep() override { ++beeps_; }
  Clipboard& GetClipboard() override { return clipboard_; }

  MemoryClipboard& Memory() { return clipboard_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  std::vector<std::string> TakeMessages();
  int Beeps() const { return beeps_; }

 private:
  bool echo_;
  MemoryClipboard clipboard_;
  std::vector<std::string> messages_;
  int beeps_ = 0;
};
