// Dialogs for tests: records what the engine showed and answers from a queue.
//
// Every beep, message box and Yes/No question is recorded in order, so a test
// can check the exact wording and sequence. Questions take their answers from
// a queue that the test fills beforehand; a question asked with the queue empty
// is answered Yes, the box's default button, as pressing Enter would.
#pragma once

#include <deque>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/Dialogs.h"

namespace ragozo::testing {

struct DialogEvent {
  enum Kind { beep, message, question };
  Kind kind;
  std::string title;  // questions only
  std::string text;   // messages and questions

  bool operator==(const DialogEvent&) const = default;
};

// Readable form for test failures: "beep", "message: ...", "question [title]: ...".
std::string describe(const DialogEvent& event);
void PrintTo(const DialogEvent& event, std::ostream* os);

class RecordingDialogs : public Dialogs {
 public:
  void beep() override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;

  // Queues the answers to the next questions, true for Yes.
  void answer(std::initializer_list<bool> answers);

  const std::vector<DialogEvent>& events() const { return events_; }
  // Every event in the readable form of `describe`, in order.
  std::vector<std::string> transcript() const;
  // Answers queued but not used.
  std::size_t pendingAnswers() const { return answers_.size(); }
  void clear();

 private:
  std::vector<DialogEvent> events_;
  std::deque<bool> answers_;
};

}  // namespace ragozo::testing
