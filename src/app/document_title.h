#pragma once
// The document's file name, the main window's caption and the modified flag.

#include <ctime>
#include <string>
#include <string_view>

// After a file was written or read (with its path) or for a new worksheet (an
// empty path): clears the modified flag and sets the caption.
void SetDocumentTitle(std::string_view path = {});
// A change that no step of the history undoes.
void SetDocumentModified();

// The file-name part of the current path; empty while the worksheet has no file.
std::string GetDocumentFileName();
// "month/day/year" of the saved file's last change, or of today while the
// worksheet has no file or has unsaved changes.
std::string GetDocumentDate();
// The same rule for any document: the file's last change while it is saved
// and unchanged, else today.
std::string DocumentDate(const std::string& path, bool modified);
// The date as GetDocumentDate writes it.
std::string FormatDocumentDate(const std::tm& local);
// The local time of a moment, as the system's clock and time zone have it.
std::tm LocalTime(std::time_t when);
