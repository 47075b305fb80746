#include "text/tag_buffer.h"

#include <optional>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/utf8_text.h"

namespace fs = std::filesystem;

bool CTagBuffer::Reserve(std::size_t capacity) {
  Clear();
  text_.reserve(capacity);
  return true;
}

void CTagBuffer::ConvertToWindows1252() {
  if (std::optional<std::string> bytes = Utf8ToCp1252(text_)) text_ = std::move(*bytes);
}

namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

bool CTagBuffer::WriteToFile(const std::string& path, std::string* error) const {
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".saving~";
  {
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
      SetError(error, ErrnoText());
      return false;
    }
    const bool written = std::fwrite(text_.data(), 1, text_.size(), file) == text_.size();
    const std::string writeError = written ? std::string() : ErrnoText();
    // The bytes must be on disk before the rename makes them the document.
    const bool flushed = std::fflush(file) == 0;
    const std::string flushError = flushed ? std::string() : ErrnoText();
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
      SetError(error, !writeError.empty() ? writeError : !flushError.empty() ? flushError : ErrnoText());
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code renameError;
  fs::rename(temporary, target, renameError);
  if (renameError) {
    SetError(error, renameError.message());
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

bool CTagBuffer::ReadFromFile(const std::string& path, std::string* error) {
  text_.clear();
  std::error_code status;
  if (fs::is_directory(path, status)) {
    SetError(error, "it is a folder");
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    SetError(error, ErrnoText());
    return false;
  }
  // Read one byte past the limit to learn whether the file exceeds it, whatever
  // the file system says of its size.
  std::string bytes(kMaxDocumentBytes + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    SetError(error, "it cannot be read");
    return false;
  }
  const auto count = static_cast<std::size_t>(file.gcount());
  if (count > kMaxDocumentBytes) {
    SetError(error, "it is larger than 5,000,000 bytes");
    return false;
  }
  bytes.resize(count);
  text_ = std::move(bytes);
  return true;
}
