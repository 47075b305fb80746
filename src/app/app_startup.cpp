#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/setup_dialog.h"
#include "platform/app_message.h"
#include "document/worksheet.h"
#include "platform/platform.h"

Dialog* App_StartUp(std::string_view commandLine) {
  App_ResetState();
  App_ResetRecovery();
  App_Document().Clear();
  AppState& state = App_State();
  state.programPath = App_Platform().ProgramPath();
  state.programFolder = FolderPart(state.programPath);

  const StartupChoice choice =
      ReadCommandLine(commandLine, state.programPath, kTemporaryFolderOffersSetup);
  state.commandLineDocument = choice.document;
  state.setupOffered = choice.offerSetup;
  if (choice.offerSetup) {
    SetupParameters parameters;
    parameters.programPath = state.programPath;
    parameters.productTitle = kProductTitle;
    // The installed copy has taken over.
    if (App_OfferSetup(parameters, state.programFolder)) return nullptr;
  }

  Dialog* window = App_Platform().CreateModeless(MainWindowTemplate(), MainDlgProc, nullptr, 0);
  if (!window) state.mainWindow = nullptr;
  return window;
}

Dialog* App_GetMainWindow() { return App_State().mainWindow; }

CBudgetWorksheet& App_Document() {
  static CBudgetWorksheet document;
  return document;
}

bool App_IsModified() { return App_State().modified; }
