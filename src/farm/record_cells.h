#pragma once
// Cells and text fields the records of the tabbed lists share: counts and
// percentages shown empty when blank, and the distribution tab's row.

#include <cstdint>
#include <string>
#include <string_view>

#include "farm/distribution.h"

class GridEngine;

// "%d", or empty for a blank.
std::string CountText(std::int32_t value);
// "%0.2f %", or empty for a blank.
std::string PercentText(double value);
// Budget k's share, empty for a blank or a budget beyond the slots.
std::string ShareText(const AllocationSlots& shares, int k);

// A share typed on the distribution tab: column 2 + k is budget k's slot.
// Another column is reported with the record's class name and stores nothing.
bool SetShareFromColumn(AllocationSlots& shares, int column, std::string_view text,
                        std::string* message, std::string_view recordClass);

// The distribution tab: the label, each budget's share (open to typing where
// the budget has a slot), the total.
void PutDistributionRow(GridEngine& grid, int row, std::string_view label,
                        const AllocationSlots& shares, int budgetCount);
void AppendDistributionText(std::string& text, std::string_view label,
                            const AllocationSlots& shares, int budgetCount);
