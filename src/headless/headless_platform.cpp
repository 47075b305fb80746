#include "headless/headless_platform.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "headless/pdf_print_device.h"

namespace {

// A posted action that posts itself again would never let the script go on.
constexpr int kMaxPostedPerDrain = 100000;

DialogEvent EventOf(DialogEventKind kind) {
  DialogEvent event;
  event.kind = kind;
  return event;
}

}  // namespace

HeadlessPlatform::~HeadlessPlatform() {
  // No procedure is called from here: the program may already be gone.
  posted_.clear();
}

void HeadlessPlatform::RecordMessage(std::string_view text) {
  messages_.emplace_back(text);
  if (echo_) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

void HeadlessPlatform::ShowMessage(std::string_view text, std::string_view) { RecordMessage(text); }

std::vector<std::string> HeadlessPlatform::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

int HeadlessPlatform::Ask(std::string_view text, std::string_view, MessageButtons buttons) {
  RecordMessage(text);
  return answers_.AnswerQuestion(text, buttons);
}

bool HeadlessPlatform::ChooseFile(std::string* path) {
  proposedFiles_.push_back(path != nullptr ? *path : std::string());
  std::optional<std::string> chosen = answers_.AnswerFileDialog();
  if (!chosen) return false;
  if (path != nullptr) *path = std::move(*chosen);
  return true;
}

PrinterChoice HeadlessPlatform::ChoosePrinter(PlatformWindow* owner) {
  if (printer_) return printer_(owner);
  const std::optional<PrinterAnswer> answer = answers_.AnswerPrintDialog();
  if (!answer) return {};
  return {std::make_unique<PdfPrintDevice>(answer->path, PaperSize::kLetter), answer->copies};
}

bool HeadlessPlatform::ChooseOpenFile(PlatformWindow*, const FileDialogOptions&,
                                      std::string* path) {
  return ChooseFile(path);
}

bool HeadlessPlatform::ChooseSaveFile(PlatformWindow*, const FileDialogOptions&,
                                      std::string* path) {
  return ChooseFile(path);
}

// A folder browser is answered as a file dialog is.
bool HeadlessPlatform::ChooseFolder(PlatformWindow*, std::string_view, std::string* path) {
  return ChooseFile(path);
}

int HeadlessPlatform::StartProgram(std::string_view path) {
  programsStarted_.emplace_back(path);
  return shellResult_;
}

int HeadlessPlatform::ShellOpen(std::string_view target) {
  shellOpened_.emplace_back(target);
  return shellResult_;
}

void HeadlessPlatform::CursorPosition(int* x, int* y) {
  *x = cursorX_;
  *y = cursorY_;
}

int HeadlessPlatform::StartTimer(int, std::function<void()> action) {
  timers_.emplace(++lastTimer_, std::move(action));
  return lastTimer_;
}

bool HeadlessPlatform::FireTimers() {
  if (timers_.empty()) return false;
  // As on the desktop: a timer waits while the program is inside a modal dialog.
  if (!modal_.empty()) return true;
  // An action may stop timers, its own included.
  std::vector<int> ids;
  for (const auto& timer : timers_) ids.push_back(timer.first);
  for (const int id : ids) {
    const auto timer = timers_.find(id);
    if (timer == timers_.end()) continue;
    const std::function<void()> action = timer->second;
    action();
  }
  return true;
}

void HeadlessPlatform::PostQuit(int exitCode) {
  quitPosted_ = true;
  exitCode_ = exitCode;
}

void HeadlessPlatform::Open(HeadlessDialog& dialog, std::intptr_t param) {
  DialogEvent init = EventOf(DialogEventKind::kInit);
  init.param = param;
  dialog.Send(init);
  // The window system sizes a window once it is created.
  if (dialog.Ended()) return;
  const PixelRect client = dialog.GetClientRect();
  DialogEvent size = EventOf(DialogEventKind::kSize);
  size.x = client.Width();
  size.y = client.Height();
  dialog.Send(size);
}

int HeadlessPlatform::RunModal(const DialogTemplate& from, const DialogProc& proc, Dialog* owner,
                               std::intptr_t param) {
  auto dialog = std::make_unique<HeadlessDialog>(from, proc, AsOwner(), owner, /*modal=*/true);
  modal_.push_back(dialog.get());
  Open(*dialog, param);
  if (!dialog->Ended()) RunPosted();
  while (!dialog->Ended()) {
    if (!pump_ || !pump_()) {
      dialog->EndDialog(kIdCancel);
      break;
    }
    RunPosted();
  }
  dialog->Destroy();
  DropPosted(*dialog);
  std::erase(modal_, dialog.get());
  return dialog->Result();
}

Dialog* HeadlessPlatform::CreateModeless(const DialogTemplate& from, const DialogProc& proc,
                                         Dialog* owner, std::intptr_t param) {
  modeless_.push_back(
      std::make_unique<HeadlessDialog>(from, proc, AsOwner(), owner, /*modal=*/false));
  HeadlessDialog* dialog = modeless_.back().get();
  Open(*dialog, param);
  return dialog->Ended() ? nullptr : dialog;
}

void HeadlessPlatform::ModelessEnded(HeadlessDialog& dialog) {
  DropPosted(dialog);
  if (front_ == &dialog) front_ = nullptr;
}

void HeadlessPlatform::WindowShown(HeadlessDialog& dialog) {
  if (std::find(modal_.begin(), modal_.end(), &dialog) == modal_.end()) front_ = &dialog;
}

bool HeadlessPlatform::Activate(int templateId) {
  for (const auto& dialog : modeless_) {
    if (dialog->Ended() || dialog->TemplateId() != templateId) continue;
    if (!dialog->IsItemVisible(kWindowItem)) continue;
    front_ = dialog.get();
    return true;
  }
  return false;
}

HeadlessDialog* HeadlessPlatform::MainWindow() {
  for (const auto& dialog : modeless_)
    if (!dialog->Ended() && dialog->OwnerWindow() == nullptr) return dialog.get();
  return nullptr;
}

HeadlessDialog* HeadlessPlatform::ActiveWindow() {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if (!(*it)->Ended()) return *it;
  if (front_ && !front_->Ended() && front_->IsItemVisible(kWindowItem)) return front_;
  return MainWindow();
}

void HeadlessPlatform::PostAction(HeadlessDialog& from, std::function<void()> action) {
  posted_.push_back({&from, std::move(action)});
}

void HeadlessPlatform::DropPosted(const HeadlessDialog& dialog) {
  std::erase_if(posted_, [&](const PostedAction& posted) { return posted.dialog == &dialog; });
}

void HeadlessPlatform::RunPosted() {
  for (int run = 0; !posted_.empty(); ++run) {
    if (run == kMaxPostedPerDrain) {
      posted_.clear();
      answers_.RecordFailure("posted actions keep posting more");
      return;
    }
    PostedAction next = std::move(posted_.front());
    posted_.pop_front();
    if (!next.dialog->Destroyed()) next.action();
  }
}

void HeadlessPlatform::ReleaseEndedWindows() {
  std::erase_if(modeless_, [](const auto& dialog) { return dialog->Destroyed(); });
}

void HeadlessPlatform::CloseWindows() {
  // Owned windows first, as the window system destroys them with their owner;
  // a procedure may open another window meanwhile, so work on a copy.
  std::vector<HeadlessDialog*> open;
  for (const auto& dialog : modeless_) open.push_back(dialog.get());
  for (auto it = open.rbegin(); it != open.rend(); ++it) (*it)->EndDialog(0);
  posted_.clear();
}

std::optional<int> HeadlessPlatform::ChoosePopupItem(const std::vector<MenuItem>& items) {
  return answers_.AnswerPopupMenu(items);
}
