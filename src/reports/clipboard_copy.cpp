#include "reports/clipboard_copy.h"

#include "platform/clipboard.h"
#include "platform/platform.h"

bool CopyToClipboard(
    PlatformWindow* owner,
    const std::function<std::optional<std::vector<ClipboardRendering>>()>& render) {
  Clipboard& clipboard = App_Platform().GetClipboard();
  if (!clipboard.Open(owner)) return false;
  clipboard.Empty();
  const std::optional<std::vector<ClipboardRendering>> renderings = render();
  bool placed = renderings.has_value();
  if (renderings) {
    // A format that fails is reported, never hidden by the one placed after it.
    for (const ClipboardRendering& rendering : *renderings)
      placed = clipboard.Put(rendering.format, rendering.bytes) && placed;
  }
  clipboard.Close();
  return placed;
}

bool CopyTextToClipboard(PlatformWindow* owner,
                         const std::function<std::optional<std::string>()>& render) {
  return CopyToClipboard(owner, [&render]() -> std::optional<std::vector<ClipboardRendering>> {
    std::optional<std::string> text = render();
    if (!text) return std::nullopt;
    std::vector<ClipboardRendering> renderings;
    renderings.push_back({kClipboardTextFormat, std::move(*text)});
    return renderings;
  });
}
