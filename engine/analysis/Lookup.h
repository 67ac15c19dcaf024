// The look-up driver and the lexicon search.
//
// The driver decides what the typed verb is: a lexicon verb (found as typed,
// or without its preverb), a verb guessed from a special pattern or from its
// ending, or nothing. It reads the entry as `s.input()`, the text without
// leading and trailing blanks, for the search and for every ending test.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"
#include "state/Dialogs.h"

namespace ragozo {

// Messages and notices of the look-up, exactly as shown.
inline constexpr const char* kNotInLexicon = "Ilyen ige nem szerepel az adatbázisban.";
inline constexpr const char* kGuessedMessage =
    "Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:";
inline constexpr const char* kGuessedNotice = "A forma alapján feltételezett igealakok:";
inline constexpr const char* kPrefixedNotice = "Feltételezett igekötős változat:";
inline constexpr const char* kPrefixedMessageStart = "A(z) '";
inline constexpr const char* kPrefixedMessageEnd =
    "' ige ezzel az igekötővel nem szerepel az adatbázisban. De ha létezik, ragozása a következő.";
inline constexpr const char* kDeleteIkMessage = "Törölje az 'ik' végződést!";
inline constexpr const char* kNotFound = "nulla";

// Whether the lexicon holds `word` exactly (the first character chooses the group).
bool lexiconHolds(const Lexicon& lexicon, std::string_view word);

// Searches the letter group of `searchWord` from element 0 up, the first exact
// match winning: `foundWord` := `searchWord` and `verbCode` := its code. On a
// miss `foundWord` := "nulla"; `verbCode` is then the (empty) last element of
// the group, or untouched when the first character selects no group (a capital,
// q, w, x, y, a digit, a blank, the empty word).
void lista(ConjugationState& s, const Lexicon& lexicon);

// The look-up driver (`data` of old), run once per conjugation after `kizar`. Sets `lookupOutcome`:
// - stays `found` for an entry of white space alone (or none), and for a
//   verb found as typed or without its preverb; the code is then split by
//   `tordel` once per entry. A verb found only without its preverb is
//   announced once per entry: beep, message naming the verb without the
//   preverb, notice "Feltételezett igekötős változat:". `endsInHat` is set
//   for a found entry ending in "hat", on the
//   first conjugation as on later ones.
// - `guessed` for a verb classified by a special pattern or by its ending;
//   the first conjugation of the entry shows the guessed-forms notice, a beep
//   and a message.
// - `stopped` for an entry ending in "hatik"/"hetik" (message "Törölje az 'ik'
//   végződést!", no beep) or one that is neither found nor classified (beep,
//   "Ilyen ige nem szerepel az adatbázisban.", the whole result blanked,
//   `resultShown` set; no message when the entry was announced before).
// `noImperative` is cleared unless the code of this entry has been split, so it
// always describes the verb now conjugated.
void lookUpVerb(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs);

}  // namespace ragozo
