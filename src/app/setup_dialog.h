#pragma once
// The setup dialog (template 113): what setup can do, where, and the choice
// to run it or the program as it is.

#include <string>

#include "app/setup_settings.h"
#include "platform/dialog.h"

struct SetupTexts {
  std::string canDo;   // control 1038
  std::string target;  // control 1137
  std::string more;    // control 1037
};

// The texts for what EvaluateSetup found (its result given).
SetupTexts MakeSetupTexts(const SetupSettings& settings, const SetupParameters& parameters,
                          bool canSetUp);

// The creation parameter is the SetupSettings, kept by the caller.
int SetupDialogProc(Dialog& dialog, const DialogEvent& event);

// Offers setup as start-up does: true when setup ran and the installed copy
// took over, so that this program ends.
bool App_OfferSetup(const SetupParameters& parameters, const std::string& programFolder);
