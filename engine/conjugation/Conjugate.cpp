// One request, from the typed verb, the tense and mood and the toggles to every form shown.
#include "conjugation/Conjugate.h"

#include <optional>
#include <string>
#include <utility>

#include "analysis/EntryRefusal.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStandIn.h"
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

// Said once per entry: the beep, the message and the notice that stays. The memory takes the
// announcement only once it was shown, so that a dialog that fails leaves it to be made again.
void announce(Dialogs& dialogs, EntryMemory& memory, ConjugationResult& result, Announcement announcement,
              const std::string& message) {
  if (memory.announced != Announcement::none) return;
  dialogs.beep();
  dialogs.showMessage(message);
  memory.announced = announcement;
  result.notice = noticeOf(announcement);
}

FoundVerb foundVerb(const LookedUp& looked, const std::string& verb, EntryMemory& memory, Dialogs& dialogs) {
  FoundVerb found{looked.code, endsWith(verb, "hat")};
  if (hasTwoMeanings(verb)) {
    if (!memory.meaning) memory.meaning = askMeaning(dialogs, verb);
    found.code = withMeaning(found.code, verb, *memory.meaning);
  }
  return found;
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

// The inflection as the plain stand-in has it: its class and stem.
Inflection asStandIn(Inflection inflection, const std::string& standInStem) {
  inflection.cls = kPlainClass;
  inflection.stems.stem = standInStem;
  return inflection;
}

// The forms of a verb found or guessed.
void conjugateFound(const Request& request, const std::string& verb, const FoundVerb& found,
                    const EntryMemory& memory, ConjugationResult& result) {
  const VerbCode& code = found.code;
  const Mood mood = request.mood;
  // Outside its present a verb with a plain stand-in is conjugated as the stand-in.
  const std::optional<std::string> standInStem = plainStandInStem(verb);
  const bool conjugatedAsStandIn = standInStem && mood != presentIndicative;
  const VerbClass cls = conjugatedAsStandIn ? kPlainClass : code.verbClass;
  Stems stems = moodStems(plainStems(verb, cls, code.vowelClass), verb, cls, code.vowelClass, mood);
  if (conjugatedAsStandIn) stems.stem = *standInStem;
  const Inflection inflection =
      inflect(verb, cls, code.vowelClass, std::move(stems), mood, request.shortImperativeForms);

  ConjugationTable table =
      writeCells({verb, mood, request.shortImperativeForms, inflection, standInStem, code.firstToSecondInBrackets});
  if (inflection.cls.is(ClassProperty::irregular)) {
    table = writeIrregularCells(std::move(table), verb, inflection.stems.baseStem, mood);
  }
  const Restrictions restrictions = restrictionsOf(code, inflection.cls, mood, request.toggles);
  table = applyRestrictions(std::move(table), restrictions);
  result.offered = restrictions.offered;
  if (restrictions.notice == RestrictionNotice::notObjective && memory.announced == Announcement::none) {
    result.notice = texts::kNotObjective;
  }
  if (restrictions.notice == RestrictionNotice::notImperative) result.notice = texts::kNotImperative;

  // The derived forms are the stand-in's whichever tense and mood the table shows; outside the
  // present the inflection is the stand-in's already.
  std::optional<Inflection> standInInflection;
  if (standInStem && !conjugatedAsStandIn) standInInflection = asStandIn(inflection, *standInStem);
  DerivedForms derived = deriveForms({verb, standInInflection ? *standInInflection : inflection, code,
                                      request.toggles.objectiveAnyway, found.withOwnHat});
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
  result.notice = noticeOf(memory.announced);
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
      announce(dialogs, memory, result, Announcement::foundWithoutPreverb,
               texts::kPrefixedMessageStart + looked.remainder + texts::kPrefixedMessageEnd);
      [[fallthrough]];
    case LookupWay::found:
      found = foundVerb(looked, verb, memory, dialogs);
      break;
    case LookupWay::guessed:
      announce(dialogs, memory, result, Announcement::guessed, texts::kGuessedMessage);
      found = FoundVerb{looked.code};
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
