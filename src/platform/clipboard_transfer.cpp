#include "platform/clipboard_transfer.h"

#include "platform/clipboard.h"
#include "platform/platform.h"

bool PutClipboardData(std::string_view bytes, std::string_view format) {
  return App_Platform().GetClipboard().Put(format, bytes);
}

bool FetchClipboardData(PlatformWindow*, std::string* destination, std::size_t capacity,
                        std::size_t* size, std::string_view format) {
  *size = 0;
  std::string data;
  if (!App_Platform().GetClipboard().Fetch(format, &data)) return false;
  *size = data.size();
  if (data.size() > capacity) return false;
  *destination = std::move(data);
  return true;
}

bool IsClipboardFormatOffered(PlatformWindow*, std::string_view format) {
  return App_Platform().GetClipboard().IsOffered(format);
}

bool CopyRecordToClipboard(PlatformWindow* window, std::string_view element,
                           std::string_view textRow, std::string_view format) {
  Clipboard& clipboard = App_Platform().GetClipboard();
  if (!clipboard.Open(window)) return false;
  clipboard.Empty();
  clipboard.Put(kClipboardTextFormat, textRow);
  const bool placed = clipboard.Put(format, element);
  clipboard.Close();
  return placed;
}

PasteKind OfferedPaste(std::string_view recordFormat) {
  if (IsClipboardFormatOffered(nullptr, recordFormat)) return PasteKind::kRecord;
  if (IsClipboardFormatOffered(nullptr, kClipboardTextFormat)) return PasteKind::kText;
  return PasteKind::kNone;
}

std::string PastedCellText() {
  constexpr std::size_t kCellBytes = 31;
  std::string text;
  std::size_t size = 0;
  // Room for the terminating zero that plain text may carry.
  if (!FetchClipboardData(nullptr, &text, kCellBytes + 1, &size, kClipboardTextFormat)) return {};
  if (const std::size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
  if (text.size() > kCellBytes) return {};
  return text;
}
