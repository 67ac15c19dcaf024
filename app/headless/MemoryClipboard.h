// A clipboard held in memory.
#pragma once

#include <string>

#include "window/Clipboard.h"

namespace ragozo::headless {

class MemoryClipboard : public window::Clipboard {
 public:
  void clear() override { text_.clear(); }
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace ragozo::headless
