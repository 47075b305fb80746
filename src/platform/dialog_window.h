#pragma once
// A dialog as its procedure sees it: controls addressed by identifier.

#include <string>
#include <string_view>

class PlatformWindow {
 public:
  virtual ~PlatformWindow() = default;
  virtual std::string GetItemText(int controlId) const = 0;
  virtual void SetItemText(int controlId, std::string_view text) = 0;
};
