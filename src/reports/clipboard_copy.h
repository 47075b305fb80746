#pragma once
// Placing a copy's renderings on the clipboard, shared by every copy command.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PlatformWindow;

struct ClipboardRendering {
  std::string_view format;
  std::string bytes;
};

// Opens the clipboard for owner and empties it, then places what render gives,
// in its order, and closes it. Render runs only once the clipboard is open, so a
// clipboard held by another program leaves the document and the screen alone;
// nullopt places nothing. The result is whether every rendering was placed.
bool CopyToClipboard(PlatformWindow* owner,
                     const std::function<std::optional<std::vector<ClipboardRendering>>()>& render);

// The same with plain text alone.
bool CopyTextToClipboard(PlatformWindow* owner,
                         const std::function<std::optional<std::string>()>& render);
