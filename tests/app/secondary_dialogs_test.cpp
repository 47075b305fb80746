#include <functional>

#include "app/show_dialog.h"
#include "main_window_fixture.h"

namespace {

class SecondaryDialogsTest : public MainWindowTest {
 protected:
  // The user's steps in the modal dialog, one per pump call.
  void Steps(std::vector<std::function<void(HeadlessDialog&)>> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    platform.SetPump([this] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next_ >= steps_.size() || active == nullptr || active == window) return false;
      steps_[next_++](*active);
      return true;
    });
  }
  bool AllStepsRan() const { return next_ == steps_.size(); }

  std::vector<std::function<void(HeadlessDialog&)>> steps_;
  std::size_t next_ = 0;
};

const CBudgetLine* InterestRow(const CCropBudget& budget) {
  for (const CBudgetLine* line = budget.sections[kSectionOperating].get(); line;
       line = line->next.get())
    if (line->source == kSourceInterest) return line;
  return nullptr;
}

TEST_F(SecondaryDialogsTest, InterestDialogShowsTheBudgetAndCopiesTheValues) {
  Budget(0).title = "Cow-calf";
  Budget(0).publicationId = "CC-09";
  CBudgetLine& feed = Budget(0).AppendLine(kSectionOperating);
  feed.value = 1200;
  feed.kind = kKindTotal;
  Steps({[](HeadlessDialog& dialog) {
           EXPECT_EQ(dialog.TemplateId(), 123);
           EXPECT_EQ(dialog.GetItemText(kIdcInterestBudget), "Cow-calf (CC-09)");
           EXPECT_EQ(dialog.GetItemText(kIdcInterestRate), "");
           EXPECT_EQ(dialog.GetItemText(kIdcInterestMonths), "5.00");
           EXPECT_EQ(UserEdit(dialog, kIdcInterestRate, "8"), "");
           EXPECT_EQ(UserEdit(dialog, kIdcInterestMonths, "6"), "");
         },
         [](HeadlessDialog& dialog) { EXPECT_EQ(UserCommand(dialog, kIdOk), ""); }});
  Command(kCmdInterest);
  EXPECT_TRUE(AllStepsRan());
  EXPECT_EQ(Budget(0).interestRate, 8.0);
  EXPECT_EQ(Budget(0).interestTerm, 6.0);
  const CBudgetLine* row = InterestRow(Budget(0));
  ASSERT_NE(row, nullptr);
  EXPECT_DOUBLE_EQ(row->value, 48.0);
  EXPECT_EQ(GridRows(), 14);
}

TEST_F(SecondaryDialogsTest, RefusedRateKeepsTheDialogOpen) {
  Steps({[](HeadlessDialog& dialog) {
           EXPECT_EQ(UserEdit(dialog, kIdcInterestRate, "eight"), "");
           EXPECT_EQ(UserCommand(dialog, kIdOk), "");
         },
         [](HeadlessDialog& dialog) {
           EXPECT_FALSE(dialog.Ended());
           EXPECT_EQ(dialog.GetItemText(kIdcInterestRate), "eight");
           EXPECT_EQ(UserCommand(dialog, kIdCancel), "");
         }});
  Command(kCmdInterest);
  EXPECT_TRUE(AllStepsRan());
  const std::vector<std::string> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Interest Rate"), std::string::npos);
  EXPECT_EQ(Budget(0).interestRate, -1.0);
}

TEST_F(SecondaryDialogsTest, CancelStillRefreshesTheTab) {
  Budget(0).interestRate = 6;
  Steps({[this](HeadlessDialog& dialog) {
    EXPECT_EQ(dialog.GetItemText(kIdcInterestRate), "6.00");
    Budget(0).publicationId = "CHANGED";
    EXPECT_EQ(UserCommand(dialog, kIdCancel), "");
  }});
  EXPECT_EQ(App_ShowDialog(123, false), 0);
  EXPECT_EQ(Budget(0).interestRate, 6.0);
  EXPECT_EQ(Text(kIdcEditId), "CHANGED");
}

TEST_F(SecondaryDialogsTest, InterestNeedsABudgetTab) {
  ClickTab(0);
  EXPECT_EQ(App_ShowDialog(123, false), -1);
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{
                "You must select a livestock budget tab to view/edit Operating Interest.\n\n"
                "Select a livestock tab and try again."});
}

TEST_F(SecondaryDialogsTest, DoubleClickOnTheInterestRowOpensItsDialog) {
  Budget(0).interestRate = 5;
  Budget(0).UpdateOperatingInterest(true);
  Command(kCmdShowTab);
  int opened = 0;
  Steps({[&opened](HeadlessDialog& dialog) {
    opened = dialog.TemplateId();
    EXPECT_EQ(UserCommand(dialog, kIdCancel), "");
  }});
  Done(UserDoubleClickCell(*window, 5, 1));
  EXPECT_EQ(opened, 123);
  Done(UserDoubleClickCell(*window, 1, 1));
  EXPECT_EQ(opened, 123);
  EXPECT_TRUE(AllStepsRan());
}

TEST_F(SecondaryDialogsTest, AboutShowsTheVersionAndGoesToTheSite) {
  Steps({[](HeadlessDialog& dialog) {
           EXPECT_EQ(dialog.GetCaption(), "About Herdwright");
           EXPECT_EQ(dialog.GetItemText(kIdcAboutVersion), "Version 1.95");
           EXPECT_EQ(UserCommand(dialog, kIdcAboutGoToSite), "");
         },
         [](HeadlessDialog& dialog) { EXPECT_EQ(UserCommand(dialog, kIdOk), ""); }});
  Command(kCmdAbout);
  EXPECT_TRUE(AllStepsRan());
  EXPECT_EQ(platform.ShellOpened(),
            std::vector<std::string>{"https://extension.corvale.example/herdwright"});
}

}  // namespace
