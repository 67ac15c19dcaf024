// The stems of the chosen tense and mood.
#pragma once

#include <string_view>

#include "analysis/Stems.h"
#include "analysis/VerbCode.h"
#include "core/Mood.h"

namespace ragozo {

// From the plain stems, first, in every mood, the -szik stems: emlékszik:
// emlékez; vész: vesz; melegszik: meleged; haragszik by its letters (haragud,
// nyugszik: nyugod, dicsekszik: dicseked), and the base stem follows them;
// fekszik: feküd, alszik: alud (the base follows outside the present);
// alkuszik: alkud (the base stays). Then by `mood`:
// - present: the second stem, that of the first person singular and a few
//   more cells: without the unstable vowel (énekel: énekl), the two consonants
//   of the linking-vowel classes (ugrik: ugr, the stem ugor), the v-stem (lő:
//   löv, ró: rov, sí: sív, nyű: nyüv), the -sz stems of the -szik verbs
//   (alszik: alsz, haragszik: haragsz), else the stem itself;
// - past: the third person's stem without the unstable vowel (ácsorog:
//   ácsorg) or on the base of the linking-vowel classes (ugrik: ugr, vérzik:
//   vérz with the stem vérez);
// - conditional: the linking-vowel stem of fuldoklik: fuldokol;
// - imperative: the linking-vowel stem (ugrik: ugor).
Stems moodStems(Stems stems, std::string_view verb, VerbClass cls, VowelClass vowel, Mood mood);

}  // namespace ragozo
