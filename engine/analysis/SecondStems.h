// The second present and past stems.
//
// Run once per conjugation after the class, stem and vowel class are set, and
// once more by the imperative for the linking-vowel classes (the result is the
// same). Where a vowel is chosen by `vowelClass` and that holds no valid class,
// `stem` stays unchanged.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// First, in every mood, the -szik stems of `szikClasses`: "52" emlékszik:
// emlékez; "2a" vész: vesz; "3a" melegszik: meleged; "33" by its letters
// (haragszik: haragud, nyugszik: nyugod, dicsekszik: dicseked); "3c" (fekszik:
// feküd, alszik: alud; `baseStem` follows outside the present); "3b"
// (alkuszik: alkud, `baseStem` stays). Then by `mood`:
// - present: `stemAlt`, the stem of the first person singular and a few more
//   cells: without the unstable vowel (énekel: énekl), the two consonants of
//   the linking-vowel classes (ugrik: ugr, `stem` ugor), the v-stem (lő: löv,
//   ró: rov, sí: sív, nyű: nyüv), the -sz stems of the -szik classes
//   (alszik: alsz, haragszik: haragsz), else `stem` itself;
// - past: `pastStemAlt` without the unstable vowel for "08"/"19" (ácsorog:
//   ácsorg) or the consonant stem of the linking-vowel classes (ugrik: ugr,
//   vérzik: vérz with `stem` vérez);
// - conditional: the linking-vowel stem of class "8d" (fuldoklik: fuldokol);
// - imperative: the linking-vowel stem, and the -ez/-d stems of "52" and "3a".
// Other moods run the first part only. `stemAlt` changes only in the present,
// `pastStemAlt` only in the past.
void tovek(ConjugationState& s);

}  // namespace ragozo
