#pragma once
// The general expense list and the veterinary list as tab-separated text, as
// their copy commands place them, and the clipboard placement the copies share.

#include <functional>
#include <optional>
#include <string>

class CBudgetWorksheet;
class PlatformWindow;

// Lines end with "\n".
std::string RenderExpenseText(const CBudgetWorksheet& worksheet);
// The two heading lines end with "\r\n"; each record's row carries its own end.
std::string RenderVeterinaryText(const CBudgetWorksheet& worksheet);

// Opens the clipboard for owner and empties it, then places what render gives as
// plain text and closes it. Render runs only once the clipboard is open, so a
// clipboard held by another program leaves the document and the screen alone;
// nullopt places nothing. The result is whether the text was placed.
bool CopyTextToClipboard(PlatformWindow* owner,
                         const std::function<std::optional<std::string>()>& render);
