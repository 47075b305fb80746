#include "app/list_windows.h"

std::span<const ListWindow* const> AllListWindows() {
  static const ListWindow* const kWindows[] = {&kExpenseWindow, &kVeterinaryWindow};
  return kWindows;
}
