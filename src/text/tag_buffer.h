#pragma once
// The text into which a document or a clipboard record is written, and into
// which a document file is read.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/file_replace.h"

// A document file longer than this is refused.
inline constexpr std::size_t kMaxDocumentBytes = 5'000'000;

class CTagBuffer {
 public:
  // Makes room for at least that many bytes; the text is empty afterwards.
  bool Reserve(std::size_t capacity);
  bool Append(std::string_view text) {
    text_.append(text.data(), text.size());
    return true;
  }
  void Clear() {
    text_.clear();
    textEncoding_ = TextEncoding::kAscii;
  }

  // What the text elements written so far need (AppendTextElement notes each):
  // nothing but ASCII, Windows-1252 (every text reads back from it), or UTF-8.
  enum class TextEncoding { kAscii, kWindows1252, kUtf8 };
  TextEncoding NeededEncoding() const { return textEncoding_; }
  void NoteNonAsciiText(bool readsBackInWindows1252) {
    if (!readsBackInWindows1252) {
      textEncoding_ = TextEncoding::kUtf8;
    } else if (textEncoding_ == TextEncoding::kAscii) {
      textEncoding_ = TextEncoding::kWindows1252;
    }
  }
  // Only when Windows-1252 is needed: the markup is ASCII, so the texts alone change.
  void ConvertToWindows1252();

  std::size_t GetLength() const { return text_.size(); }
  const char* GetText() const { return text_.c_str(); }
  std::string_view View() const { return text_; }

  // Replaces the file through a temporary file beside it (ReplaceFileContents),
  // so that a failed write never destroys the previous file. Refuses more than
  // kMaxDocumentBytes, which ReadFromFile would refuse. On failure *error says why.
  bool WriteToFile(const std::string& path, std::string* error = nullptr,
                   NewFileAccess access = NewFileAccess::kUsual) const;
  // Refuses files larger than kMaxDocumentBytes and anything that is not a
  // regular file; the buffer is empty on failure.
  bool ReadFromFile(const std::string& path, std::string* error = nullptr);

 private:
  std::string text_;
  TextEncoding textEncoding_ = TextEncoding::kAscii;
};
