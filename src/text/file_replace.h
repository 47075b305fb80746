#pragma once
// Replacing a document file so that a failed save never costs the previous one.

#include <string>
#include <string_view>

// Writes the bytes to a temporary file beside the file, flushes them to disk and
// renames it over the file. Keeps what protects the file: a symbolic link is
// followed and the file it names replaced, the file's permissions (and owner,
// where allowed) carry over, and a file this user may not write is refused, as
// is anything that is not a regular file. A temporary file a killed save left
// is removed first, never written through. On failure *error says why and the
// file is as it was.
enum class NewFileAccess {
  kUsual,      // what the user's umask allows
  kOwnerOnly,  // unsaved work kept for the user alone
};
bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* error,
                         NewFileAccess access = NewFileAccess::kUsual);
// The temporary file a replacement of that path writes first (a killed one leaves it).
std::string ReplacementTemporaryPath(const std::string& path);
