// Widgets from control templates, and the user's actions on them as events.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include "qt/grid_widget.h"
#include "qt/qt_dialog.h"
#include "qt/qt_text.h"
#include "qt/tab_strip_widget.h"
#include "qt/up_down_widget.h"

namespace {

Qt::Alignment TextAlignment(std::uint32_t style) {
  if ((style & kStyleRight) != 0) return Qt::AlignRight;
  if ((style & kStyleCenter) != 0) return Qt::AlignHCenter;
  return Qt::AlignLeft;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent, QObject* filter) {
  const bool readOnly = (control.style & kStyleReadOnly) != 0;
  if ((control.style & kStyleMultiline) != 0) {
    auto* edit = new QPlainTextEdit(FromCrLf(ToQString(control.text)), parent);
    edit->setTabChangesFocus(true);
    edit->setReadOnly(readOnly);
    edit->setVerticalScrollBarPolicy((control.style & kStyleVScroll) != 0 ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
    if ((control.style & kStyleWantReturn) == 0) edit->installEventFilter(filter);
    return edit;
  }
  auto* edit = new QLineEdit(ToQString(control.text), parent);
  edit->setAlignment(TextAlignment(control.style) | Qt::AlignVCenter);
  edit->setReadOnly(readOnly);
  return edit;
}

QWidget* CreateRichEdit(const ControlTemplate& control, QWidget* parent) {
  auto* edit = new QTextEdit(parent);
  edit->setReadOnly(true);
  edit->setUndoRedoEnabled(false);
  edit->setPlainText(FromCrLf(ToQString(control.text)));
  // The box has no menu of its own: a right-click is the dialog's.
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  // The instruction and analysis boxes sit on the dialog's face colour.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  edit->setPalette(palette);
  return edit;
}

QWidget* CreateComboBox(const ControlTemplate& control, QWidget* parent, bool editable) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(editable);
  if (editable) {
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setEditText(ToQString(control.text));
  }
  return combo;
}

}  // namespace

QWidget* QtDialog::CreateControl(const ControlTemplate& control, std::size_t index) {
  const QString text = ToQString(control.text);
  switch (control.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(StripMnemonics(FromCrLf(text)), client_);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(TextAlignment(control.style) | Qt::AlignTop);
      // Static text lets the mouse through to what lies beneath, as a tab strip.
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      return label;
    }
    case ControlKind::kEdit: return CreateEdit(control, client_, this);
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: {
      auto* button = new QPushButton(text, client_);
      button->setAutoDefault(false);
      button->setDefault(control.kind == ControlKind::kDefaultButton);
      return button;
    }
    case ControlKind::kCheckBox: return new QCheckBox(text, client_);
    case ControlKind::kRadioButton: {
      auto* radio = new QRadioButton(text, client_);
      // Exclusion is per template group, handled on the user's click.
      radio->setAutoExclusive(false);
      return radio;
    }
    case ControlKind::kGroupBox: {
      auto* group = new QGroupBox(text, client_);
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      group->setFocusPolicy(Qt::NoFocus);
      return group;
    }
    case ControlKind::kComboBox: return CreateComboBox(control, client_, true);
    case ControlKind::kDropList: return CreateComboBox(control, client_, false);
    case ControlKind::kListBox: {
      auto* list = new QListWidget(client_);
      if ((control.style & kStyleExtendedSel) != 0)
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
      return list;
    }
    case ControlKind::kTabStrip: return new TabStripWidget(client_);
    case ControlKind::kGrid: {
      auto* grid = new GridWidget(client_, control.id, control.text);
      grid->SetNotify([this](int id, int code, std::intptr_t lParam) {
        SendCommand(id, code, lParam);
      });
      return grid;
    }
    case ControlKind::kRichEdit: return CreateRichEdit(control, client_);
    case ControlKind::kUpDown: {
      auto* upDown = new UpDownWidget(client_);
      // Bound to the edit box just before it in the template.
      if (index > 0 && controls_[index - 1].kind == ControlKind::kEdit) {
        upDown->SetBuddy(dynamic_cast<QLineEdit*>(controls_[index - 1].widget));
      }
      return upDown;
    }
  }
  return new QWidget(client_);
}

