// The eight derived forms.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Fills the eight derived-form boxes of the verb just conjugated: infinitive,
// adverbial participle, present and past participle, action noun with the
// future participle, potential verb and causative verb, or "Nincs ilyen
// alak." where the verb lacks the form. Each box starts from the stem the
// table left (after the -ik stem fixes) and applies its own class rules; the
// irregular verbs get their fixed forms from `kivetel`, and the causative its
// -tat/-at choice and exemptions from `fact` and `atlista`.
//
// Edge cases: "alapszik" becomes of the plain class with the stem "alapul";
// "elhisz" and "meghisz" keep their preverb in the present participle
// ("elhívő"); "aránylik" under its class of old takes the infinitive marker of
// its neighbours ("aránylani"); an entry that is itself a potential
// verb (-hat/-het) keeps only its present participle, unless it is a lexicon
// verb with its own final "hat" or the bare verb "hat".
void egyebek(ConjugationState& s);

}  // namespace ragozo
