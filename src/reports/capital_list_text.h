#pragma once
// The machinery, buildings and livestock windows' tables as tab-separated text,
// tab by tab, as their copy commands place them. Lines end with "\n".

#include <string>

class CBudgetWorksheet;

// variant: machinery or buildings.
std::string RenderMachineText(const CBudgetWorksheet& worksheet, int variant, int tab);
// variant: purchased or retained.
std::string RenderLivestockText(const CBudgetWorksheet& worksheet, int variant, int tab);
