// The program's print commands, with the print dialog answered by a
// recording printer: which sections and budgets each command prints.
#include <memory>

#include "app/app_state.h"
#include "app/list_window.h"
#include "app/tab_view.h"
#include "main_window_fixture.h"
#include "platform/recording_print_device.h"
#include "reports/capital_fixture.h"
#include "reports/print_report.h"
#include "support/borrowed_print_device.h"

namespace {

class PrintCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    platform.SetPrinter([this](PlatformWindow* owner) {
      ++dialogs;
      owners.push_back(owner);
      if (cancelPrinter) return PrinterChoice{};
      recording = std::make_unique<RecordingPrintDevice>();
      return PrinterChoice{std::make_unique<BorrowedPrintDevice>(*recording), 1};
    });
  }
  std::string Printed() const { return recording ? recording->Texts() : std::string(); }
  bool Checked(int id) const { return window->IsItemChecked(id); }

  std::unique_ptr<RecordingPrintDevice> recording;
  std::vector<PlatformWindow*> owners;
  int dialogs = 0;
  bool cancelPrinter = false;
};

TEST_F(PrintCommandsTest, TheReportDialogOpensWithTheEmptyListsLeftOut) {
  FillCapitalLists(App_Document());
  int opened = 0;
  std::vector<int> checked;
  platform.SetPump([&] {
    HeadlessDialog* dialog = platform.ActiveWindow();
    if (dialog == nullptr || dialog->TemplateId() != kDialogPrintReport || opened++ > 0)
      return false;
    EXPECT_EQ(dialog->GetCaption(), "Print VQN Report");
    for (int id = kIdcPrintSummary; id <= kIdcPrintBudgets; ++id)
      if (dialog->IsItemChecked(id)) checked.push_back(id);
    // Nothing ticked: the user is told and the dialog stays.
    for (int id : checked) EXPECT_EQ(UserCommand(*dialog, id), "");
    EXPECT_EQ(UserCommand(*dialog, kIdOk), "");
    EXPECT_EQ(platform.TakeMessages(),
              std::vector<std::string>{
                  "Please check one or more items to Print, or choose 'Cancel'."});
    EXPECT_EQ(UserCommand(*dialog, kIdcPrintMachinery), "");
    EXPECT_EQ(UserCommand(*dialog, kIdcPrintOperatingSummary), "");
    EXPECT_EQ(UserCommand(*dialog, kIdOk), "");
    return true;
  });
  Command(kCmdPrint);
  // 0x3ED without the expenses and veterinary costs, whose lists are empty.
  EXPECT_EQ(checked, (std::vector<int>{kIdcPrintSummary, kIdcPrintMachinery, kIdcPrintBuildings,
                                       kIdcPrintPurchasedLivestock, kIdcPrintRetainedLivestock,
                                       kIdcPrintBudgets}));
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(owners, std::vector<PlatformWindow*>{window});
  EXPECT_NE(Printed().find("Farm/Ranch Operating Cost Summary"), std::string::npos);
  EXPECT_NE(Printed().find("Farm/Ranch Machinery - Detail"), std::string::npos);
  EXPECT_EQ(Printed().find("Summary (totals)"), std::string::npos);
  // The choice is remembered, with what was left out put back.
  EXPECT_EQ(App_State().printFlags, kPrintMachinery | kPrintOperatingSummary | kPrintExpenses |
                                        kPrintVeterinary);
}

// The expenses count as printable only with an item, not a heading, whose
// total cost is above zero.
TEST_F(PrintCommandsTest, TheExpensesNeedAnItemWithACost) {
  WholeFarmLists& lists = App_Document().lists;
  lists.pOperatingExpenses.reset();
  lists.pOwnershipExpenses.reset();
  std::vector<bool> ticked;
  platform.SetPump([&] {
    HeadlessDialog* dialog = platform.ActiveWindow();
    if (dialog == nullptr || dialog->TemplateId() != kDialogPrintReport) return false;
    ticked.push_back(dialog->IsItemChecked(kIdcPrintExpenses));
    EXPECT_EQ(UserCommand(*dialog, kIdCancel), "");
    return true;
  });
  CExpenseLne& heading = AppendCapital(lists.pOperatingExpenses, "Fuel");
  heading.heading = 1;
  heading.total = 500;
  CExpenseLne& free = AppendCapital(lists.pOwnershipExpenses, "Advice");
  free.total = 0;
  Command(kCmdPrint);
  free.total = 0.01;
  Command(kCmdPrint);
  EXPECT_EQ(ticked, (std::vector<bool>{false, true}));
}

