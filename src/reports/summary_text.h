#pragma once
// The summary tab as "Copy Current Tab to Clipboard" places it: tab-separated
// text, and Rich Text under code page 1252 in which every text the user typed is
// escaped.

#include <string>

class CBudgetWorksheet;

struct SummaryRenderings {
  std::string text;
  std::string rtf;
};

// Brings each budget's operating interest row up to date first.
SummaryRenderings RenderSummary(CBudgetWorksheet& worksheet);
