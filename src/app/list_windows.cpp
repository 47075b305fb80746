#include "app/list_windows.h"

std::span<const ListWindow* const> AllListWindows() {
  static const ListWindow* const kWindows[] = {
      &kExpenseWindow,           &kMachineryWindow,         &kBuildingsWindow,
      &kPurchasedLivestockWindow, &kRetainedLivestockWindow, &kVeterinaryWindow};
  return kWindows;
}
