// The short imperative stems and endings of the second person singular.
//
// The short forms show while the user has asked for them
// (`imperativeForms` is `ImperativeForms::shortForms`).
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// The short second-person-singular endings: `sg2Subj` := `marker`; `sg2Obj` :=
// "dd" (tedd, lődd), "sd" (tanítsd), "zd" for the -sz and -z verbs (csempészd,
// mászd), "d" for any other class.
void rov(ConjugationState& s);

// The short stem before "gy" of the subjective cell, while the short forms
// show: tesz, vesz, lesz: té, vé, lé; visz: ví; van: lé; eszik: é; iszik: í,
// with their compounds (elvisz: elví, megvan: meglé, megeszik: megé). The
// regular stem is kept in `longStem` for the caller to put back; `cutResult`
// ends as it was. Raises `emptyCutFlag` for the rows that cut a whole word, so
// a flag raised for a word that was not cut whole stays raised for the next
// cut of "iszik", "eszik" or "van". Any other verb keeps `stem`.
void rovto(ConjugationState& s);

// The stem of the short objective cell: the entry less 1 (akaszt: akasz), the
// -sz/-z -ik verbs the entry less 3 (mászik: más), edz the entry less 1 and
// "z", the -dzik verbs the entry less 3 and "z" (bimbódzik: bimbódz).
// `stemBeforeCut` keeps the stem for the caller to put back. Any other class
// changes nothing.
void ujto(ConjugationState& s);

}  // namespace ragozo
