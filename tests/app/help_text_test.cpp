#include <gtest/gtest.h>

#include "app/help_message.h"
#include "document/worksheet.h"

namespace {

struct HelpCase {
  int numUnits;
  bool withLine;
  int tab;
  std::string_view warning;
};

TEST(HelpTextTest, WarnsAboveTheInstructionsOnlyWhenSomethingIsMissing) {
  const HelpCase cases[] = {
      {-1, false, 1, ""},
      {-1, true, 1, "Enter Number of Animals or Herd Units above"},
      {0, true, 1, "Enter Number of Animals or Herd Units above"},
      {1, true, 1, ""},
      {10, true, 2, "NULL pBudget Pointer in QRN_SetHelpMessage"},
      {0, true, 0, ""},  // the summary tab
  };
  for (const HelpCase& c : cases) {
    CBudgetWorksheet document;
    CCropBudget* budget = document.GetBudget(0, true);
    budget->numUnits = c.numUnits;
    if (c.withLine) budget->AppendLine(kSectionOperating);
    const HelpText help = BuildHelpText(document, c.tab);
    const std::string opening =
        (c.warning.empty() ? "" : std::string(c.warning) + "\n\n") + "INSTRUCTIONS\n";
    EXPECT_EQ(help.text.substr(0, opening.size()), opening) << c.numUnits << " " << c.tab;
    EXPECT_EQ(help.warningChars, c.warning.size()) << c.numUnits << " " << c.tab;
  }
}

}  // namespace
