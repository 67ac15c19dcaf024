// The plain stem and the linking-vowel stems.
//
// The entry is read as `s.input()`, the typed verb without leading and
// trailing blanks. Suffix vowels follow `vowelClass`.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// The plain stem: the entry less a final "ik" into `baseStem` (the limit is
// set to that length first) and `stem`. Then the -szik verbs with a -d- or
// -ez- stem get it from `bovit2`; "vész" gets the entry less 3 and "esz"
// (vész: vesz); "izzik" keeps the entry in `stemAlt` and the entry less 2 in
// `baseStem` (izz). The entry "ik" alone sets a limit of 0, which keeps
// everything: its stem is "ik".
void ige(ConjugationState& s);

// The linking-vowel stem of a stem ending in two consonants: `stem` :=
// `baseStem` less its last letter, "o"/"e"/"ö" by vowel class, that letter
// (omlik: omol, vérzik: vérez, fürdik: füröd). "...viszonylik" and "...alapszik"
// take "u" (viszonyul, alapul), "...nyálzik" takes "a" (nyálaz).
void bovit(ConjugationState& s);

// The -szik stems: `baseStem` less 2 (cut with `dz`, which also raises the
// limit of `baseStem` by 3) followed by "od"/"ed"/"öd" by vowel class like
// melegszik and haragszik ("ud" for an entry ending in "agszik"); "ud"/"üd"
// like fekszik; "d" like alkuszik; "ez" like emlékszik. Any other class keeps
// `stem`; the cut happens anyway.
void bovit2(ConjugationState& s);

}  // namespace ragozo
