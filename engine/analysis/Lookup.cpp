// The look-up driver and the lexicon search.
#include "analysis/Lookup.h"

#include <optional>
#include <string>

#include "analysis/EndingGuess.h"
#include "analysis/EndingRules.h"
#include "analysis/Preverbs.h"
#include "analysis/VerbCode.h"
#include "display/TableBlanking.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// Index of the first element of `group` whose word equals `word`.
std::optional<int> firstIndexOf(const Lexicon& lexicon, int group, std::string_view word) {
  for (int i = 0; i <= Lexicon::bound(group); ++i) {
    if (lexicon.word(group, i) == word) return i;
  }
  return std::nullopt;
}

// The verb was found only without its preverb: said once per entry.
void announcePrefixed(ConjugationState& s, Dialogs& dialogs) {
  dialogs.beep();
  dialogs.showMessage(kPrefixedMessageStart + s.searchWord + kPrefixedMessageEnd);
  s.noticeLine = kPrefixedNotice;
  s.keepMessage = true;
  s.lookupAnnounced = true;
}

// Found as typed or without its preverb. The final "hat" of a lexicon verb is
// not the potential suffix, on either path, so the derived forms stay the same
// on every conjugation of the entry.
void markFound(ConjugationState& s, Dialogs& dialogs) {
  if (endsWith(s.input(), "hat")) s.endsInHat = true;
  if (!s.codeSplit) tordel(s, dialogs);
  s.lookupAnnounced = true;
  if (s.prefixState == noneFound) s.prefixState = notTried;
}

void markGuessed(ConjugationState& s, Dialogs& dialogs) {
  if (!s.lookupAnnounced) {
    s.noticeLine = kGuessedNotice;
    s.keepMessage = true;
    dialogs.beep();
    dialogs.showMessage(kGuessedMessage);
    s.lookupAnnounced = true;
  }
  s.lookupOutcome = guessed;
}

// Said only when nothing was announced for this entry before.
void markNotFound(ConjugationState& s, Dialogs& dialogs) {
  if (!s.lookupAnnounced) {
    dialogs.beep();
    dialogs.showMessage(kNotInLexicon);
    al3(s);
    s.resultShown = true;
  }
  s.lookupOutcome = stopped;
}

// Neither the entry nor its remainder is in the lexicon: patterns, then endings.
void classify(ConjugationState& s, Dialogs& dialogs) {
  mintak(s);
  if (s.patternMatched) {
    s.patternMatched = false;
    markGuessed(s, dialogs);
    return;
  }
  switch (guessFromEnding(s)) {
    case EndingGuess::guessed:
      markGuessed(s, dialogs);
      return;
    case EndingGuess::refused:
      dialogs.showMessage(kDeleteIkMessage);
      s.lookupOutcome = stopped;
      return;
    case EndingGuess::none:
      markNotFound(s, dialogs);
      return;
  }
}

}  // namespace

bool lexiconHolds(const Lexicon& lexicon, std::string_view word) {
  const std::optional<int> group = letterGroup(word);
  return group && firstIndexOf(lexicon, *group, word);
}

void lista(ConjugationState& s, const Lexicon& lexicon) {
  const std::optional<int> group = letterGroup(s.searchWord);
  if (!group) {
    s.foundWord = kNotFound;
    return;
  }
  const std::optional<int> index = firstIndexOf(lexicon, *group, s.searchWord);
  if (index) {
    s.foundWord = lexicon.word(*group, *index);
    s.verbCode = lexicon.code(*group, *index);
  } else {
    s.foundWord = kNotFound;
    s.verbCode = lexicon.code(*group, Lexicon::bound(*group));
  }
}

void lookUpVerb(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs) {
  if (!s.codeSplit) s.noImperative = false;
  const std::string entry = s.input();
  if (isBlank(entry)) return;  // white space alone is no verb
  s.searchWord = entry;
  s.prefixState = notTried;
  s.prefix.clear();
  s.foundWord = kNotFound;
  for (;;) {
    lista(s, lexicon);
    if (s.prefixState == stripped && !s.lookupAnnounced && s.foundWord != kNotFound) {
      announcePrefixed(s, dialogs);
      markFound(s, dialogs);
      return;
    }
    if (s.foundWord != kNotFound) {
      markFound(s, dialogs);
      return;
    }
    if (s.prefixState != notTried) break;
    keres2(s);
    s.searchWord = s.remainder;
  }
  s.prefixState = notTried;
  classify(s, dialogs);
}

}  // namespace ragozo
