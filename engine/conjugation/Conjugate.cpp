// One request, from the typed verb, the tense and mood and the toggles to every form shown.
#include "conjugation/Conjugate.h"

#include <string>

#include "analysis/EntryRefusal.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "conjugation/ConjugationTexts.h"
#include "derived/DerivedForms.h"
#include "inflection/Inflection.h"
#include "table/EmptyTable.h"
#include "table/IrregularPresent.h"
#include "table/Restrictions.h"
#include "table/TableCells.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// The verb as the look-up took it: its code (decoded, or what a guess gave) and the preverb split off.
struct FoundVerb {
  VerbCode code;
  std::string preverb;
  bool withOwnHat = false;  // a lexicon verb with its own final "hat"
};

Meaning askMeaning(Dialogs& dialogs, const std::string& verb) {
  const std::string text = std::string(texts::kMeaningQuestionPrompt) + "\r\n" +
                           (verb == "téved" ? texts::kTevedMeanings : texts::kRagadMeanings);
  return dialogs.askYesNo(texts::kMeaningQuestionTitle, text) ? Meaning::first : Meaning::second;
}

// Said once per entry: the beep, the message and the notice that stays.
void announce(Dialogs& dialogs, EntryMemory& memory, ConjugationResult& result, const std::string& message,
              const char* notice) {
  if (memory.announcedNotice) return;
  memory.announcedNotice = notice;
  result.notice = notice;
  dialogs.beep();
  dialogs.showMessage(message);
}

FoundVerb foundVerb(const LookedUp& looked, const std::string& verb, EntryMemory& memory, Dialogs& dialogs) {
  FoundVerb found{decodeVerbCode(looked.code), looked.preverb, endsWith(verb, "hat")};
  if (hasTwoMeanings(verb)) {
    if (!memory.meaning) memory.meaning = askMeaning(dialogs, verb);
    found.code = withMeaning(found.code, verb, *memory.meaning);
  }
  return found;
}

FoundVerb guessedVerb(const LookedUp& looked) {
  FoundVerb guessed{VerbCode{}, looked.preverb};
  guessed.code.verbClass = looked.guess.verbClass;
  guessed.code.usedObjectively = looked.guess.usedObjectively;
  guessed.code.vowelClass = looked.guess.vowelClass;
  return guessed;
}

// Nothing but white space is no verb: the empty table and boxes under the entry prompt, and the
// toggles a verb without a code calls for.
ConjugationResult blankEntry(const Request& request) {
  ConjugationResult result = emptyResult();
  result.offered = restrictionsOf(VerbCode{}, VerbClass{}, request.mood, request.toggles).offered;
  return result;
}

// A verb neither found nor guessed: the table is emptied; the boxes stay as they were.
ConjugationResult notFound(ConjugationResult result) {
  result.end = ConjugationEnd::notFound;
  result.table = emptyTable();
  return result;
}

// The forms of a verb found or guessed.
void conjugateFound(const Request& request, const std::string& verb, const FoundVerb& found,
                    const EntryMemory& memory, ConjugationResult& result) {
  const VerbCode& code = found.code;
  const Mood mood = request.mood;
  Stems stems = moodStems(plainStems(verb, code.verbClass, code.vowelClass), verb, code.verbClass, code.vowelClass,
                          mood);
  const Inflection inflection =
      inflect(verb, code.verbClass, code.vowelClass, std::move(stems), mood, request.shortImperativeForms);

  ConjugationTable table =
      writeCells({verb, mood, request.shortImperativeForms, inflection, found.preverb, code.firstToSecondInBrackets});
  if (inflection.cls.is(ClassProperty::irregular)) writeIrregularCells(table, verb, inflection.stems.baseStem, mood);
  const Restrictions restrictions = restrictionsOf(code, inflection.cls, mood, request.toggles);
  applyRestrictions(table, restrictions);
  result.offered = restrictions.offered;
  if (restrictions.notice == RestrictionNotice::notObjective && !memory.announcedNotice) {
    result.notice = texts::kNotObjective;
  }
  if (restrictions.notice == RestrictionNotice::notImperative) result.notice = texts::kNotImperative;

  DerivedForms derived = deriveForms({verb, inflection, code, request.toggles.objectiveAnyway, found.withOwnHat});
  if (derived.potentialVerb) result.derivedFormsNotice = texts::kPotentialVerb;
  result.table = std::move(table);
  result.boxes = std::move(derived.boxes);
}

}  // namespace

ConjugationResult emptyResult() {
  ConjugationResult result;
  result.table = emptyTable();
  result.boxes = DerivedBoxes{};
  result.notice = texts::kEntryPrompt;
  return result;
}

ConjugationResult conjugate(const Request& request, EntryMemory& memory, const Lexicon& lexicon, Dialogs& dialogs) {
  ConjugationResult result;
  result.notice = memory.announcedNotice.value_or("");
  const std::string verb = trimBlanks(request.entry);
  if (hasImpossibleEnding(verb, lexicon)) {
    dialogs.showMessage(texts::kNoSuchVerb);
    result.end = ConjugationEnd::refused;
    return result;
  }
  if (isBlank(verb)) return blankEntry(request);

  const LookedUp looked = lookUp(verb, lexicon);
  FoundVerb found;
  switch (looked.way) {
    case LookupWay::foundWithoutPreverb:
      announce(dialogs, memory, result,
               texts::kPrefixedMessageStart + looked.remainder + texts::kPrefixedMessageEnd, texts::kPrefixedNotice);
      [[fallthrough]];
    case LookupWay::found:
      found = foundVerb(looked, verb, memory, dialogs);
      break;
    case LookupWay::guessed:
      announce(dialogs, memory, result, texts::kGuessedMessage, texts::kGuessedNotice);
      found = guessedVerb(looked);
      break;
    case LookupWay::notAVerb:
      dialogs.showMessage(texts::kDeleteIkMessage);
      result.end = ConjugationEnd::notAVerb;
      return result;
    case LookupWay::notFound:
      dialogs.beep();
      dialogs.showMessage(texts::kNotInLexicon);
      return notFound(std::move(result));
  }
  conjugateFound(request, verb, found, memory, result);
  return result;
}

}  // namespace ragozo
