// One request through the engine, read back as the engine returns it, and checks that say what failed.
//
// A test types a verb (`TypedEntry`), conjugates it in a tense and mood with
// the toggles a user pressed, and reads the result: how the request ended, the
// form cells by row and column, the notice line (and the one the tall view
// shows instead), the eight derived boxes, the toggles offered and every
// message box in order. A conjugation again of the same entry remembers what
// the window remembers (the meaning chosen, the announcements made). How the
// window draws the result (whether it empties the entry, which notice it
// shows) is the window's tests' concern. The checks report a failure in words:
// the verb, the tense and mood, the person and the column (or the box), the
// form wanted and the form shown.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conjugation/ConjugationResult.h"
#include "conjugation/EntryMemory.h"
#include "core/Mood.h"
#include "derived/DerivedBoxes.h"
#include "lexicon/Lexicon.h"
#include "support/ShownNames.h"

namespace ragozo::testing {

// The toggles beside the table, as the user left them.
struct Toggles {
  bool allPersons = false;  // "Minden személy"
  bool objective = false;   // "Tárgyas ragozás is"
  bool imperative = false;  // "Felszólító mód is"
  bool shortForms = false;  // "2: Rövid alakok"
};

// What one conjugation shows.
struct Shown {
  std::string verb;
  Mood mood = noMood;
  ConjugationEnd end = ConjugationEnd::shown;
  OfferedToggles offered;
  ConjugationTable table;
  std::string notice;
  std::optional<std::string> derivedFormsNotice;  // what the tall view shows in place of `notice`
  DerivedBoxes boxes;
  std::vector<std::string> dialogs;  // "beep", "message: ...", "question [title]: ..."

  const std::string& cell(int row, int column) const { return table.cell(row, column); }
  // Every form cell empty (rows 1 to 6 of the subjective column, 1 to 7 of the objective one).
  bool formsEmpty() const;
};

// A verb of the tests' lexicon (no code), or a verb with the code of a lexicon of its own.
struct CodedVerb {
  const char* verb;
  const char* code = nullptr;
};

// A lexicon of the one verb, stored where the fill procedures would put it.
Lexicon lexiconOf(CodedVerb verb);

// An entry as typed into the window, conjugated once or more while it stays.
class TypedEntry {
 public:
  explicit TypedEntry(std::string_view entry, const Lexicon& lexicon);
  explicit TypedEntry(std::string_view entry);  // on the tests' lexicon
  explicit TypedEntry(CodedVerb verb);          // on a lexicon of the one verb, if it has a code

  // Conjugates the entry; the meaning question takes `answers` in turn, then Yes.
  Shown conjugate(Mood mood, const Toggles& toggles = {}, std::initializer_list<bool> answers = {});

 private:
  Lexicon ownLexicon_;
  const Lexicon& lexicon_;
  std::string entry_;
  EntryMemory memory_;
};

// One conjugation of a newly typed entry.
Shown conjugated(std::string_view entry, Mood mood, const Toggles& toggles = {});
Shown conjugated(CodedVerb verb, Mood mood, const Toggles& toggles = {});

// Checks one cell or box: a failure names the verb, tense and mood, the cell or box, wanted and shown.
void expectCell(const Shown& shown, int row, int column, std::string_view wanted);
void expectBox(const Shown& shown, DerivedBox box, std::string_view wanted);

// Checks every form cell against a row as the window shows it without the two leading blanks:
// the subjective column's six forms, "|", the objective column's seven, "-" for an empty cell
// ("adok adsz ad adunk adtok adnak | adom adod adja adjuk adjátok adják adlak").
void expectCells(const Shown& shown, std::string_view row);

// One request and every form cell it shows, as `expectCells` reads them.
struct FormsCase {
  CodedVerb verb;
  Mood mood;
  Toggles toggles;
  const char* cells;
};
void expectForms(const FormsCase& c);

}  // namespace ragozo::testing
