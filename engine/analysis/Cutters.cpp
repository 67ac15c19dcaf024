// Cutting a word from its right end, counting characters.
#include "analysis/Cutters.h"

#include "text/Utf8Text.h"

namespace ragozo {

std::string cutEnd(std::string_view text, int count) {
  return cutToLength(text, static_cast<int>(charCount(text)) - count);
}

std::string cutToLength(std::string_view text, int count) {
  return count <= 0 ? std::string(text) : leftChars(text, static_cast<std::size_t>(count));
}

bool isBareShortVerb(std::string_view verb) { return verb == "van" || verb == "eszik" || verb == "iszik"; }

std::string cutEndBareToNothing(std::string_view verb, int count) {
  return isBareShortVerb(verb) ? std::string() : cutEnd(verb, count);
}

std::string withoutVanEnding(std::string_view verb) { return verb == "van" ? std::string() : cutEnd(verb, 3); }

}  // namespace ragozo
