#pragma once
// The grid control on screen: paints the engine's state, forwards keys, the
// mouse, focus, size and scroll bars to it, and draws its caret. All grid
// behaviour is the engine's.

#include <QBasicTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "grid/grid_engine.h"
#include "qt/grid_fonts.h"

class QScrollBar;

class GridWidget : public QWidget, public GridHost {
 public:
  using NotifyFunction = std::function<void(int controlId, int code, std::intptr_t lParam)>;

  GridWidget(QWidget* parent, int controlId, std::string_view title);
  ~GridWidget() override;

  GridEngine& Engine() { return *engine_; }
  // Where notifications go: the dialog's procedure, as commands.
  void SetNotify(NotifyFunction notify) { notify_ = std::move(notify); }
  QScrollBar* VerticalBar() const { return vertical_; }
  QScrollBar* HorizontalBar() const { return horizontal_; }

  // GridHost
  void GridNotify(int controlId, int code, std::intptr_t lParam) override;
  TextExtent MeasureText(const GridFont& font, std::string_view text) override;
  void Beep() override;
  void Invalidate() override;
  void TakeFocus() override;
  void FocusChanged() override;
  void MoveFocus(bool forward) override;
  void SetCursorShape(GridCursorShape shape) override;
  void ScrollBarsChanged() override;
  void CaretChanged() override;
  int DefaultTextHeight() override;

 protected:
  bool event(QEvent* event) override;  // tooltips
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  // Tab and Shift+Tab move the grid's cursor, not the dialog's focus.
  bool focusNextPrevChild(bool next) override;

 private:
  void TypeText(const QString& text);
  void PlaceScrollBars();
  void OnScrollAction(bool vertical, int action);
  QSize ClientSize() const;
  // Showing or hiding a scroll bar changes the client area, which the engine
  // hears as a size change, as it would from the window system.
  void SyncClientSize();
  QRect CaretRect() const;

  QScrollBar* vertical_;
  QScrollBar* horizontal_;
  GridFonts fonts_;
  std::unique_ptr<GridEngine> engine_;
  NotifyFunction notify_;
  GridCaret caret_;
  bool caretBlinkOn_ = true;
  QBasicTimer caretTimer_;
  bool updatePending_ = false;  // a whole-view update was asked for and not yet painted
  bool sizeSyncPosted_ = false;
  int sizeSyncs_ = 0;
};
