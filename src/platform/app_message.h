#pragma once
// The one way the program reports to the user.

#include <string_view>

inline constexpr std::string_view kProductTitle = "Corvale Herdwright";

void App_MessageBox(std::string_view text);
// Formats one value into at most 259 characters first.
void App_MessageBoxF(const char* format, int value);
void App_MessageBoxF(const char* format, std::string_view value);

// A Yes/No question in a message box with the product title; true for Yes.
bool App_AskYesNo(std::string_view text);
