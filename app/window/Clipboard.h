// The system clipboard, as the window logic uses it.
#pragma once

#include <string>

namespace ragozo::window {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual void clear() = 0;
  virtual void setText(const std::string& text) = 0;
  // The clipboard's text, or the empty text when it holds none.
  virtual std::string text() const = 0;
};

}  // namespace ragozo::window
