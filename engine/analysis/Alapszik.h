// "alapszik" and its preverb forms, conjugated on the stem "alapul" outside the present.
#pragma once

#include <string>
#include <string_view>

#include "text/Utf8Text.h"

namespace ragozo {

// Whether the entry is "alapszik", with or without a preverb in front ("megalapszik").
// Matching the ending rather than the whole entry keeps the preverb forms from
// the plainly wrong "megalapszottam".
inline bool isAlapszik(std::string_view entry) { return endsWith(entry, "alapszik"); }

// The stem that replaces the entry's own: "alapul", preverb kept ("megalapul").
inline std::string alapszikStem(std::string_view entry) { return dropLastChars(entry, 4) + "ul"; }

}  // namespace ragozo
