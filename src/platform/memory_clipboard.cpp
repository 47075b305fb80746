#include "platform/memory_clipboard.h"

bool MemoryClipboard::Open(PlatformWindow*) {
  if (locked_ || open_) return false;
  open_ = true;
  return true;
}

void MemoryClipboard::Empty() {
  data_.clear();
  order_.clear();
}

bool MemoryClipboard::Put(std::string_view format, std::string_view bytes) {
  if (!open_) return false;
  data_.insert_or_assign(std::string(format), std::string(bytes));
  order_.emplace_back(format);
  return true;
}

void MemoryClipboard::Close() { open_ = false; }

bool MemoryClipboard::Fetch(std::string_view format, std::string* bytes) {
  if (locked_) return false;
  auto it = data_.find(format);
  if (it == data_.end()) return false;
  *bytes = it->second;
  return true;
}

bool MemoryClipboard::IsOffered(std::string_view format) {
  return data_.find(format) != data_.end();
}
