// The imperative marker, stems and endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// The imperative producer. In one run it
//  1. replaces `stem` where the imperative stem differs from the plain one:
//     assimilated stems ("mutas", "akass", "játss", "edd", "vess"), the stem
//     with the inserted vowel ("ugor", through `tovek` again), "veszít", "iz",
//     the short stems of tesz/visz/eszik ("hi", "vi", "e") and the irregular
//     "men", "jöj", "le"; preverbs stay ("elmen", "megle");
//  2. chooses the marker "j", "s" or "z" by class, "gy" for the short stems
//     ("ggy" for hisz), "gy" for van, which also becomes front unrounded;
//     "aránylik" under its class of old takes the "j" of its neighbours and
//     "bujdosik" the "s" of "esik", so no class is left without one;
//  3. writes every slot as the marker and a back or front
//     ending; the front third person singular is "ön" for front rounded verbs and for
//     "fekszik", and "en" again for "őriz";
//  4. while the short forms are asked for (`ImperativeForms::shortForms`),
//     lets `rov` write the short second person singular slots.
// The entry "alapszik" becomes of the plain class with the stem "alapul".
// `imperativeCut` is this procedure's own cutter; a cut longer than its text
// keeps the whole text.
void felsz(ConjugationState& s);

}  // namespace ragozo
