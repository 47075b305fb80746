#include <functional>

#include "app/app_state.h"
#include "app/show_dialog.h"
#include "main_window_fixture.h"

namespace {

class SecondaryDialogsTest : public MainWindowTest {
 protected:
  // The user's steps in the modal dialog, one per pump call; all must run.
  void Steps(std::vector<std::function<void(HeadlessDialog&)>> steps) {
    steps_ = std::move(steps);
    platform.SetPump([this] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next_ >= steps_.size() || active == nullptr || active == window) return false;
      steps_[next_++](*active);
      return true;
    });
  }
  void TearDown() override {
    EXPECT_EQ(next_, steps_.size());
    MainWindowTest::TearDown();
  }

  std::vector<std::function<void(HeadlessDialog&)>> steps_;
  std::size_t next_ = 0;
};

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
  EXPECT_EQ(Text(kIdcEditIdOrName), "CHANGED");
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
  Done(UserDoubleClickCell(*window, 1, 1));  // a heading: nothing
  EXPECT_EQ(opened, 0);
  Done(UserDoubleClickCell(*window, 5, 1));
  EXPECT_EQ(opened, 123);
}

TEST_F(SecondaryDialogsTest, ListWindowKeepsItsLayoutAndNamesBudgetsWithoutShare) {
  for (int k = 1; k <= 20; ++k) App_Document().GetBudget(k, true);
  Steps({[](HeadlessDialog& dialog) {
    EXPECT_NE(dialog.GetItemText(kIdcListInstructions).find("Only the first 20 budgets"),
              std::string::npos);
    // Never smaller than 600 x 420; the grid fills the width less 3 character
    // widths, and the button row follows 3 widths below the grid.
    dialog.ResizeClient(100, 100);
    const PixelRect client = dialog.GetClientRect();
    EXPECT_EQ(client.Width(), 600);
    EXPECT_EQ(client.Height(), 420);
    const int w = App_LayoutUnits().charWidth;
    const PixelRect grid = dialog.GetItemRect(kIdcListGrid);
    const PixelRect button = dialog.GetItemRect(kIdcCopyValues);
    EXPECT_EQ(grid.Width(), client.Width() - 3 * w);
    EXPECT_EQ(button.top, grid.bottom + 3 * w);
    EXPECT_EQ(dialog.GetItemRect(kIdcListInstructions).Height(), 5 * w);
    dialog.Send(DialogEvent{DialogEventKind::kClose});
  }});
  EXPECT_EQ(App_ShowDialog(kDialogVeterinary, false), 0);
  EXPECT_FALSE(App_IsModified());
}

TEST_F(SecondaryDialogsTest, AboutShowsTheVersionAndGoesToTheSite) {
  Steps({[](HeadlessDialog& dialog) {
           EXPECT_EQ(dialog.GetCaption(), "About Herdwright");
           EXPECT_EQ(dialog.GetItemText(kIdcAboutVersion), "Version 1.95");
           EXPECT_EQ(UserCommand(dialog, kIdcAboutGoToSite), "");
         },
         [](HeadlessDialog& dialog) { EXPECT_EQ(UserCommand(dialog, kIdOk), ""); }});
  Command(kCmdAbout);
  EXPECT_EQ(platform.ShellOpened(),
            std::vector<std::string>{"https://extension.corvale.example/herdwright"});
}

}  // namespace
