// The second present and past stems.
//
// Run once per conjugation after the class, stem and vowel class are set, and
// once more by the imperative for the linking-vowel classes (the result is the
// same).
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// First, in every mood, the -szik stems: emlékszik: emlékez; vész: vesz;
// melegszik: meleged; haragszik by its letters (haragud, nyugszik: nyugod,
// dicsekszik: dicseked); fekszik: feküd, alszik: alud (`baseStem` follows
// outside the present); alkuszik: alkud (`baseStem` stays). Then by `mood`:
// - present: `stemAlt`, the stem of the first person singular and a few more
//   cells: without the unstable vowel (énekel: énekl), the two consonants of
//   the linking-vowel classes (ugrik: ugr, `stem` ugor), the v-stem (lő: löv,
//   ró: rov, sí: sív, nyű: nyüv), the -sz stems of the -szik classes
//   (alszik: alsz, haragszik: haragsz), else `stem` itself;
// - past: `pastStemAlt` without the unstable vowel (ácsorog:
//   ácsorg) or the consonant stem of the linking-vowel classes (ugrik: ugr,
//   vérzik: vérz with `stem` vérez);
// - conditional: the linking-vowel stem of fuldoklik: fuldokol;
// - imperative: the linking-vowel stem, and the -ez/-d stems of emlékszik and melegszik.
// Other moods run the first part only. `stemAlt` changes only in the present,
// `pastStemAlt` only in the past.
void tovek(ConjugationState& s);

}  // namespace ragozo
