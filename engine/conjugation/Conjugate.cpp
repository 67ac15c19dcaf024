// One conjugation: from the typed verb to the table, the notices and the derived forms.
#include "conjugation/Conjugate.h"

#include <string>

#include "analysis/EndingRules.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "analysis/VerbCode.h"
#include "display/TableBlanking.h"
#include "display/TableCells.h"
#include "inflection/CausativeRule.h"
#include "inflection/DerivedForms.h"
#include "inflection/IrregularVerbs.h"
#include "inflection/MoodDispatch.h"
#include "inflection/RuleTests.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// The look-up and the stems; says whether the look-up refused the entry, stopped, or went on to the stems.
ConjugationEnd analyse(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs) {
  kizar(s, lexicon);
  if (s.impossibleEnding) {
    dialogs.showMessage(kNoSuchVerb);
    s.impossibleEnding = false;
    s.resultShown = true;
    return ConjugationEnd::refused;
  }
  lookUpVerb(s, lexicon, dialogs);
  if (s.lookupOutcome == stopped) {
    s.lookupOutcome = found;
    return ConjugationEnd::stopped;
  }
  if (s.lookupOutcome == guessed) {
    s.lookupOutcome = found;
  } else {
    csoport(s);
    ige(s);
    tipus(s);
  }
  tovek(s);
  return ConjugationEnd::shown;
}

// Blanks what the verb is not used in, unless its toggle asks for it, and says which toggles it offers.
OfferedToggles applyRestrictions(ConjugationState& s) {
  OfferedToggles offered;
  if (s.classCode == "99") {
    irregularVerbCells(s);
    if (s.mood == presentIndicative) al(s);
  }

  if (rightChars(s.valenceCode, 1) != "1") {
    if (!s.keepMessage) s.noticeLine = kNotObjective;
    if (!s.objectiveAnyway) al(s);
    if (s.classCode != "99") offered.objective = true;
  }

  const std::string usage = usageCode(s);
  if (isOneOf(usage, {"M1", "N1", "R1", "S1"})) {
    if (!s.allPersons) al2(s);
    offered.allPersons = true;
  } else if (usage == "O1") {
    if (!s.allPersons) al4(s);
    offered.allPersons = true;
  }

  if (s.mood == imperative && withoutImperative(s)) {
    s.noticeLine = kNotImperative;
    if (!s.imperativeAnyway) {
      offered.imperative = true;
      al3(s);
      s.keepTexts = true;
    }
  }
  return offered;
}

// Nothing but white space is no verb. The run goes through as for the
// empty entry at start-up, toggles included, but its cells would be bare
// endings of the previous verb's vowel class: the table and the boxes stay
// empty instead and the prompt asks for a verb.
void promptForBlankEntry(ConjugationState& s) {
  if (!isBlank(s.entry)) return;
  emptyForms(s);
  s.noticeLine = kEntryPrompt;
}

}  // namespace

ConjugationResult conjugate(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs) {
  ConjugationResult result;
  if (!s.keepMessage) s.noticeLine.clear();
  result.end = analyse(s, lexicon, dialogs);
  if (result.end != ConjugationEnd::shown) {
    promptForBlankEntry(s);
    result.output = s;
    return result;
  }
  idomod(s);

  const bool imperativeRestricted = s.noImperative && !s.imperativeAnyway;
  if (s.mood != imperative) s.imperativeForms = ImperativeForms::longForms;
  if (s.mood == pastIndicative || s.mood == presentConditional || s.mood == imperative) s.stemAlt = s.stem;
  s.resultShown = true;

  writeCells(s);
  result.offered = applyRestrictions(s);
  result.offered.imperativeForms = s.mood == imperative && !imperativeRestricted;

  egyebek(s);
  hato(s);
  promptForBlankEntry(s);
  result.output = s;
  return result;
}

void abandonConjugation(ConjugationState& s) {
  emptyForms(s);
  s.impossibleEnding = false;
  s.lookupOutcome = found;
  promptForBlankEntry(s);
}

}  // namespace ragozo
