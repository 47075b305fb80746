// The desktop shell's side of a script: its windows, what they show, and the
// events an action leaves behind.

#include "qt/qt_script_shell.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "qt/color_ref.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_dialog.h"
#include "qt/qt_menu_items.h"
#include "qt/qt_text.h"

namespace {

// Events that keep posting more would never let the script go on.
constexpr int kMaxRounds = 100000;

TextStyle StyleOf(const QTextCharFormat& format, const QColor& textColor) {
  TextStyle style;
  style.bold = format.fontWeight() >= QFont::Bold;
  style.italic = format.fontItalic();
  const QColor color = format.foreground().color();
  style.autoColor = format.foreground().style() == Qt::NoBrush || color == textColor;
  if (!style.autoColor) style.color = RefFromColor(color);
  return style;
}

// Each character's format; a line break has the format of what follows it.
std::vector<StyledRun> RunsOf(const QTextEdit& edit) {
  const QTextDocument* document = edit.document();
  const QColor textColor = edit.palette().color(QPalette::Text);
  std::vector<TextStyle> perChar;
  QTextCursor cursor(const_cast<QTextDocument*>(document));
  for (int at = 0; at + 1 < document->characterCount(); ++at) {
    if (document->characterAt(at).isLowSurrogate()) continue;
    cursor.setPosition(at + 1);
    perChar.push_back(StyleOf(cursor.charFormat(), textColor));
  }
  return MergeStyles(perChar);
}

const DialogControl* FirstControl(const QtDialog& dialog, int id) {
  for (const DialogControl& control : dialog.Controls())
    if (control.id == id) return &control;
  return nullptr;
}

}  // namespace

QtScriptShell::QtScriptShell(QtPlatform& platform) : platform_(platform) {
  // The program ends when the script does, not when its main window closes.
  platform_.SetQuitHandler([](int) {});
  platform_.SetTimersByScript(true);
}

QtScriptShell::~QtScriptShell() {
  platform_.SetQuitHandler(nullptr);
  platform_.SetTimersByScript(false);
}

Dialog* QtScriptShell::ActiveWindow() { return platform_.ActiveWindow(); }

Dialog* QtScriptShell::MainWindow() { return platform_.MainWindow(); }

void QtScriptShell::RunPosted() {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  for (int round = 0; dispatcher->processEvents(QEventLoop::AllEvents); ++round) {
    if (round == kMaxRounds) {
      answers_.RecordFailure("posted actions keep posting more");
      return;
    }
  }
}

void QtScriptShell::ReleaseEndedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<ScriptControl> QtScriptShell::Controls(Dialog& window) {
  const QtDialog& dialog = *QtDialog::Of(&window);
  std::vector<ScriptControl> controls;
  for (const DialogControl& control : dialog.Controls()) {
    controls.push_back({control.id, control.kind, control.style, !control.widget->isHidden(),
                        control.widget->isEnabledTo(dialog.Client()), dialog.ControlText(control)});
  }
  return controls;
}

std::vector<MenuItem> QtScriptShell::MenuBar(Dialog& window) {
  const QMenuBar* bar = QtDialog::Of(&window)->MenuBar();
  return bar != nullptr ? MenuItemsOf(bar->actions()) : std::vector<MenuItem>();
}

std::vector<StyledRun> QtScriptShell::TextRuns(Dialog& window, int id) {
  const QtDialog& dialog = *QtDialog::Of(&window);
  const DialogControl* control = FirstControl(dialog, id);
  if (control == nullptr) return {};
  if (const auto* edit = qobject_cast<const QTextEdit*>(control->widget)) return RunsOf(*edit);
  const qsizetype chars = CharCount(ToQString(dialog.ControlText(*control)));
  return MergeStyles(std::vector<TextStyle>(static_cast<std::size_t>(chars)));
}

ClipboardContents QtScriptShell::GetClipboardContents() { return QtClipboard::Contents(); }
