// Texts, states and focus of single controls.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "qt/color_ref.h"
#include "qt/grid_widget.h"
#include "qt/qt_dialog.h"
#include "qt/qt_text.h"
#include "qt/rich_text_loader.h"
#include "qt/up_down_widget.h"

namespace {

// A multi-line box shows "\n" where the program may have set "\r\n" or "\n":
// it reads back as it was set; typed line breaks are "\r\n".
std::string MultilineText(const DialogControl& control, const QString& shown) {
  if (shown == FromCrLf(ToQString(control.text))) return control.text;
  return ToStdString(ToCrLf(shown));
}

}  // namespace

std::string QtDialog::GetItemText(int id) const {
  const DialogControl* control = Find(id);
  return control != nullptr ? ControlText(*control) : std::string();
}

std::string QtDialog::ControlText(const DialogControl& control) const {
  QWidget* widget = control.widget;
  switch (control.kind) {
    case ControlKind::kLabel:
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
    case ControlKind::kGroupBox: return control.text;
    case ControlKind::kEdit:
      if (auto* line = dynamic_cast<QLineEdit*>(widget)) return ToStdString(line->text());
      return MultilineText(control, static_cast<QPlainTextEdit*>(widget)->toPlainText());
    case ControlKind::kComboBox:
    case ControlKind::kDropList: return ToStdString(static_cast<QComboBox*>(widget)->currentText());
    case ControlKind::kRichEdit: return control.text;  // read-only: the program's text
    case ControlKind::kGrid: return static_cast<GridWidget*>(widget)->Engine().State().title;
    // A list box has no text of its own, as the window system has it.
    case ControlKind::kListBox:
    case ControlKind::kTabStrip:
    case ControlKind::kUpDown: return {};
  }
  return {};
}

void QtDialog::SetItemText(int id, std::string_view text) {
  DialogControl* control = Find(id);
  if (control == nullptr) return;
  QWidget* widget = control->widget;
  const QString value = ToQString(text);
  const QSignalBlocker blocker(widget);
  switch (control->kind) {
    case ControlKind::kLabel:
      control->text = std::string(text);
      static_cast<QLabel*>(widget)->setText(StripMnemonics(FromCrLf(value)));
      break;
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      control->text = std::string(text);
      static_cast<QAbstractButton*>(widget)->setText(value);
      break;
    case ControlKind::kGroupBox:
      control->text = std::string(text);
      static_cast<QGroupBox*>(widget)->setTitle(value);
      break;
    case ControlKind::kEdit:
      control->text = std::string(text);
      if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
        line->setText(value);
      } else {
        static_cast<QPlainTextEdit*>(widget)->setPlainText(FromCrLf(value));
      }
      control->modified = false;
      RememberText(*control);
      break;
    case ControlKind::kComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      const QSignalBlocker lineBlocker(combo->lineEdit());
      combo->setEditText(value);
      RememberText(*control);
      break;
    }
    case ControlKind::kDropList: {
      // A list without an edit part shows only its own items.
      auto* combo = static_cast<QComboBox*>(widget);
      const int found = combo->findText(value, Qt::MatchFixedString);
      if (found >= 0) combo->setCurrentIndex(found);
      break;
    }
    case ControlKind::kRichEdit:
      control->text = std::string(text);
      LoadRichText(static_cast<QTextEdit*>(widget), value);
      break;
    case ControlKind::kGrid: static_cast<GridWidget*>(widget)->Engine().SetTitle(text); break;
    case ControlKind::kListBox:
    case ControlKind::kTabStrip:
    case ControlKind::kUpDown: break;
  }
}

void QtDialog::RememberText(DialogControl& control) {
  if (auto* line = dynamic_cast<QLineEdit*>(control.widget)) {
    control.acceptedText = line->text();
  } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(control.widget)) {
    control.acceptedText = edit->toPlainText();
  } else if (auto* combo = dynamic_cast<QComboBox*>(control.widget)) {
    control.acceptedText = combo->currentText();
  }
}

