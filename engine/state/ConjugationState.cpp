// The engine's state record.
#include "state/ConjugationState.h"

#include <charconv>

namespace ragozo {

bool causativeKindIs(const ConjugationState& s, int number) {
  const std::string& text = s.causativeKind;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value == number;
}

}  // namespace ragozo
