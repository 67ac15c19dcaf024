// The entry box the user types the verb into.
//
// The engine reads it and never writes it: where the blanking would empty it,
// it sets `Output::emptyEntry`, and the window empties the entry, which starts
// the entry's reset as typing does.
#pragma once

#include <string>
#include <string_view>

namespace ragozo {

class EntryBox {
 public:
  const std::string& text() const { return text_; }
  void setText(std::string_view text) { text_ = std::string(text); }

 private:
  std::string text_;
};

}  // namespace ragozo
