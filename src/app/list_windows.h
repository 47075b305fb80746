#pragma once
// The list windows, each described in its own file.

#include "app/list_window.h"

extern const ListWindow kExpenseWindow;             // general farm expenses
extern const ListWindow kMachineryWindow;           // machinery and equipment
extern const ListWindow kBuildingsWindow;           // buildings and facilities
extern const ListWindow kPurchasedLivestockWindow;  // purchased breeding stock
extern const ListWindow kRetainedLivestockWindow;   // retained breeding stock
extern const ListWindow kVeterinaryWindow;          // veterinary cost calculator

// The tab each pair of windows showed last, kept between openings.
extern int g_MachineTab;
extern int g_LivestockTab;
