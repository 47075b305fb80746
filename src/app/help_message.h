#pragma once
// The instruction box of the main window.

#include <cstddef>
#include <string>

class CBudgetWorksheet;
class Dialog;

struct HelpText {
  std::string text;
  std::size_t warningChars = 0;  // the warning that opens the text, 0 when none
};

// The instructions for a tab (0 is the summary), opened by a warning when the
// budget cannot be found or has lines but no number of animals.
HelpText BuildHelpText(CBudgetWorksheet& document, int tab);

// Rewrites the instruction box for the current tab; the warning in bold italic red.
void QRN_SetHelpMessage(Dialog& window);