void QtDialog::SetItemLimit(int id, int chars) {
  if (DialogControl* control = Find(id)) control->limit = chars > 0 ? chars : 0;
}

bool QtDialog::GetItemModified(int id) const {
  const DialogControl* control = Find(id);
  return control != nullptr && control->modified;
}

void QtDialog::SetItemModified(int id, bool modified) {
  if (DialogControl* control = Find(id)) control->modified = modified;
}

void QtDialog::ShowItem(int id, bool show) {
  if (id == kWindowItem && window_ != nullptr) {
    // Showing a window brings it to the front, as a modeless window shown again.
    window_->setVisible(show);
    if (show) {
      window_->raise();
      window_->activateWindow();
      if (shownHandler_) shownHandler_(*this);
    }
    return;
  }
  if (QWidget* widget = ItemWidget(id)) widget->setVisible(show);
}

bool QtDialog::IsItemVisible(int id) const {
  if (id == kWindowItem && window_ != nullptr) return window_->isVisible();
  const QWidget* widget = ItemWidget(id);
  return widget != nullptr && !widget->isHidden();
}

void QtDialog::EnableItem(int id, bool enable) {
  if (QWidget* widget = ItemWidget(id)) widget->setEnabled(enable);
}

bool QtDialog::IsItemEnabled(int id) const {
  const QWidget* widget = ItemWidget(id);
  return widget != nullptr && widget->isEnabledTo(client_);
}

void QtDialog::CheckItem(int id, bool check) {
  const DialogControl* control = Find(id);
  if (control == nullptr || (control->kind != ControlKind::kCheckBox &&
                             control->kind != ControlKind::kRadioButton)) {
    return;
  }
  const QSignalBlocker blocker(control->widget);
  static_cast<QAbstractButton*>(control->widget)->setChecked(check);
}

bool QtDialog::IsItemChecked(int id) const {
  const DialogControl* control = Find(id);
  if (control == nullptr || (control->kind != ControlKind::kCheckBox &&
                             control->kind != ControlKind::kRadioButton)) {
    return false;
  }
  return static_cast<QAbstractButton*>(control->widget)->isChecked();
}

void QtDialog::SetFocusItem(int id) {
  if (QWidget* widget = ItemWidget(id)) widget->setFocus(Qt::OtherFocusReason);
}

int QtDialog::GetFocusItem() const {
  return window_ != nullptr ? ControlIdOf(window_->focusWidget()) : 0;
}

void QtDialog::FormatItemText(int id, int start, int length, const TextStyle& style) {
  const DialogControl* control = Find(id);
  if (control == nullptr || control->kind != ControlKind::kRichEdit) return;
  auto* edit = static_cast<QTextEdit*>(control->widget);
  const QString plain = edit->document()->toPlainText();
  const qsizetype from = Utf16Offset(plain, std::max(0, start));
  // A negative length runs to the end, as a selection to -1 does.
  const qsizetype to = length < 0 ? plain.size()
                                  : Utf16Offset(plain, static_cast<qsizetype>(std::max(0, start)) + length);
  QTextCursor cursor(edit->document());
  cursor.setPosition(static_cast<int>(from));
  cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(style.italic);
  format.setForeground(style.autoColor ? edit->palette().color(QPalette::Text)
                                       : ColorFromRef(style.color));
  cursor.mergeCharFormat(format);
}

void QtDialog::SetUpDownRange(int id, int low, int high) {
  const DialogControl* control = Find(id);
  if (control != nullptr && control->kind == ControlKind::kUpDown) {
    static_cast<UpDownWidget*>(control->widget)->SetRange(low, high);
  }
}

void QtDialog::SetUpDownPosition(int id, int position) {
  const DialogControl* control = Find(id);
  if (control == nullptr || control->kind != ControlKind::kUpDown) return;
  auto* upDown = static_cast<UpDownWidget*>(control->widget);
  upDown->SetPosition(position);
  for (DialogControl& buddy : controls_) {
    if (buddy.widget == upDown->Buddy()) RememberText(buddy);
  }
}
