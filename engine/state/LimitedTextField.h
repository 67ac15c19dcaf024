// A hidden text field whose length limit cuts what is assigned to it.
//
// The engine shortens stems by setting the limit to n and then assigning a
// text: only the first n characters are kept. A limit of 0 means no limit, so
// a cut to length 0 keeps the whole text. The limit stays until set again.
#pragma once

#include <string>
#include <string_view>

#include "text/Utf8Text.h"

namespace ragozo {

class LimitedTextField {
 public:
  const std::string& text() const { return text_; }
  int limit() const { return limit_; }

  void setLimit(int limit) { limit_ = limit < 0 ? 0 : limit; }

  void assign(std::string_view text) {
    text_ = limit_ == 0 ? std::string(text) : leftChars(text, static_cast<std::size_t>(limit_));
  }

  void clear() { text_.clear(); }

 private:
  std::string text_;
  int limit_ = 0;
};

}  // namespace ragozo
