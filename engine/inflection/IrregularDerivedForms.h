// The derived forms of the irregular verbs.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Overwrites the derived-form boxes that the regular rules cannot build for a
// verb ending in vesz/tesz, visz, hisz, lesz, van, eszik, iszik, megy or jön
// (first match in that order), with or without a preverb: "(lévén)",
// "való / levő", "vétel / vevés", "(ivandó)", "Nincs ilyen alak." where the
// verb has no such form. The future participle of jön stands only for "jön"
// and "eljön" ("jövendő", "eljövendő"). Boxes a verb does not list, and the
// infinitive always, keep what the producer wrote; any other verb changes nothing.
void kivetel(ConjugationState& s);

}  // namespace ragozo
