#include "text/tag_buffer.h"

#include <optional>

#include "text/file_read.h"
#include "text/file_replace.h"
#include "text/utf8_text.h"

bool CTagBuffer::Reserve(std::size_t capacity) {
  Clear();
  text_.reserve(capacity);
  return true;
}

void CTagBuffer::ConvertToWindows1252() {
  if (std::optional<std::string> bytes = Utf8ToCp1252(text_)) text_ = std::move(*bytes);
}

bool CTagBuffer::WriteToFile(const std::string& path, std::string* error,
                             NewFileAccess access) const {
  if (text_.size() > kMaxDocumentBytes) {
    if (error) {
      *error = "The document needs " + GroupedCount(text_.size()) + " bytes, more than the " +
               GroupedCount(kMaxDocumentBytes) +
               " a document file may hold: it could not be opened again. Remove some budgets "
               "or lines and save again.";
    }
    return false;
  }
  return ReplaceFileContents(path, text_, error, access);
}

bool CTagBuffer::ReadFromFile(const std::string& path, std::string* error) {
  Clear();
  return ReadRegularFile(path, kMaxDocumentBytes, &text_, error);
}