void QtDialog::BuildControls(const std::vector<ControlTemplate>& templates) {
  controls_.reserve(templates.size());
  int radioGroup = 0;
  for (std::size_t index = 0; index < templates.size(); ++index) {
    const ControlTemplate& control = templates[index];
    if ((control.style & kStyleGroup) != 0) ++radioGroup;
    DialogControl built;
    built.id = control.id;
    built.kind = control.kind;
    built.style = control.style;
    built.radioGroup = radioGroup;
    built.text = control.text;
    controls_.push_back(built);

    QWidget* widget = CreateControl(control, index);
    controls_[index].widget = widget;
    QRect rect = units_.Rect(control.x, control.y, control.width, control.height);
    // A combo box's template height includes its drop-down list.
    if (control.kind == ControlKind::kComboBox || control.kind == ControlKind::kDropList) {
      rect.setHeight(widget->sizeHint().height());
    }
    widget->setGeometry(rect);
    if ((control.style & kStyleHidden) != 0) widget->hide();
    if ((control.style & kStyleDisabled) != 0) widget->setEnabled(false);
    firstById_.emplace(control.id, index);
    ConnectControl(index);
  }
  // Frames lie under the controls they hold, whatever the template order.
  for (DialogControl& control : controls_) {
    if (control.kind == ControlKind::kGroupBox) control.widget->lower();
  }
  for (DialogControl& control : controls_) {
    if (control.kind == ControlKind::kTabStrip) control.widget->lower();
  }
}

void QtDialog::UserEdited(DialogControl& control, int notification) {
  control.modified = true;
  SendCommand(control.id, notification);
}

void QtDialog::ConnectControl(std::size_t index) {
  DialogControl& control = controls_[index];
  const int id = control.id;
  switch (control.kind) {
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
    case ControlKind::kCheckBox:
      connect(static_cast<QAbstractButton*>(control.widget), &QAbstractButton::clicked, this,
              [this, id] { SendCommand(id, kNotifyClicked); });
      break;
    case ControlKind::kRadioButton:
      connect(static_cast<QAbstractButton*>(control.widget), &QAbstractButton::clicked, this,
              [this, index] { OnRadioClicked(index); });
      break;
    case ControlKind::kEdit: ConnectEdit(index); break;
    case ControlKind::kComboBox:
    case ControlKind::kDropList:
    case ControlKind::kListBox: ConnectChoices(index); break;
    case ControlKind::kTabStrip: ConnectTabStrip(index); break;
    case ControlKind::kUpDown: AttachUpDown(index); break;
    default: break;
  }
}

void QtDialog::OnRadioClicked(std::size_t index) {
  DialogControl& clicked = controls_[index];
  static_cast<QAbstractButton*>(clicked.widget)->setChecked(true);
  for (DialogControl& other : controls_) {
    if (&other != &clicked && other.kind == ControlKind::kRadioButton &&
        other.radioGroup == clicked.radioGroup) {
      const QSignalBlocker blocker(other.widget);
      static_cast<QAbstractButton*>(other.widget)->setChecked(false);
    }
  }
  SendCommand(clicked.id, kNotifyClicked);
}

void QtDialog::ConnectEdit(std::size_t index) {
  QWidget* widget = controls_[index].widget;
  if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
    connect(line, &QLineEdit::textEdited, this, [this, index, line](const QString& text) {
      OnLineEdited(index, line, text, kNotifyEditUpdate);
    });
  } else {
    connect(static_cast<QPlainTextEdit*>(widget), &QPlainTextEdit::textChanged, this,
            [this, index] { OnMultilineChanged(index); });
  }
  RememberText(controls_[index]);
}

bool QtDialog::WithinLimit(const DialogControl& control, const QString& text) const {
  if (control.limit <= 0) return true;
  // Line breaks count twice, as the "\r\n" they become; a text the program set
  // beyond the limit may still shrink.
  const auto length = [](const QString& value) {
    return CharCount(value) + value.count(QLatin1Char('\n'));
  };
  const qsizetype chars = length(text);
  return chars <= control.limit || chars <= length(control.acceptedText);
}

