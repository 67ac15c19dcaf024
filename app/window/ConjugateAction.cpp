// The conjugate action: one request from the typed verb to the table, notices and derived forms.
#include <new>
#include <stdexcept>
#include <string>

#include "analysis/EndingRules.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "analysis/VerbCode.h"
#include "display/TableBlanking.h"
#include "inflection/CausativeRule.h"
#include "inflection/DerivedForms.h"
#include "inflection/IrregularVerbs.h"
#include "inflection/MoodDispatch.h"
#include "text/Utf8Text.h"
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"
#include "window/TableCells.h"

namespace ragozo::window {
namespace {

bool isOneOf(const std::string& text, std::initializer_list<const char*> list) {
  for (const char* item : list) {
    if (text == item) return true;
  }
  return false;
}

}  // namespace

void MainWindow::Command1_Click() {
  if (selectedOption_ == 0) {
    dialogs_.showMessage(texts::kChooseMood);
    return;
  }
  // What can fail half-way is the platform behind the message boxes (a
  // runtime error) or memory; a logic error is a fault of the program and
  // goes on, so that it fails a test rather than showing as an empty table.
  try {
    conjugateSteps();
  } catch (const std::runtime_error&) {
    abandonRequest();
  } catch (const std::bad_alloc&) {
    abandonRequest();
  }
  // Nothing but blanks and tabs is no verb. The run above goes through as for
  // the empty entry at start-up, toggles included, but its cells would be bare
  // endings of the previous verb's vowel class: the table and the boxes stay
  // empty instead and the prompt asks for a verb.
  if (isBlank(state_.entry.text())) {
    emptyForms();
    state_.noticeLine = kEntryPrompt;
  }
}

void MainWindow::abandonRequest() {
  // The new verb's forms must not stay among the previous verb's: the table
  // and the derived boxes are emptied, and the action's own flags are set
  // back so that the next request starts clean.
  emptyForms();
  state_.impossibleEnding = 0;
  state_.lookupOutcome = found;
}

void MainWindow::conjugateSteps() {
  ConjugationState& s = state_;
  if (s.keepMessage != 1) s.noticeLine.clear();

  kizar(s, lexicon_);
  if (s.impossibleEnding == 1) {
    dialogs_.showMessage(texts::kNoSuchVerb);
    s.impossibleEnding = 0;
    s.resultShown = 1;
    return;
  }

  data(s, lexicon_, dialogs_);
  if (s.lookupOutcome == stopped) {
    s.lookupOutcome = found;
    return;
  }
  if (s.lookupOutcome == guessed) {
    s.lookupOutcome = found;
  } else {
    csoport(s);
    ige(s);
    tipus(s);
  }
  tovek(s);
  idomod(s);

  if (s.mood != imperative) {
    s.shortImperative = kLongImperativeShowingCaption;
    command6Visible_ = false;
  } else {
    command6Visible_ = !(s.noImperative == 1 && s.imperativeAnyway != 3);
  }
  if (s.mood == pastIndicative || s.mood == presentConditional || s.mood == imperative) s.stemAlt = s.stem;
  s.resultShown = 1;

  writeCells(s);

  if (s.classCode == "99") {
    megy(s);
    if (s.mood == presentIndicative) al(s);
  }

  if (rightChars(s.valenceCode, 1) != "1") {
    if (s.keepMessage != 1) s.noticeLine = texts::kNotObjective;
    if (s.objectiveAnyway != 3) al(s);
    if (s.classCode != "99") command3_.visible = true;
  }

  const std::string usage = rightChars(s.vowelUsage, 2);
  if (isOneOf(usage, {"M1", "N1", "R1", "S1"})) {
    if (s.allPersons != 2) al2(s);
    command2_.visible = true;
  } else if (usage == "O1") {
    if (s.allPersons != 2) al4(s);
    command2_.visible = true;
  }

  if (selectedOption_ == 4 && isOneOf(usage, {"P1", "Q1", "R1", "T1"})) {
    s.noticeLine = texts::kNotImperative;
    if (s.imperativeAnyway != 3) {
      command4_.visible = true;
      al3(s);
      s.keepTexts = 1;
    }
  }

  egyebek(s);
  entryGotFocus();
  s.inputFresh = 0;
  hato(s);
}

void MainWindow::emptyForms() {
  for (int row = 1; row < ConjugationTable::kRows; ++row) {
    if (row < 7) state_.table.write(row, 1, "");
    state_.table.write(row, 2, "");
  }
  for (std::string& box : state_.derivedBoxes) box.clear();
}

}  // namespace ragozo::window
