#pragma once
// The program's history of changes: each change the user makes to the
// document becomes a step, Undo and Redo walk it, and the modified flag and the
// Edit menu follow it.

#include <memory>
#include <string>

#include "document/undo_stack.h"

class BudgetEditRecorder;
class Dialog;
class WorksheetSnapshot;

UndoStack& App_UndoStack();

// A change made to the document; nullptr (nothing changed) leaves the history
// as it was.
void RecordStep(std::unique_ptr<UndoCommand> step);
void RecordBudgetEdit(BudgetEditRecorder& recorder, std::string text);
// `keepsFileMatch`: the change leaves the document as good as its file.
void RecordWorksheetChange(WorksheetSnapshot& snapshot, std::string text,
                           bool keepsFileMatch = false);

// The document now matches its file: saved, opened or new. With `forget` the
// steps go too (another document).
void MarkDocumentClean(bool forget);
// The document differs from its file with no step to undo it.
void MarkDocumentChanged();

// Undo or Redo as the window's Edit command or key asks: in a grid cell being
// typed into, the typing is taken back instead. Returns true when a step of
// the history was undone or redone.
bool UndoCommandFrom(Dialog& window, int command);

// The main window's Edit menu: greyed when there is nothing to undo or redo,
// naming the step otherwise.
void RefreshEditMenu();
