#pragma once
// The general farm expense lists a new worksheet starts with.

class CBudgetWorksheet;

// TODO: CBudgetWorksheet::SetDefaultExpenses once the whole-farm lists have it;
// New and start-up call this where the lists are to be made.
void App_SetDefaultExpenses(CBudgetWorksheet& document);
