// Dialogs for tests: records what the engine showed and answers from a queue.
#include "support/RecordingDialogs.h"

#include <ostream>

namespace ragozo::testing {

std::string describe(const DialogEvent& event) {
  switch (event.kind) {
    case DialogEvent::beep:
      return "beep";
    case DialogEvent::message:
      return "message: " + event.text;
    case DialogEvent::question:
      return "question [" + event.title + "]: " + event.text;
  }
  return {};
}

void PrintTo(const DialogEvent& event, std::ostream* os) { *os << describe(event); }

void RecordingDialogs::beep() { events_.push_back({DialogEvent::beep, "", ""}); }

void RecordingDialogs::showMessage(const std::string& text) {
  events_.push_back({DialogEvent::message, "", text});
}

bool RecordingDialogs::askYesNo(const std::string& title, const std::string& text) {
  events_.push_back({DialogEvent::question, title, text});
  if (answers_.empty()) return true;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void RecordingDialogs::answer(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

std::vector<std::string> RecordingDialogs::transcript() const {
  std::vector<std::string> lines;
  for (const DialogEvent& event : events_) lines.push_back(describe(event));
  return lines;
}

void RecordingDialogs::clear() {
  events_.clear();
  answers_.clear();
}

}  // namespace ragozo::testing
