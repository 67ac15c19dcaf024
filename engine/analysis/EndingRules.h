// Impossible endings, special patterns and the vowel guess.
//
// All three read the typed verb as `s.input()` and compare endings and
// beginnings exactly (case-sensitive); only the vowel search of `keres`
// ignores case.
#pragma once

#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"

namespace ragozo {

// Sets `impossibleEnding` (never clears it) when the entry ends in a stack of
// suffixes that no verb carries: potential plus causative ("hattat", "hetet"),
// double causatives, frequentatives stacked with either ("gatget", "hatgat"),
// or a doubled "ul"/"ül"/"ít"/"ik" ("ulul", "ítít"). An entry shorter than an
// ending is compared whole, so "hatat" itself is rejected. The doubled
// endings do not count for the entry "körülül". A verb the lexicon holds as
// typed ("megetet") is never rejected.
void kizar(ConjugationState& s, const Lexicon& lexicon);

// The special patterns of verbs not in the lexicon whose last vowel is
// unstable: an entry ending in "örvényel" (front unrounded), "foszol" or
// "omol" (back) gets the class of "sodor" and "énekel" in `verbClass`, the
// whole entry as `baseStem` (its limit set to the entry's length, as `ige`
// does) and as `stem`, and `patternMatched` set. Any other entry changes nothing.
void mintak(ConjugationState& s);

// Guesses the vowel class from the entry after a leading preverb that itself
// holds back vowels ("rá", "át", "oda", "haza", "utána", "vissza" ...): back
// when its last vowel other than "i" and "í" is "a", "á", "o", "ó", "u" or "ú"
// (either case), else front unrounded. Never front rounded.
void keres(ConjugationState& s);

}  // namespace ragozo
