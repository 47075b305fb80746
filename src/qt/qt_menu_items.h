#pragma once
// Menus read back from the Qt actions built for them: each action keeps its
// command as its data.

#include <QAction>
#include <QList>

#include <vector>

#include "platform/dialog_template.h"

std::vector<MenuItem> MenuItemsOf(const QList<QAction*>& actions);
// The actions from the list down to the item with that command, the submenus
// on the way first; empty when there is none.
QList<QAction*> PathToCommand(const QList<QAction*>& actions, int command);
