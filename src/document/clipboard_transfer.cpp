#include "document/clipboard_transfer.h"

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
