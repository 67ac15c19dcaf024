// One request, from the typed verb, the tense and mood and the toggles to every form shown.
#include "conjugation/Conjugate.h"

#include <optional>
#include <string>
#include <utility>

#include "analysis/EntryRefusal.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStandIn.h"
#include "analysis/PlainStems.h"
#include "analysis/MoodStems.h"
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

// The verb as the look-up took it: its code, the lexicon's or a guess's.
struct FoundVerb {
  VerbCode code;
  bool withOwnHat = false;  // a lexicon verb with its own final "hat"
};

Meaning askMeaning(Dialogs& dialogs, const std::string& verb) {
  const std::string text = std::string(texts::kMeaningQuestionPrompt) + "\r\n" +
                           (verb == "téved" ? texts::kTevedMeanings : texts::kRagadMeanings);
  return dialogs.askYesNo(texts::kMeaningQuestionTitle, text) ? Meaning::first : Meaning::second;
}

// The notice that stays over the table once the look-up's way was announced.
const char* noticeOf(Announcement announced) {
  switch (announced) {
    case Announcement::none:
      break;
    case Announcement::foundWithoutPreverb:
      return texts::kPrefixedNotice;
    case Announcement::guessed:
      return texts::kGuessedNotice;
  }
  return "";
}

// Said once per entry: the beep and the message, unless `made` was made already. Returns what
// the entry has announced; the caller remembers it only once the message was shown, so that a
// dialog that fails leaves it to be made again.
Announcement announce(Dialogs& dialogs, Announcement made, Announcement announcement, const std::string& message) {
  if (made != Announcement::none) return made;
  dialogs.beep();
  dialogs.showMessage(message);
  return announcement;
}

// A request that ends before any form is built: the table and boxes stay as they were, the
// notice of what the entry announced over them.
ConjugationResult resultWithoutForms(ConjugationEnd end, Announcement announced) {
  ConjugationResult result;
  result.end = end;
  result.notice = noticeOf(announced);
  return result;
}

// A verb neither found nor guessed: the table is emptied; the boxes stay as they were.
ConjugationResult notFoundResult(Announcement announced) {
  ConjugationResult result = resultWithoutForms(ConjugationEnd::notFound, announced);
  result.table = emptyTable();
  return result;
}

// The inflection as the plain stand-in has it: its class and stem.
Inflection asStandIn(Inflection inflection, const std::string& standInStem) {
  inflection.cls = kPlainClass;
  inflection.stems.stem = standInStem;
  return inflection;
}

// The notice over a verb's forms: the imperative restriction's; else the objective one's, unless
// the notice of what the entry announced stays.
std::string noticeOver(RestrictionNotice restriction, Announcement announced) {
  if (restriction == RestrictionNotice::notImperative) return texts::kNotImperative;
  if (restriction == RestrictionNotice::notObjective && announced == Announcement::none) return texts::kNotObjective;
  return noticeOf(announced);
}

// The stems and endings of the verb in `mood`. Outside its present a verb with a plain stand-in
// is conjugated as the stand-in.
Inflection inflectionIn(const std::string& verb, const VerbCode& code, const std::optional<std::string>& standInStem,
                        Mood mood, bool shortImperativeForms) {
  const bool conjugatedAsStandIn = standInStem && mood != presentIndicative;
  const VerbClass cls = conjugatedAsStandIn ? kPlainClass : code.verbClass;
  Stems stems = moodStems(plainStems(verb, cls, code.vowelClass), verb, cls, code.vowelClass, mood);
  if (conjugatedAsStandIn) stems.stem = *standInStem;
  return inflect(verb, cls, code.vowelClass, std::move(stems), mood, shortImperativeForms);
}

// The forms of a verb found or guessed.
ConjugationResult conjugateFound(const Request& request, const std::string& verb, const FoundVerb& found,
                                 Announcement announced) {
  const VerbCode& code = found.code;
  const Mood mood = request.mood;
  const std::optional<std::string> standInStem = plainStandInStem(verb);
  const Inflection inflection = inflectionIn(verb, code, standInStem, mood, request.shortImperativeForms);

  ConjugationTable table =
      writeCells({verb, mood, request.shortImperativeForms, inflection, standInStem, code.firstToSecondInBrackets});
  if (inflection.cls.is(ClassProperty::irregular)) {
    table = writeIrregularCells(std::move(table), verb, inflection.stems.baseStem, mood);
  }
  const Restrictions restrictions = restrictionsOf(code, inflection.cls, mood, request.toggles);

  // The derived forms belong to the verb, not to the tense and mood the table shows: they start
  // from the present's stems, and a verb with a plain stand-in from the stand-in's.
  Inflection derivedFrom =
      mood == presentIndicative ? inflection : inflectionIn(verb, code, standInStem, presentIndicative, false);
  if (standInStem) derivedFrom = asStandIn(std::move(derivedFrom), *standInStem);
  DerivedForms derived =
      deriveForms({verb, derivedFrom, code, request.toggles.objectiveAnyway, found.withOwnHat});

  ConjugationResult result;
  result.offered = restrictions.offered;
  result.table = applyRestrictions(std::move(table), restrictions);
  result.notice = noticeOver(restrictions.notice, announced);
  result.boxes = std::move(derived.boxes);
  if (derived.potentialVerb) result.derivedFormsNotice = texts::kPotentialVerb;
  return result;
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
  // A verb typed with a capital, or under Caps Lock, is the same verb: the lexicon, the rules and the
  // forms shown are all in lower case.
  const std::string verb = lowerCase(trimBlanks(request.entry));
  if (hasImpossibleEnding(verb, lexicon)) {
    dialogs.showMessage(texts::kNoSuchVerb);
    return resultWithoutForms(ConjugationEnd::refused, memory.announced);
  }
  // Nothing but white space is no verb: the empty table and boxes under the entry prompt, and no
  // toggle, as none would change what shows.
  if (isBlank(verb)) return emptyResult();

  const LookedUp looked = lookUp(verb, lexicon);
  FoundVerb found;
  switch (looked.way) {
    case LookupWay::foundWithoutPreverb:
      memory.announced = announce(dialogs, memory.announced, Announcement::foundWithoutPreverb,
                                  texts::kPrefixedMessageStart + looked.remainder + texts::kPrefixedMessageEnd);
      [[fallthrough]];
    case LookupWay::found:
      found = FoundVerb{looked.code, endsWith(verb, "hat")};
      if (hasTwoMeanings(verb)) {
        // Asked once per entry; the entry's later conjugations take the answer remembered.
        if (!memory.meaning) memory.meaning = askMeaning(dialogs, verb);
        found.code = withMeaning(found.code, verb, *memory.meaning);
      }
      break;
    case LookupWay::guessed:
      memory.announced = announce(dialogs, memory.announced, Announcement::guessed, texts::kGuessedMessage);
      found = FoundVerb{looked.code};
      break;
    case LookupWay::notAVerb:
      dialogs.showMessage(texts::kDeleteIkMessage);
      return resultWithoutForms(ConjugationEnd::notAVerb, memory.announced);
    case LookupWay::notFound:
      dialogs.beep();
      dialogs.showMessage(texts::kNotInLexicon);
      return notFoundResult(memory.announced);
  }
  return conjugateFound(request, verb, found, memory.announced);
}

}  // namespace ragozo
