#pragma once
// The history of changes to the document: steps undone and redone in order, the
// point where the document matches its file, and a cap on the steps kept.

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

class CBudgetWorksheet;

// Where a step's change shows, so that the windows can catch up after it.
struct UndoScope {
  static constexpr int kWholeDocument = -1;
  int budget = kWholeDocument;  // the one budget changed, by position
  int editedRow = -1;           // the grid row of a single cell edit
  bool header = false;          // the budget's header fields changed
};

class UndoCommand {
 public:
  virtual ~UndoCommand() = default;
  virtual void Undo(CBudgetWorksheet& worksheet) = 0;
  virtual void Redo(CBudgetWorksheet& worksheet) = 0;
  // What the Edit menu names the step after (e.g. "Typing").
  virtual std::string Text() const = 0;
  virtual UndoScope Scope() const = 0;
  // The memory the step keeps, for the history's measure.
  virtual std::size_t HeldBytes() const = 0;
  // Takes the later step into this one (keystrokes of one field); false when
  // they stay apart.
  virtual bool MergeWith(const UndoCommand& /*later*/) { return false; }
  // True once merging has brought the step back to where it began (a text
  // typed and rubbed out again).
  virtual bool ChangesNothing() const { return false; }

  // A step that leaves the document as good as its file (a new empty tab):
  // the document stays unmodified across it.
  bool KeepsFileMatch() const { return keepsFileMatch_; }
  void SetKeepsFileMatch() { keepsFileMatch_ = true; }

 private:
  bool keepsFileMatch_ = false;
};

// Keeps at most `limit` steps, and drops the oldest while the steps hold more
// than `byteLimit` bytes (the newest step always stays): a few "Copy Values"
// on a large document must not take the memory a thousand typed cells need.
class UndoStack {
 public:
  static constexpr std::size_t kDefaultLimit = 1000;
  static constexpr std::size_t kDefaultByteLimit = 64u << 20;

  explicit UndoStack(std::size_t limit = kDefaultLimit, std::size_t byteLimit = kDefaultByteLimit)
      : limit_(limit), byteLimit_(byteLimit) {}

  // A change already made to the document; the steps undone before it go.
  void Push(std::unique_ptr<UndoCommand> command);
  bool CanUndo() const { return index_ > 0; }
  bool CanRedo() const { return index_ < steps_.size(); }
  // The scope of the step undone or redone; nullptr when there was none.
  const UndoCommand* Undo(CBudgetWorksheet& worksheet);
  const UndoCommand* Redo(CBudgetWorksheet& worksheet);
  std::string UndoText() const;
  std::string RedoText() const;

  // The document now matches its file (saved, opened, new).
  void SetClean();
  // The document differs from its file in a way no step undoes (a file whose
  // interest rows were brought up to date on opening).
  void SetCleanUnreachable();
  bool IsModified() const;
  // Forgets every step; the document is clean.
  void Clear();

  std::size_t Count() const { return steps_.size(); }
  std::size_t Index() const { return index_; }
  std::size_t HeldBytes() const { return heldBytes_; }

 private:
  void DropOldest();

  std::deque<std::unique_ptr<UndoCommand>> steps_;
  std::size_t index_ = 0;  // steps before it are done
  std::size_t clean_ = 0;
  bool cleanReachable_ = true;
  std::size_t limit_;
  std::size_t byteLimit_;
  std::size_t heldBytes_ = 0;
};
