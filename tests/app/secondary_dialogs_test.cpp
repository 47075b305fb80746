#include <functional>

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
  EXPECT_EQ(Text(kIdcEditId), "CHANGED");
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
