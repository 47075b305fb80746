#pragma once
// The system clipboard as the core sees it: formats are addressed by name.

#include <string>
#include <string_view>

class PlatformWindow;

// Name of the plain-text format; every other format is registered by name.
inline constexpr std::string_view kClipboardTextFormat = "text/plain";
inline constexpr std::string_view kClipboardRtfFormat = "Rich Text Format";

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Opening can fail (another program holds the clipboard); every other call
  // between Open and Close assumes it succeeded.
  virtual bool Open(PlatformWindow* owner) = 0;
  virtual void Empty() = 0;
  virtual bool Put(std::string_view format, std::string_view bytes) = 0;
  virtual void Close() = 0;
  // Need no Open: they take the clipboard for the duration of the call.
  virtual bool Fetch(std::string_view format, std::string* bytes) = 0;
  virtual bool IsOffered(std::string_view format) = 0;
};
