// Message boxes without a display.
#include "headless/ScriptedDialogs.h"

namespace ragozo::headless {

void ScriptedDialogs::beep() { transcript_.push_back("beep"); }

void ScriptedDialogs::showMessage(const std::string& text) { transcript_.push_back("message: " + text); }

bool ScriptedDialogs::askYesNo(const std::string& title, const std::string& text) {
  transcript_.push_back("question [" + title + "]: " + text);
  if (answers_.empty()) return defaultAnswer_;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void ScriptedDialogs::showInformation(const std::string& title, const std::string& text) {
  transcript_.push_back("information [" + title + "]: " + text);
}

}  // namespace ragozo::headless
