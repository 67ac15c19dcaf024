// The derived forms of the irregular verbs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "derived/DerivedBoxes.h"

namespace ragozo {

// The forms an irregular verb fixes, by box; a box it fixes none for is empty, and the rules decide it.
using FixedDerivedForms = std::array<std::optional<std::string>, kDerivedBoxCount>;

// The boxes that the regular rules cannot build for a verb ending in
// vesz/tesz, visz, hisz, lesz, van, eszik, iszik, megy, jön or incs (first
// match in that order), with or without a preverb: "(lévén)", "való / levő",
// "vétel / vevés", "(ivandó)", "Nincs ilyen alak." where the verb has no such
// form. The future participle of jön stands only for "jön" and "eljön"
// ("jövendő", "eljövendő"); "sosincs", like "nincs", has no derived form at
// all. The infinitive is fixed for "sosincs" alone; any other verb fixes nothing.
FixedDerivedForms irregularDerivedForms(std::string_view verb);

}  // namespace ragozo
