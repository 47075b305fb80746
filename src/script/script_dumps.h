#pragma once
// What the dump commands print, from what the user sees in either shell: one
// line per entry, texts escaped as in the cells dump (\\ \t \n \r).

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "script/script_targets.h"
#include "script/styled_runs.h"

// Format name to bytes, in name order.
using ClipboardContents = std::map<std::string, std::string, std::less<>>;

// Tab labels, the selected one marked with "*" in front.
std::string DumpTabs(const Dialog& window, int stripId);
// A list box's items in order, each selected one marked with "*" in front.
std::string DumpList(const Dialog& window, int listId);
// "ID<TAB>TEXT" for each visible control that has a text, in identifier order.
std::string DumpControls(const std::vector<ScriptControl>& controls);
// "ID<TAB>1" or "ID<TAB>0" for each visible check box and radio button, as
// it is checked or not, in identifier order.
std::string DumpChecks(const Dialog& window, const std::vector<ScriptControl>& controls);
// "ID<TAB>TEXT<TAB>enabled" or "grayed"; "-" for a separator; a submenu's items
// follow its own line.
std::string DumpMenu(const std::vector<MenuItem>& items);
std::string DumpMessages(const std::vector<std::string>& messages);
// "FORMAT<TAB>TEXT" for each format the clipboard holds.
std::string DumpClipboard(const ClipboardContents& contents);
// "START<TAB>LENGTH<TAB>STYLE" for each run of equally formatted characters;
// STYLE is "plain" or any of "bold", "italic" and a colour "#RRGGBB".
std::string DumpFormat(const std::vector<StyledRun>& runs);
