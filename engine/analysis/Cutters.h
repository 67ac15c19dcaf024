// Cutting a word from its right end, counting characters.
//
// The rules cut the entry or a stem by a number of letters. A cut that would
// leave nothing keeps the whole word; where a rule wants one of the three bare
// verbs "van", "eszik", "iszik" cut to nothing it says so
// (`cutEndBareToNothing`).
#pragma once

#include <string>
#include <string_view>

namespace ragozo {

// `text` less its last `count` characters, or the whole of `text` when that would leave nothing.
std::string cutEnd(std::string_view text, int count);

// The first `count` characters of `text`, or the whole of `text` for a count of none or less.
std::string cutToLength(std::string_view text, int count);

// Whether `verb` is one of the bare verbs "van", "eszik", "iszik".
bool isBareShortVerb(std::string_view verb);

// `cutEnd` that takes the bare "van", "eszik" and "iszik" to nothing.
std::string cutEndBareToNothing(std::string_view verb, int count);

// The entry less its final "van": "meg" for "megvan", nothing for "van".
std::string withoutVanEnding(std::string_view verb);

}  // namespace ragozo
