// The message boxes of the windows: the engine's, plus the about window's information box.
#pragma once

#include <string>

#include "core/Dialogs.h"

namespace ragozo::window {

class WindowDialogs : public Dialogs {
 public:
  // A message box with an OK button and the information icon, under its own title.
  virtual void showInformation(const std::string& title, const std::string& text) = 0;
};

}  // namespace ragozo::window
