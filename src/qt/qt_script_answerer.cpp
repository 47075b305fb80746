#include "qt/qt_script_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QSpinBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "qt/qt_menu_items.h"
#include "qt/qt_script_input.h"
#include "qt/qt_text.h"
#include "script/script_answers.h"

namespace {

// Set on a widget once it has been answered: a widget may be shown again.
constexpr char kAnswered[] = "herdScriptAnswered";

MessageButtons ButtonsOf(const QMessageBox* box) {
  const QMessageBox::StandardButtons buttons = box->standardButtons();
  if (buttons & QMessageBox::Yes) {
    return (buttons & QMessageBox::Cancel) ? MessageButtons::kYesNoCancel : MessageButtons::kYesNo;
  }
  return (buttons & QMessageBox::Cancel) ? MessageButtons::kOkCancel : MessageButtons::kOk;
}

QMessageBox::StandardButton StandardButtonOf(int answer) {
  switch (answer) {
    case kIdYes: return QMessageBox::Yes;
    case kIdNo: return QMessageBox::No;
    case kIdCancel: return QMessageBox::Cancel;
    default: return QMessageBox::Ok;
  }
}

void Click(QAbstractButton* button) { ClickAt(button, button->rect().center()); }

QAbstractButton* DialogButton(QDialog* dialog, QDialogButtonBox::ButtonRole role) {
  auto* box = dialog->findChild<QDialogButtonBox*>();
  if (box == nullptr) return nullptr;
  for (QAbstractButton* button : box->buttons()) {
    if (box->buttonRole(button) == role) return button;
  }
  return nullptr;
}

void Cancel(QDialog* dialog) {
  if (QAbstractButton* cancel = DialogButton(dialog, QDialogButtonBox::RejectRole)) {
    Click(cancel);
  } else {
    PressKey(dialog, Qt::Key_Escape);
  }
}

// A popup the program opened itself, not a menu of the menu bar or a submenu.
bool IsProgramPopup(const QMenu* menu) {
  const QWidget* parent = menu->parentWidget();
  return qobject_cast<const QMenu*>(parent) == nullptr &&
         qobject_cast<const QMenuBar*>(parent) == nullptr;
}

// Runs an answer once the widget's own loop runs, unless the widget is gone.
template <typename Widget, typename Answer>
void AnswerLater(Widget* widget, Answer answer) {
  widget->setProperty(kAnswered, true);
  QTimer::singleShot(0, widget, [widget, answer] { answer(widget); });
}

}  // namespace

QtScriptAnswerer::QtScriptAnswerer(ScriptAnswers& answers) : answers_(answers) {
  qApp->installEventFilter(this);
}

QtScriptAnswerer::~QtScriptAnswerer() { qApp->removeEventFilter(this); }

std::vector<std::string> QtScriptAnswerer::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

bool QtScriptAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType() ||
      watched->property(kAnswered).toBool()) {
    return false;
  }
  if (auto* box = qobject_cast<QMessageBox*>(watched)) {
    AnswerLater(box, [this](QMessageBox* shown) { AnswerBox(shown); });
  } else if (auto* print = qobject_cast<QPrintDialog*>(watched)) {
    AnswerLater(print, [this](QPrintDialog* shown) { AnswerPrintDialog(shown); });
  } else if (auto* files = qobject_cast<QFileDialog*>(watched)) {
    AnswerLater(files, [this](QFileDialog* shown) { AnswerFileDialog(shown); });
  } else if (auto* menu = qobject_cast<QMenu*>(watched); menu != nullptr && IsProgramPopup(menu)) {
    AnswerLater(menu, [this](QMenu* shown) { AnswerPopup(shown); });
  }
  return false;
}

void QtScriptAnswerer::AnswerBox(QMessageBox* box) {
  const std::string text = ToStdString(box->text());
  ReleaseButtons(box);
  messages_.push_back(text);
  const int answer = answers_.AnswerQuestion(text, ButtonsOf(box));
  if (QAbstractButton* button = box->button(StandardButtonOf(answer))) {
    Click(button);
  } else {
    PressKey(box, Qt::Key_Escape);  // a box of buttons the program never asks with
  }
}

void QtScriptAnswerer::AnswerFileDialog(QFileDialog* dialog) {
  ReleaseButtons(dialog);
  const std::optional<std::string> path = answers_.AnswerFileDialog();
  if (!path) {
    Cancel(dialog);
    return;
  }
  // Typed as a user types a name: relative to the folder the program runs in.
  const QString file = QDir::current().absoluteFilePath(ToQString(*path));
  dialog->selectFile(file);
  const QPointer<QFileDialog> open(dialog);
  if (QAbstractButton* accept = DialogButton(dialog, QDialogButtonBox::AcceptRole)) Click(accept);
  if (open == nullptr || !open->isVisible()) return;
  answers_.RecordFailure("the file dialog does not take " + *path);
  Cancel(dialog);
}

// The dialog's own widgets, as the user sets them: the PDF printer of its
// list, the file name and the copies.
void QtScriptAnswerer::AnswerPrintDialog(QPrintDialog* dialog) {
  ReleaseButtons(dialog);
  const std::optional<PrinterAnswer> answer = answers_.AnswerPrintDialog();
  if (!answer) {
    Cancel(dialog);
    return;
  }
  auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
  auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
  auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
  const int pdf = printers != nullptr ? printers->findText(QStringLiteral("PDF"), Qt::MatchContains)
                                      : -1;
  if (pdf < 0 || file == nullptr || copies == nullptr) {
    answers_.RecordFailure("the print dialog offers no PDF file");
    Cancel(dialog);
    return;
  }
  printers->setCurrentIndex(pdf);
  file->setText(QDir::current().absoluteFilePath(ToQString(answer->path)));
  copies->setValue(answer->copies);
  const QPointer<QPrintDialog> open(dialog);
  if (QAbstractButton* print = DialogButton(dialog, QDialogButtonBox::AcceptRole)) Click(print);
  if (open == nullptr || !open->isVisible()) return;
  answers_.RecordFailure("the print dialog does not take " + answer->path);
  Cancel(dialog);
}

void QtScriptAnswerer::AnswerPopup(QMenu* menu) {
  const std::optional<int> chosen = answers_.AnswerPopupMenu(MenuItemsOf(menu->actions()));
  const QList<QAction*> path = chosen ? PathToCommand(menu->actions(), *chosen) : QList<QAction*>();
  if (!path.isEmpty() && ChooseByKeyboard(menu, path)) return;
  Dismiss(menu);
}
