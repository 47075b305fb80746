#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "headless/headless_test_dialog.h"

namespace {

using namespace headless_test;

TEST(HeadlessQuestions, TakeQueuedAnswersThatFitTheirButtons) {
  struct Case {
    std::optional<int> queued;
    MessageButtons buttons;
    int expected;
    std::string failure;
  };
  // Yes and No to a Yes/No question are answered in the golden scripts.
  const std::vector<Case> cases = {
      {kIdCancel, MessageButtons::kYesNoCancel, kIdCancel, ""},
      {kIdCancel, MessageButtons::kOkCancel, kIdCancel, ""},
      {std::nullopt, MessageButtons::kYesNo, kIdNo, "unanswered question: Sure?"},
      {std::nullopt, MessageButtons::kYesNoCancel, kIdCancel, "unanswered question: Sure?"},
      {std::nullopt, MessageButtons::kOkCancel, kIdCancel, "unanswered question: Sure?"},
      {std::nullopt, MessageButtons::kOk, kIdOk, ""},
      {kIdOk, MessageButtons::kYesNo, kIdNo, "answer ok does not fit the question: Sure?"},
      {kIdYes, MessageButtons::kOkCancel, kIdCancel, "answer yes does not fit the question: Sure?"},
  };
  for (const Case& c : cases) {
    HeadlessPlatform platform;
    if (c.queued) platform.Answers().QueueAnswer(*c.queued);
    EXPECT_EQ(platform.Ask("Sure?", "Title", c.buttons), c.expected) << c.failure;
    EXPECT_EQ(platform.TakeFailure().value_or(""), c.failure);
    EXPECT_EQ(platform.TakeMessages(), std::vector<std::string>{"Sure?"});
  }
}

TEST(HeadlessModal, WithoutAPumpTheDialogIsCancelled) {
  HeadlessPlatform platform;
  EventLog log;
  EXPECT_EQ(platform.RunModal(TestTemplate(), log.Proc(), nullptr, 42), kIdCancel);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"init 42", "size 700 600", "destroy"}));
  EXPECT_EQ(platform.ActiveWindow(), nullptr);
}

TEST(HeadlessModal, ADialogEndedDuringInitIsNeitherPumpedNorKept) {
  HeadlessPlatform platform;
  int pumped = 0;
  platform.SetPump([&] { return ++pumped > 0; });
  const DialogProc refuse = [](Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kInit) dialog.EndDialog(0);
    return 1;
  };
  EXPECT_EQ(platform.RunModal(TestTemplate(), refuse, nullptr, 0), 0);
  EXPECT_EQ(platform.CreateModeless(TestTemplate(), refuse, nullptr, 0), nullptr);
  EXPECT_EQ(pumped, 0);
}

TEST(HeadlessPosted, RunAfterTheEventInOrderAndNeverForADestroyedDialog) {
  HeadlessPlatform platform;
  std::vector<std::string> trace;
  const DialogProc proc = [&](Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kCommand) {
      dialog.Post([&] { trace.push_back("first"); });
      dialog.Post([&, d = &dialog] {
        trace.push_back("second");
        d->Post([&] { trace.push_back("posted by second"); });
      });
      trace.push_back("handled");
    }
    return 1;
  };
  Dialog* window = platform.CreateModeless(TestTemplate(), proc, nullptr, 0);
  ASSERT_NE(window, nullptr);
  platform.MainWindow()->Send({DialogEventKind::kCommand, 1, 0, 0, 0, 0});
  platform.RunPosted();
  EXPECT_EQ(trace, (std::vector<std::string>{"handled", "first", "second", "posted by second"}));

  trace.clear();
  platform.MainWindow()->Send({DialogEventKind::kCommand, 1, 0, 0, 0, 0});
  window->EndDialog(0);
  platform.RunPosted();
  EXPECT_EQ(trace, std::vector<std::string>{"handled"});
}

TEST(HeadlessPosted, AnActionThatPostsForeverIsStoppedAsAFailure) {
  HeadlessPlatform platform;
  EventLog log;
  std::function<void()> again;
  Dialog* window = platform.CreateModeless(TestTemplate(), log.Proc(), nullptr, 0);
  again = [&] { window->Post(again); };
  window->Post(again);
  platform.RunPosted();
  EXPECT_EQ(platform.TakeFailure().value_or(""), "posted actions keep posting more");
}

TEST(HeadlessPopupMenus, TakeTheQueuedChoiceOnlyWhenItCanBeChosen) {
  HeadlessPlatform platform;
  EventLog log;
  HeadlessDialog* window =
      static_cast<HeadlessDialog*>(platform.CreateModeless(TestTemplate(), log.Proc(), nullptr, 0));
  log.Take();
  const std::vector<MenuItem> items{
      {1088, "Insert", false, {}}, {}, {0, "More", false, {{1050, "Delete", true, {}}}}};
  struct Case {
    std::optional<int> queued;
    std::vector<std::string> events;
    std::string failure;
  };
  const std::vector<Case> cases = {
      {1088, {"command 1088 0 0"}, ""},
      {std::nullopt, {}, ""},
      {1050, {}, "menu item 1050 is grayed"},
      {999, {}, "menu item 999 is not in the popup menu"},
  };
  for (const Case& c : cases) {
    if (c.queued) platform.Answers().QueueMenu(*c.queued);
    window->TrackPopupMenu(items, 0, 0);
    platform.RunPosted();
    EXPECT_EQ(log.Take(), c.events);
    EXPECT_EQ(platform.TakeFailure().value_or(""), c.failure);
    const auto shown = platform.TakeLastPopupMenu();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->size(), 3u);
    EXPECT_FALSE(platform.TakeLastPopupMenu());
  }
}

}  // namespace
