#include "app/analysis_window.h"

#include "app/not_available.h"

// TODO: create and re-target the analysis window (template 117) once it exists;
// until then only a request to show it gets an answer.
void ShowAnalysis(CCropBudget*, bool show, int) {
  if (show) ShowNotYetAvailable();
}
