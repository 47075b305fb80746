#pragma once
// A clipboard held in memory: the headless program's and the tests' clipboard.

#include <map>
#include <string>
#include <vector>

#include "platform/clipboard.h"

class MemoryClipboard : public Clipboard {
 public:
  bool Open(PlatformWindow* owner) override;
  void Empty() override;
  bool Put(std::string_view format, std::string_view bytes) override;
  void Close() override;
  bool Fetch(std::string_view format, std::string* bytes) override;
  bool IsOffered(std::string_view format) override;

  // Simulates another program holding the clipboard.
  void SetLocked(bool locked) { locked_ = locked; }
  bool IsOpen() const { return open_; }
  const std::map<std::string, std::string, std::less<>>& Contents() const { return data_; }
  // The formats in the order they were placed since the clipboard was emptied.
  const std::vector<std::string>& PlacementOrder() const { return order_; }

 private:
  std::map<std::string, std::string, std::less<>> data_;
  std::vector<std::string> order_;
  bool open_ = false;
  bool locked_ = false;
};
