#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "platform/menu_items.h"

namespace {

MenuItem Item(int id, const char* text) { return {id, text, false, {}}; }
MenuItem Separator() { return {}; }

// Shown once the user has documents to come back to (RecentFilesMenu).
void AppendRecentFiles(std::vector<MenuItem>& menu) {
  for (int command = kCmdRecentFile1; command <= kCmdRecentFile8; ++command)
    menu.push_back({command, "", true, {}});
  menu.push_back(Separator());
}

MenuTemplate BuildMainMenu() {
  MenuItem file{0, "&File", false, {}};
  file.submenu = {
      Item(kCmdNew, "New"),
      Item(kCmdOpen, "&Open..."),
      Item(kCmdSave, "&Save"),
      Item(kCmdSaveAs, "Save &As..."),
      Separator(),
      Item(kCmdInsertTab, "Insert &New Livestock Tab"),
      Item(kCmdImport, "&Import Livestock Data From File..."),
      Separator(),
      Item(kCmdPrint, "&Print VQRN Report..."),
      Separator(),
  };
  AppendRecentFiles(file.submenu);
  file.submenu.push_back(Item(kCmdExit, "E&xit"));
  // Greyed until there is a step to undo or redo.
  MenuItem edit{0, "&Edit", false, {}};
  edit.submenu = {
      {kCmdUndo, "&Undo\tCtrl+Z", true, {}},
      {kCmdRedo, "&Redo\tCtrl+Y", true, {}},
  };
  MenuItem view{0, "&View", false, {}};
  view.submenu = {
      Item(kCmdInterest, "Operating &Interest Calculator"),
      Item(kCmdExpenses, "General Farm/Ranch &Expenses"),
      Item(kCmdMachinery, "Farm/Ranch &Machinery && Equipment"),
      Item(kCmdBuildings, "Farm/Ranch &Buildings && Facilities"),
      Item(kCmdVeterinary, "&Veterinary Cost Calculator"),
      Item(kCmdPurchasedLivestock, "&Purchased Livestock Investment"),
      Item(kCmdRetainedLivestock, "&Retained Livestock Investment"),
      Separator(),
      // After a tab, the key the menu shows and takes; not a Ctrl letter, which
      // the edit boxes keep for themselves.
      Item(kCmdBreakeven, "Gross Margin &Breakeven Analysis\tF7"),
      Item(kCmdSensitivity, "Breakeven/&Sensitivity Analysis\tF8"),
  };
  MenuItem help{0, "&Help", false, {}};
  help.submenu = {
      Item(kCmdUsersGuide, "View User's Guide"),
      Separator(),
      Item(kCmdAbout, "&About Herdwright"),
  };
  return {kMenuMain, {file, edit, view, help}};
}

}  // namespace

const MenuTemplate& MainMenuTemplate() {
  static const MenuTemplate menu = BuildMainMenu();
  return menu;
}

const MenuItem& ViewMenu() {
  for (const MenuItem& item : MainMenuTemplate().items) {
    if (FindMenuItem(item.submenu, kCmdInterest)) return item;
  }
  return MainMenuTemplate().items.front();
}

std::vector<KeyCommand> EditKeys() {
  return {{"Ctrl+Z", kCmdUndo}, {"Ctrl+Y", kCmdRedo}, {"Ctrl+Shift+Z", kCmdRedo}};
}
