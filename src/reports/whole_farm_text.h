#pragma once
// The general expense list and the veterinary list as tab-separated text, as
// their copy commands place them.

#include <string>

class CBudgetWorksheet;

// Lines end with "\n".
std::string RenderExpenseText(const CBudgetWorksheet& worksheet);
// The two heading lines end with "\r\n"; each record's row carries its own end.
std::string RenderVeterinaryText(const CBudgetWorksheet& worksheet);