void QtDialog::OnLineEdited(std::size_t index, QLineEdit* line, const QString& text,
                            int notification) {
  DialogControl& control = controls_[index];
  if (!WithinLimit(control, text)) {
    const int excess = static_cast<int>(text.size() - control.acceptedText.size());
    const int cursor = line->cursorPosition();
    {
      const QSignalBlocker blocker(line);
      line->setText(control.acceptedText);
    }
    line->setCursorPosition(std::max(0, cursor - excess));
    QApplication::beep();
    return;
  }
  control.acceptedText = text;
  UserEdited(control, notification);
}

void QtDialog::OnMultilineChanged(std::size_t index) {
  DialogControl& control = controls_[index];
  auto* edit = static_cast<QPlainTextEdit*>(control.widget);
  const QString text = edit->toPlainText();
  if (!WithinLimit(control, text)) {
    const int cursor = edit->textCursor().position();
    const int excess = static_cast<int>(text.size() - control.acceptedText.size());
    {
      const QSignalBlocker blocker(edit);
      edit->setPlainText(control.acceptedText);
      QTextCursor restored = edit->textCursor();
      restored.setPosition(std::clamp(cursor - excess, 0, static_cast<int>(control.acceptedText.size())));
      edit->setTextCursor(restored);
    }
    QApplication::beep();
    return;
  }
  control.acceptedText = text;
  // Typed line breaks are "\r\n", as the core reads them.
  control.text = ToStdString(ToCrLf(text));
  UserEdited(control, kNotifyEditUpdate);
}

void QtDialog::ConnectChoices(std::size_t index) {
  DialogControl& control = controls_[index];
  const int id = control.id;
  if (auto* list = dynamic_cast<QListWidget*>(control.widget)) {
    if (list->selectionMode() == QAbstractItemView::ExtendedSelection) {
      connect(list, &QListWidget::itemSelectionChanged, this,
              [this, id] { SendCommand(id, kNotifySelChange); });
    } else {
      connect(list, &QListWidget::currentRowChanged, this,
              [this, id] { SendCommand(id, kNotifySelChange); });
    }
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, id] { SendCommand(id, kNotifyDoubleClick); });
    return;
  }
  auto* combo = static_cast<QComboBox*>(control.widget);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, index](int selected) {
    RememberText(controls_[index]);
    if (selected >= 0) SendCommand(controls_[index].id, kNotifySelChange);
  });
  if (QLineEdit* line = combo->lineEdit()) {
    connect(line, &QLineEdit::textEdited, this, [this, index, line](const QString& text) {
      OnLineEdited(index, line, text, kNotifyComboEditUpdate);
    });
  }
  RememberText(control);
}

void QtDialog::ConnectTabStrip(std::size_t index) {
  auto* strip = static_cast<TabStripWidget*>(controls_[index].widget);
  connect(strip->Bar(), &QTabBar::currentChanged, this,
          [this, index](int selected) { OnTabBarChanged(index, selected); });
}

void QtDialog::OnTabBarChanged(std::size_t index, int newIndex) {
  DialogControl& control = controls_[index];
  QTabBar* bar = static_cast<TabStripWidget*>(control.widget)->Bar();
  const int id = control.id;
  // The procedure hears "changing" while the old tab is still the selection.
  const int previous = control.tabSelection;
  if (previous >= 0 && previous < bar->count()) {
    const QSignalBlocker blocker(bar);
    bar->setCurrentIndex(previous);
  }
  DialogEvent changing;
  changing.kind = DialogEventKind::kTabChanging;
  changing.id = id;
  Send(changing);
  if (newIndex >= 0 && newIndex < bar->count()) {
    const QSignalBlocker blocker(bar);
    bar->setCurrentIndex(newIndex);
  }
  controls_[index].tabSelection = bar->currentIndex();
  DialogEvent changed;
  changed.kind = DialogEventKind::kTabChanged;
  changed.id = id;
  Send(changed);
}

void QtDialog::AttachUpDown(std::size_t index) {
  auto* upDown = static_cast<UpDownWidget*>(controls_[index].widget);
  if (upDown->Buddy() == nullptr) return;
  const std::size_t buddy = index - 1;
  upDown->onStepped = [this, buddy] {
    RememberText(controls_[buddy]);
    UserEdited(controls_[buddy], kNotifyEditUpdate);
  };
}
