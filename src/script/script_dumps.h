#pragma once
// What the dump commands print: one line per entry, texts escaped as in the
// cells dump (\\ \t \n \r).

#include <string>
#include <vector>

#include "platform/dialog_template.h"

class HeadlessDialog;
class MemoryClipboard;
struct HeadlessControl;

// Tab labels, the selected one marked with "*" in front.
std::string DumpTabs(const HeadlessControl& strip);
// "ID<TAB>TEXT" for each visible control that has a text, in identifier order.
std::string DumpControls(const HeadlessDialog& dialog);
// "ID<TAB>TEXT<TAB>enabled" or "grayed"; "-" for a separator; a submenu's items
// follow its own line.
std::string DumpMenu(const std::vector<MenuItem>& items);
std::string DumpMessages(const std::vector<std::string>& messages);
// "FORMAT<TAB>TEXT" for each format the clipboard holds, by format name.
std::string DumpClipboard(const MemoryClipboard& clipboard);
// "START<TAB>LENGTH<TAB>STYLE" for each run of equally formatted characters;
// STYLE is "plain" or any of "bold", "italic" and a colour "#RRGGBB".
std::string DumpFormat(const HeadlessControl& control);
