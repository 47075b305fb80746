#include "app/app_state.h"

AppState& App_State() {
  static AppState state;
  return state;
}

void App_ResetState() { App_State() = AppState(); }

const LayoutUnits& App_LayoutUnits() { return App_State().units; }

const GridFont& App_GridHeadingFont() { return App_State().headingFont; }
