// One request through the engine, read back as the window shows it, and checks that say what failed.
#include "support/Conjugation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "conjugation/Conjugate.h"
#include "support/FixtureLexicon.h"
#include "table/EmptyTable.h"
#include "support/RecordingDialogs.h"

namespace ragozo::testing {
namespace {

std::string placeOf(const Shown& shown, const std::string& where) {
  return shown.verb + ", " + moodName(shown.mood) + ", " + where;
}

void expectText(const Shown& shown, const std::string& where, std::string_view shownText, std::string_view wanted) {
  if (shownText == wanted) return;
  ADD_FAILURE() << placeOf(shown, where) << ": wanted \"" << wanted << "\", shown \"" << shownText << "\"";
}

}  // namespace

bool Shown::formsEmpty() const {
  for (int row = 1; row <= 7; ++row) {
    if (!cell(row, 1).empty() || !cell(row, 2).empty()) return false;
  }
  return true;
}

Lexicon lexiconOf(CodedVerb verb) {
  Lexicon lexicon;
  const FixtureEntry entry{verb.verb, verb.code};
  storeEntries(lexicon, std::span<const FixtureEntry>(&entry, 1));
  return lexicon;
}

TypedEntry::TypedEntry(std::string_view entry, const Lexicon& lexicon) : lexicon_(lexicon), entry_(entry) {}

TypedEntry::TypedEntry(std::string_view entry) : TypedEntry(entry, fixtureLexicon()) {}

TypedEntry::TypedEntry(CodedVerb verb)
    : ownLexicon_(verb.code == nullptr ? Lexicon() : lexiconOf(verb)),
      lexicon_(verb.code == nullptr ? fixtureLexicon() : ownLexicon_),
      entry_(verb.verb) {}

Shown TypedEntry::conjugate(Mood mood, const Toggles& toggles, std::initializer_list<bool> answers) {
  const Request request{
      entry_, mood, {toggles.allPersons, toggles.objective, toggles.imperative}, toggles.shortForms};
  RecordingDialogs dialogs;
  dialogs.answer(answers);
  ConjugationResult result = ragozo::conjugate(request, memory_, lexicon_, dialogs);
  Shown shown;
  shown.verb = entry_;
  shown.mood = mood;
  shown.end = result.end;
  shown.offered = result.offered;
  // A request that leaves the table or the boxes as they were leaves them empty here: a newly typed entry's.
  shown.table = std::move(result.table).value_or(emptyTable());
  shown.notice = std::move(result.notice);
  shown.derivedFormsNotice = std::move(result.derivedFormsNotice);
  shown.boxes = std::move(result.boxes).value_or(DerivedBoxes{});
  shown.dialogs = dialogs.transcript();
  return shown;
}

Shown conjugated(std::string_view entry, Mood mood, const Toggles& toggles) {
  return TypedEntry(entry).conjugate(mood, toggles);
}

Shown conjugated(CodedVerb verb, Mood mood, const Toggles& toggles) {
  return TypedEntry(verb).conjugate(mood, toggles);
}

void expectCell(const Shown& shown, int row, int column, std::string_view wanted) {
  expectText(shown, cellName(row, column), shown.cell(row, column), wanted);
}

void expectBox(const Shown& shown, DerivedBox box, std::string_view wanted) {
  expectText(shown, boxName(box), shown.boxes[box], wanted);
}

void expectCells(const Shown& shown, std::string_view row) {
  std::istringstream in{std::string(row)};
  int column = 1;
  int person = 1;
  for (std::string word; in >> word;) {
    if (word == "|") {
      column = 2;
      person = 1;
      continue;
    }
    if (person > (column == 1 ? 6 : 7)) {
      ADD_FAILURE() << "too many forms in the expected row: " << row;
      return;
    }
    expectCell(shown, person++, column, word == "-" ? "" : "  " + word);
  }
  if (column != 2 || person != 8) ADD_FAILURE() << "an expected row needs 6 forms, \"|\" and 7: " << row;
}

void expectForms(const FormsCase& c) { expectCells(TypedEntry(c.verb).conjugate(c.mood, c.toggles), c.cells); }

}  // namespace ragozo::testing
