// The cutters: shorten a word from its right end through the limited work fields.
//
// A cut to length k sets the field's limit to k and assigns the whole source,
// so the field keeps the first k characters. Because a limit of 0 (or less)
// means no limit, a cut that would remove every character keeps the whole
// source instead; only `vag` and `cutVanEnding` know the three words that must
// be cut to nothing ("iszik", "eszik", "van"). The entry is read as `s.input()`, the
// typed verb without leading and trailing blanks. Lengths count characters.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// `cutResult` := the entry less its last `n` characters; `cutResult`'s limit := that length.
// While `emptyCutFlag` is set, a cut of exactly "iszik", "eszik" or "van" yields
// the empty text and lowers the flag; a cut of any other word leaves the
// flag as it is.
void vag(ConjugationState& s, int n);

// Raises `baseStem`'s limit by 3 (on every call), then `cutResult` := `baseStem` less 2.
void dz(ConjugationState& s);

// `cutResult` := `baseStem` less its last 3 characters.
void dz3(ConjugationState& s);

// `cutResult` := `baseStem` less its last character.
void sz(ConjugationState& s);

// `cutResult` := the entry less its last 3 characters; the entry "van" gives the empty text.
// (`van` of old.)
void cutVanEnding(ConjugationState& s);

// `baseStem` := the entry less its last 2 characters (subject to `baseStem`'s limit).
void vag3(ConjugationState& s);

}  // namespace ragozo
