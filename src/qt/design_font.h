#pragma once
// The dialogs and the grid are laid out for Arial's proportions ("Swiss, no
// face name" maps to Arial); Liberation Sans has the same metrics.

#include <QFont>

// The font with that family first and the user's size kept.
QFont WithDesignFamily(QFont font);
// Makes it the application's font, so that every dialog is measured in it.
void UseDesignFont();
