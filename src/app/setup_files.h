#pragma once
// The file work of setup: folders that can be written, copies and files that
// replace what was there in one step, and the desktop's helper programs.

#include <string>
#include <vector>

// A file can be made in the folder (and removed again).
bool TestFolderWritable(const std::string& folder);
// The folder can be written, or made where its nearest existing parent can.
bool CanWriteOrMake(const std::string& folder);
// Makes the folder and its missing parents; false with *error set otherwise.
bool MakeFolders(const std::string& folder, std::string* error);
// Replaces `to` by a copy of `from`, with the same permissions, through a
// temporary file beside it: a program that is running can be replaced too.
bool CopyReplacing(const std::string& from, const std::string& to, std::string* error);
// Replaces `path` by a file of that text and mode, the same way.
bool WriteReplacing(const std::string& path, const std::string& text, unsigned mode,
                    std::string* error);
// Both name one file, or the same path when neither exists.
bool SameFile(const std::string& a, const std::string& b);
// Runs a program found on PATH with its arguments and waits for it, its output
// discarded; false when there is none or it failed.
bool RunTool(const std::vector<std::string>& command);
