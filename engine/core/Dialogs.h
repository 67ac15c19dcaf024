// What the engine asks of the user interface: message boxes and the beep.
//
// The window implements it with real message boxes; tests record what was
// shown, in order, and answer the Yes/No question.
#pragma once

#include <string>

namespace ragozo {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The system's default beep.
  virtual void beep() = 0;

  // A message box with an OK button only, no icon, titled with the application's title.
  virtual void showMessage(const std::string& text) = 0;

  // A message box with the question icon and Yes and No buttons, Yes the default.
  // Returns true for Yes.
  virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
};

}  // namespace ragozo
