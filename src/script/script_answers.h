#pragma once
// What the user of a scripted program will answer, queued ahead of the
// questions, file dialogs and popup menus that ask for it, and what went wrong
// when none was queued or the one queued did not fit. Every shell answers from
// here, so that a script gets the same answers whichever shell runs it.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

struct FileAnswer {
  bool cancel = false;
  std::string path;
};

// The print dialog's answer: a PDF file to print to, and the copies.
struct PrinterAnswer {
  bool cancel = false;
  std::string path;
  int copies = 1;
};

class ScriptAnswers {
 public:
  // A message box answer as a DialogResult: kIdYes, kIdNo, kIdOk or kIdCancel.
  void QueueAnswer(int result) { answers_.push_back(result); }
  void QueueFile(FileAnswer answer) { files_.push_back(std::move(answer)); }
  void QueueMenu(int command) { menus_.push_back(command); }
  void QueuePrinter(PrinterAnswer answer) { printers_.push_back(std::move(answer)); }

  // The button that answers a message box. An OK box needs no answer; any
  // other takes the next queued one. Without one, the failure "unanswered
  // question: TEXT" is recorded and the answer is No, or Cancel when there is
  // no No; so is an answer that does not fit the buttons.
  int AnswerQuestion(std::string_view text, MessageButtons buttons);
  // The path chosen in a file dialog; nullopt when it is cancelled, also when
  // nothing was queued (a failure).
  std::optional<std::string> AnswerFileDialog();
  // The print dialog's choice; nullopt when it is cancelled, also when
  // nothing was queued (a failure).
  std::optional<PrinterAnswer> AnswerPrintDialog();
  // The command chosen in a popup menu, whose items are kept for "dump menu";
  // nullopt when it is dismissed. A queued command the menu does not offer, or
  // offers grayed, is a failure.
  std::optional<int> AnswerPopupMenu(const std::vector<MenuItem>& items);

  void RecordFailure(std::string failure) { failures_.push_back(std::move(failure)); }
  // The first failure recorded since the last call, and forgets the rest.
  std::optional<std::string> TakeFailure();
  // The items of the last popup menu shown since the last call, if any.
  std::optional<std::vector<MenuItem>> TakeLastPopupMenu();

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> front(std::move(queue.front()));
    queue.pop_front();
    return front;
  }

  std::deque<int> answers_;
  std::deque<FileAnswer> files_;
  std::deque<int> menus_;
  std::deque<PrinterAnswer> printers_;
  std::vector<std::string> failures_;
  std::optional<std::vector<MenuItem>> lastPopup_;
};
