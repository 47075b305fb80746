#include "script/script_answers.h"

#include "platform/menu_items.h"

namespace {

bool AnswerFits(int answer, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return answer == kIdOk;
    case MessageButtons::kOkCancel:
      return answer == kIdOk || answer == kIdCancel;
    case MessageButtons::kYesNo:
      return answer == kIdYes || answer == kIdNo;
    case MessageButtons::kYesNoCancel:
      return answer == kIdYes || answer == kIdNo || answer == kIdCancel;
  }
  return false;
}

int Unanswered(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return kIdOk;
    case MessageButtons::kYesNo:
      return kIdNo;
    default:
      return kIdCancel;
  }
}

const char* AnswerName(int answer) {
  switch (answer) {
    case kIdYes:
      return "yes";
    case kIdNo:
      return "no";
    case kIdOk:
      return "ok";
    default:
      return "cancel";
  }
}

}  // namespace

int ScriptAnswers::AnswerQuestion(std::string_view text, MessageButtons buttons) {
  if (buttons == MessageButtons::kOk) return kIdOk;
  const std::optional<int> answer = Take(answers_);
  if (!answer) {
    RecordFailure("unanswered question: " + std::string(text));
    return Unanswered(buttons);
  }
  if (!AnswerFits(*answer, buttons)) {
    RecordFailure(std::string("answer ") + AnswerName(*answer) +
                  " does not fit the question: " + std::string(text));
    return Unanswered(buttons);
  }
  return *answer;
}

std::optional<std::string> ScriptAnswers::AnswerFileDialog() {
  const std::optional<FileAnswer> answer = Take(files_);
  if (!answer) {
    RecordFailure("unanswered file dialog");
    return std::nullopt;
  }
  if (answer->cancel) return std::nullopt;
  return answer->path;
}

std::optional<PrinterAnswer> ScriptAnswers::AnswerPrintDialog() {
  const std::optional<PrinterAnswer> answer = Take(printers_);
  if (!answer) {
    RecordFailure("unanswered print dialog");
    return std::nullopt;
  }
  if (answer->cancel) return std::nullopt;
  return answer;
}

std::optional<int> ScriptAnswers::AnswerPopupMenu(const std::vector<MenuItem>& items) {
  lastPopup_ = items;
  const std::optional<int> chosen = Take(menus_);
  if (!chosen) return std::nullopt;
  const MenuItem* item = FindMenuItem(items, *chosen);
  if (item == nullptr) {
    RecordFailure("menu item " + std::to_string(*chosen) + " is not in the popup menu");
    return std::nullopt;
  }
  if (item->grayed) {
    RecordFailure("menu item " + std::to_string(*chosen) + " is grayed");
    return std::nullopt;
  }
  return chosen;
}

std::optional<std::string> ScriptAnswers::TakeFailure() {
  if (failures_.empty()) return std::nullopt;
  std::string first = std::move(failures_.front());
  failures_.clear();
  return first;
}

std::optional<std::vector<MenuItem>> ScriptAnswers::TakeLastPopupMenu() {
  std::optional<std::vector<MenuItem>> taken;
  taken.swap(lastPopup_);
  return taken;
}
