// The derived forms of the irregular verbs.
#pragma once

#include <string_view>

#include "derived/DerivedBoxes.h"

namespace ragozo {

// Overwrites the boxes that the regular rules cannot build for a verb ending
// in vesz/tesz, visz, hisz, lesz, van, eszik, iszik, megy, jön or incs (first
// match in that order), with or without a preverb: "(lévén)", "való / levő",
// "vétel / vevés", "(ivandó)", "Nincs ilyen alak." where the verb has no such
// form. The future participle of jön stands only for "jön" and "eljön"
// ("jövendő", "eljövendő"); "sosincs", like "nincs", has no derived form at
// all. Boxes a verb does not list, and the infinitive but for "sosincs", keep
// what they hold; any other verb changes nothing.
void writeIrregularDerivedForms(DerivedBoxes& boxes, std::string_view verb);

}  // namespace ragozo
