#pragma once
// Answers what pops up while a script runs the desktop program, as its user
// would and from the script's queued answers: a message box gets a click on
// the queued button, a file dialog the queued file name and a click on its
// Open or Save button, the print dialog "Print to File (PDF)" with the queued
// file and copies and a click on Print, a popup menu the queued item chosen
// with the keyboard or Escape. The message boxes' texts are kept. Menus of the menu bar are the
// script's own doing and are left alone.

#include <QObject>

#include <string>
#include <vector>

class QFileDialog;
class QMenu;
class QMessageBox;
class QPrintDialog;
class ScriptAnswers;

class QtScriptAnswerer : public QObject {
 public:
  // Watches every widget of the application while it lives.
  explicit QtScriptAnswerer(ScriptAnswers& answers);
  ~QtScriptAnswerer() override;

  std::vector<std::string> TakeMessages();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AnswerBox(QMessageBox* box);
  void AnswerFileDialog(QFileDialog* dialog);
  void AnswerPrintDialog(QPrintDialog* dialog);
  void AnswerPopup(QMenu* menu);

  ScriptAnswers& answers_;
  std::vector<std::string> messages_;
};
