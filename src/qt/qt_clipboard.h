#pragma once
// The system clipboard through QClipboard. Formats travel as MIME types of the
// same name; plain text as text, Rich Text as "text/rtf". What is put between
// Open and Close is handed over in one piece on Close.

#include <QMimeData>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/clipboard.h"

class QtClipboard : public Clipboard {
 public:
  QtClipboard();
  ~QtClipboard() override;

  bool Open(PlatformWindow* owner) override;
  void Empty() override;
  bool Put(std::string_view format, std::string_view bytes) override;
  void Close() override;
  bool Fetch(std::string_view format, std::string* bytes) override;
  bool IsOffered(std::string_view format) override;

  // The MIME type a format name travels as.
  static QString MimeType(std::string_view format);
  // Each format the system clipboard holds, under the name the program gives it.
  static std::map<std::string, std::string, std::less<>> Contents();

 private:
  std::unique_ptr<QMimeData> pending_;
  bool open_ = false;
  bool changed_ = false;
};
