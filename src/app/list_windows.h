#pragma once
// The list windows, each described in its own file.

#include "app/list_window.h"

extern const ListWindow kExpenseWindow;     // general farm expenses
extern const ListWindow kVeterinaryWindow;  // veterinary cost calculator
