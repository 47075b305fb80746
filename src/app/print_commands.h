#pragma once
// The program's print commands: the report of chosen sections, the current
// tab, and the list windows' tables.

class Dialog;
class PlatformWindow;

// Prints the sections after the print dialog, owned by the owner window; the
// footer names the document as the main window knows it.
void App_Print(PlatformWindow* owner, int flags, int selector);
// "Print VQRN Report...": the Print Report dialog, opening with the empty
// lists left out, then the report.
void PrintReportCommand(Dialog& main);
// "Print Current Tab": the budget of a budget tab, or the summary tab's views.
void PrintCurrentTab(Dialog& main);
