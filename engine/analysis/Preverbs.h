// Splitting a preverb off the typed verb for the second search.
//
// The lexicon holds only some preverb + verb compounds, so a verb not found as
// typed is searched again without its preverb. Preverbs are matched at the
// start of the entry exactly (case-sensitive, so "Elmegy" has none). Preverbs
// that begin with a shorter preverb ("bele", "benn", "alább", "ellen", "előre",
// "felül", "utána", "elé", "elő") are tried first; the others by length, the
// shortest first. The first match decides.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ragozo {

struct PreverbSplit {
  std::string preverb;
  std::string remainder;  // empty for the preverb alone
};

// The entry's leading preverb and the rest, or nothing when it begins with none.
std::optional<PreverbSplit> splitPreverb(std::string_view verb);

}  // namespace ragozo