TEST_F(PrintCommandsTest, CancellingEitherDialogPrintsNothing) {
  App_State().printFlags = kPrintBudgets;  // the lists' sections unticked by the user
  platform.SetPump([&] {
    HeadlessDialog* dialog = platform.ActiveWindow();
    if (dialog == nullptr || dialog->TemplateId() != kDialogPrintReport) return false;
    EXPECT_EQ(UserCommand(*dialog, kIdCancel), "");
    return true;
  });
  Command(kCmdPrint);
  EXPECT_EQ(dialogs, 0);
  // Sections the user had left out stay out, empty or not.
  EXPECT_EQ(App_State().printFlags, kPrintBudgets);

  cancelPrinter = true;
  TabMenu(kCmdPrintTab);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(recording, nullptr);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(PrintCommandsTest, PrintCurrentTabPrintsTheTabsBudgetOrTheSummaryViews) {
  App_Document().GetBudget(1, true)->title = "Second herd";
  Budget(0).title = "First herd";
  RebuildTabs(*window);
  ClickTab(2);
  TabMenu(kCmdPrintTab);
  EXPECT_EQ(recording->Pages(), 1);
  EXPECT_NE(Printed().find("Second herd"), std::string::npos);
  EXPECT_EQ(Printed().find("First herd"), std::string::npos);

  ClickTab(0);
  TabMenu(kCmdPrintTab);
  EXPECT_EQ(recording->Pages(), 1);
  EXPECT_NE(Printed().find("Summary (totals)"), std::string::npos);
  Command(kIdcRadioOperating);
  window->CheckItem(kIdcRadioWholeFarm, false);
  window->CheckItem(kIdcRadioOperating, true);
  TabMenu(kCmdPrintTab);
  EXPECT_EQ(recording->Pages(), 2);
  EXPECT_NE(Printed().find("Farm/Ranch Operating Cost Summary"), std::string::npos);
  EXPECT_FALSE(App_IsModified());
}

TEST_F(PrintCommandsTest, ListWindowsPrintTheirSectionInTheViewShown) {
  FillCapitalLists(App_Document());
  RebuildTabs(*window);
  std::vector<std::pair<int, int>> steps;  // tab, command
  std::vector<std::string> printed;
  platform.SetPump([&] {
    HeadlessDialog* dialog = platform.ActiveWindow();
    if (dialog == nullptr || dialog == window) return false;
    if (steps.empty()) {
      EXPECT_EQ(UserClose(*dialog), "");
      return true;
    }
    const auto [tab, command] = steps.front();
    steps.erase(steps.begin());
    if (dialog->CountTabs(kIdcCapitalTabs) > 0) {
      EXPECT_EQ(UserClickTab(*dialog, tab), "");
    }
    platform.Answers().QueueMenu(command);
    EXPECT_EQ(UserContextMenu(*dialog, 0), "");
    platform.RunPosted();
    printed.push_back(Printed());
    return true;
  });
  steps = {{0, kCmdPrintList}, {1, kCmdPrintListDetail}, {3, kCmdPrintList}};
  Command(kCmdMachinery);
  ASSERT_EQ(printed.size(), 3u);
  EXPECT_TRUE(printed[0].starts_with("Farm/Ranch Machinery - Summary\n")) << printed[0];
  EXPECT_TRUE(printed[1].starts_with("Farm/Ranch Machinery - Detail\n")) << printed[1];
  EXPECT_TRUE(printed[2].starts_with("Farm/Ranch Machinery\nDistributions for Crop 2\n"))
      << printed[2];

  printed.clear();
  steps = {{2, kCmdPrintList}};
  Command(kCmdRetainedLivestock);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(printed[0].starts_with("Retained Livestock Investment\nDistributions for CC-09\n"))
      << printed[0];

  printed.clear();
  steps = {{0, kCmdPrintList}};
  Command(kCmdExpenses);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(printed[0].starts_with("General Farm/Ranch Expenses\n")) << printed[0];
  // The list window owns its print dialog.
  EXPECT_NE(owners.back(), window);
}

}  // namespace
