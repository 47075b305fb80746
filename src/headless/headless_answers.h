#pragma once
// What the user of a headless program will answer, queued ahead of the
// questions, file dialogs and popup menus that ask for it.

#include <deque>
#include <optional>
#include <string>

struct FileAnswer {
  bool cancel = false;
  std::string path;
};

class HeadlessAnswers {
 public:
  // A message box answer as a DialogResult: kIdYes, kIdNo, kIdOk or kIdCancel.
  void QueueAnswer(int result) { answers_.push_back(result); }
  void QueueFile(FileAnswer answer) { files_.push_back(std::move(answer)); }
  void QueueMenu(int command) { menus_.push_back(command); }

  std::optional<int> TakeAnswer() { return Take(answers_); }
  std::optional<FileAnswer> TakeFile() { return Take(files_); }
  std::optional<int> TakeMenu() { return Take(menus_); }

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> front(std::move(queue.front()));
    queue.pop_front();
    return front;
  }

  std::deque<int> answers_;
  std::deque<FileAnswer> files_;
  std::deque<int> menus_;
};
