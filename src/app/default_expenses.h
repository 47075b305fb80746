#pragma once
// The general farm expense lists a new worksheet starts with.

class CBudgetWorksheet;

// Builds the default lists unless the document already has expense lists, so a
// document opened with its own lists keeps them without a message.
void App_SetDefaultExpenses(CBudgetWorksheet& document);
