// Message boxes without a display: records each one and answers Yes/No questions from a script.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "window/WindowDialogs.h"

namespace ragozo::headless {

class ScriptedDialogs : public window::WindowDialogs {
 public:
  void beep() override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  void showInformation(const std::string& title, const std::string& text) override;

  // Queues answers for the next questions (true = Yes). An unscripted question gets `defaultAnswer`.
  void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

  // Every box in order: "beep", "message: TEXT", "question [TITLE]: TEXT", "information [TITLE]: TEXT".
  const std::vector<std::string>& transcript() const { return transcript_; }
  void clear() { transcript_.clear(); }

 private:
  std::vector<std::string> transcript_;
  std::deque<bool> answers_;
  bool defaultAnswer_ = true;
};

}  // namespace ragozo::headless
