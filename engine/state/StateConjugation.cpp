// The engine's one call over the window's record: the request read from it, the result drawn into it.
#include "state/StateConjugation.h"

#include "conjugation/Conjugate.h"
#include "conjugation/ConjugationTexts.h"
#include "table/EmptyTable.h"

namespace ragozo {

ConjugationResult conjugate(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs) {
  const std::string entry = s.entry;
  const Request request{entry,
                        s.mood,
                        {s.allPersons, s.objectiveAnyway, s.imperativeAnyway},
                        s.imperativeForms == ImperativeForms::shortForms,
                        s.derivedShown,
                        s.keepTexts};
  ConjugationResult result = conjugate(request, s.memory, lexicon, dialogs);
  if (result.table) s.table = *result.table;
  s.noticeLine = result.notice;
  if (result.boxes) s.derivedBoxes = *result.boxes;
  s.emptyEntry = result.emptiesEntry;
  s.derivedFormsNotice = result.derivedFormsNotice;
  if (result.end != ConjugationEnd::notAVerb) s.resultShown = true;
  if (result.end == ConjugationEnd::shown && s.mood != imperative) s.imperativeForms = ImperativeForms::longForms;
  return result;
}

void abandonConjugation(ConjugationState& s) {
  emptyForms(s.table);
  for (std::string& box : s.derivedBoxes) box.clear();
  if (isBlank(s.entry)) s.noticeLine = texts::kEntryPrompt;
}

void emptyShownForms(ConjugationState& s) {
  emptyForms(s.table);
  if (s.keepTexts) return;
  s.emptyEntry = true;
  for (std::string& box : s.derivedBoxes) box.clear();
  s.derivedFormsNotice.reset();
  s.noticeLine = texts::kEntryPrompt;
}

void showDerivedFormsNotice(ConjugationState& s) {
  if (s.derivedShown && s.derivedFormsNotice) s.noticeLine = *s.derivedFormsNotice;
}

}  // namespace ragozo
