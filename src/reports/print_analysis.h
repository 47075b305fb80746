#pragma once
// The analysis on paper: a page per copy, the budget's header above the
// sensitivity tables, closed by the page footer.

class CBudgetAnalysis;
class CPrintJob;
class PlatformWindow;

// Prints on the job's device, every copy; false when the device failed.
bool PrintAnalysisPages(CPrintJob& job, const CBudgetAnalysis& analysis);
// Shows the print dialog owned by the owner window and, if the user confirms,
// prints; false when the dialog was cancelled.
bool PrintAnalysis(CPrintJob& job, PlatformWindow* owner, const CBudgetAnalysis& analysis);
