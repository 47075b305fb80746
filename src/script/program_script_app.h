#pragma once
// The real program behind a script, whichever shell runs it.

#include "script/script_app.h"

ScriptApp& ProgramScriptApp();
