#pragma once
// The program's entry points, shared by the desktop program, the headless
// automation and the tests.

#include <string_view>

class CBudgetWorksheet;
class Dialog;

// Start-up on the installed platform: records the program path, reads the
// command line (a document to open, or a setup switch), creates the main window
// and shows its first tab. Returns the main window, or nullptr when the program
// should end at once.
Dialog* App_StartUp(std::string_view commandLine);

// The main window while it exists; nullptr before start-up and after it closed.
Dialog* App_GetMainWindow();
// The one worksheet document of the program.
CBudgetWorksheet& App_Document();
bool App_IsModified();
