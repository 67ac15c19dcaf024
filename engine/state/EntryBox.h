// The entry box the user types the verb into.
//
// Assigning a different text raises the change notification, as typing does:
// blanking the whole result empties the entry and so starts the entry's reset.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace ragozo {

class EntryBox {
 public:
  const std::string& text() const { return text_; }

  void setText(std::string_view text) {
    if (text == text_) return;
    text_ = std::string(text);
    if (onChange_) onChange_();
  }

  // Called after every change of the text.
  void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  std::string text_;
  std::function<void()> onChange_;
};

}  // namespace ragozo
