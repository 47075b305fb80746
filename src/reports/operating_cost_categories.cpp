#include "reports/operating_cost_categories.h"

#include <algorithm>
#include <unordered_map>

#include "document/worksheet.h"
#include "text/text_case.h"
#include "text/utf8_text.h"

std::vector<CostCategory> OperatingCostCategories(const CBudgetWorksheet& worksheet) {
  std::vector<CostCategory> categories;
  std::unordered_map<std::string, std::size_t> byKey;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    for (const CBudgetLine* line = budget->sections[kSectionOperating].get(); line;
         line = line->next.get()) {
      if (line->kind != kKindHeading || line->label.empty()) continue;
      const std::string name(FirstChars(line->label, kCostCategoryNameChars));
      auto found = byKey.find(LowerAscii(name));
      if (found == byKey.end()) {
        if (categories.size() == kMaxCostCategories) continue;
        found = byKey.emplace(LowerAscii(name), categories.size()).first;
        categories.push_back({name, 0});
      }
      const double subtotal = line->GetHeadingTotal(budget->numUnits);
      if (subtotal >= 0) categories[found->second].total += subtotal;
    }
  }
  std::stable_sort(categories.begin(), categories.end(),
                   [](const CostCategory& a, const CostCategory& b) {
                     return LessNoCase(a.name, b.name);
                   });
  return categories;
}
