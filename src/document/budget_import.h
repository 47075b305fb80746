#pragma once
// Budgets taken from another document.

class CBudgetWorksheet;
class CCropBudget;

// Appends a copy of a budget of another document and returns it. The copy
// keeps all of the budget, its herd unit, interest rate and term and its
// operating interest row with them; the rows that the other document's
// whole-farm lists handed it become lines of its own, since this document's
// lists know nothing of them.
CCropBudget& AppendBudgetCopy(CBudgetWorksheet& document, const CCropBudget& source);
