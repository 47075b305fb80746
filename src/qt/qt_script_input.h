#pragma once
// Real input events for a script, handed to Qt where the window system hands
// them over, so that Qt routes them as a user's: a click to the widget under
// the pointer, giving the focus as its policy says; keys to the focus widget;
// both to an open popup first; nothing past a modal window.

#include <QPoint>
#include <QString>
#include <Qt>

#include <QList>

class QAction;
class QMenu;
class QWidget;

// Makes a top-level window the active one, as the window manager does when the
// user clicks on it; false when it did not become active.
bool ActivateWindow(QWidget* window);
// Lets go of any mouse button still held down, over the middle of a widget's
// window: the user does so before answering a window that a press opened.
void ReleaseButtons(QWidget* over);
// A click, or a double click, at a point of a widget.
void ClickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClickAt(QWidget* widget, const QPoint& at);
// A key pressed and released in the window that holds the widget.
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Typed characters. The keys of printable ASCII characters are sent with
// them; other characters come as text only, so that a typed control
// character is a character and never a key; newLineKey sends Enter for "\n".
void TypeText(QWidget* widget, const QString& text, bool newLineKey);
// Chooses the item at the end of a path through an open menu with the arrow
// keys and Enter, opening the submenus on the way with Right; false, the menu
// left open, when an item cannot be reached.
bool ChooseByKeyboard(QMenu* menu, const QList<QAction*>& path);
// Closes an open menu with Escape, one level of submenus at a time.
void Dismiss(QMenu* menu);
