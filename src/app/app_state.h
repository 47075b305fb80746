#pragma once
// The program's state: one instance for the life of the process.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_host.h"
#include "platform/dialog_template.h"
#include "document/undo_stack.h"
#include "reports/budget_analysis.h"

class Dialog;

inline constexpr std::string_view kDocumentFilter = "Herdbook Files (*.vqn)";
inline constexpr std::string_view kDocumentExtension = "vqn";
// The print selection a session starts with: every section but the operating
// cost summary.
inline constexpr int kDefaultPrintFlags = 1005;
inline constexpr int kGridMemoryTabs = 200;

struct GridTopLeft {
  int top = 1;
  int left = 1;
};

struct LayoutUnits {
  int charWidth = 8;
  int charHeight = 16;
};

struct AppState {
  std::string programPath;
  std::string programFolder;  // ends with its separator; empty when the path has none
  std::string commandLineDocument;  // empty: none
  bool setupOffered = false;

  Dialog* mainWindow = nullptr;
  std::vector<MenuItem> popupMenu;
  LayoutUnits units;
  GridFont headingFont{16, 700};

  std::string documentPath;
  bool hasFileName = false;
  std::string documentFileName;
  bool modified = false;  // follows the history: see app/undo_history.h
  UndoStack undo;

  int printFlags = kDefaultPrintFlags;
  std::array<GridTopLeft, kGridMemoryTabs> gridMemory{};

  // The analysis and its window: the analysis lives until the program ends,
  // the window until the main window closes.
  CBudgetAnalysis analysis;
  Dialog* analysisWindow = nullptr;
};

AppState& App_State();
// Back to the state of a process that has just started.
void App_ResetState();

// The average character width and character height of the main window, taken
// when it was created; other windows lay themselves out in them.
const LayoutUnits& App_LayoutUnits();
// The bold font of the main window, which every grid uses for its headings.
const GridFont& App_GridHeadingFont();
