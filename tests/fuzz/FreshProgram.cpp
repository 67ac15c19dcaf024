// The table and derived boxes that a freshly started program shows for a request.
#include "FreshProgram.h"

#include <map>

#include "headless/Session.h"
#include "support/ShownNames.h"
#include "window/MainWindowTexts.h"

namespace ragozo::fuzz {
namespace {

// Rows 1 to 7 of the subjective column, of the objective one, then the boxes, as `formsShown` reads them.
std::string itemName(std::size_t item) {
  constexpr std::size_t kCells = 14;
  if (item >= kCells) return testing::boxName(static_cast<DerivedBox>(item - kCells)) + " box";
  return testing::cellName(static_cast<int>(item % 7) + 1, static_cast<int>(item / 7) + 1);
}

}  // namespace

Request requestShown(const window::MainWindow& w, bool answerYes) {
  const window::WindowState& s = w.state();
  const TogglesPressed& pressed = s.entry.toggles.pressed;
  return Request{s.entry.text,
                 w.selectedMood(),
                 pressed.allPersons,
                 pressed.objectiveAnyway,
                 pressed.imperativeAnyway,
                 s.imperativeForms,
                 s.derivedShown,
                 answerYes};
}

Forms formsShown(const window::MainWindow& w) {
  const window::ShownResult& shown = w.state().entry.shown;
  Forms forms;
  std::size_t i = 0;
  for (int column = 1; column <= 2; ++column) {
    for (int row = 1; row <= 7; ++row) forms[i++] = shown.table.cell(row, column);
  }
  for (const std::string& box : shown.derivedBoxes) forms[i++] = box;
  return forms;
}

const Forms& freshForms(const Request& request, const window::LexiconFill& fill) {
  static std::map<Request, Forms> known;
  if (const auto it = known.find(request); it != known.end()) return it->second;
  if (known.size() > 4000) known.clear();

  headless::Session session(fill);
  session.start();
  window::MainWindow& w = session.main();
  if (request.tall) w.toggleDerivedForms();
  session.dialogs.setDefaultAnswer(request.answerYes);
  w.keyPressed();
  w.entryEdited(request.entry);
  // The toggles' states, as their buttons would have set them after a first result.
  TogglesPressed& pressed = w.state().entry.toggles.pressed;
  pressed.allPersons = request.allPersons;
  pressed.objectiveAnyway = request.objectiveAnyway;
  pressed.imperativeAnyway = request.imperativeAnyway;
  w.state().imperativeForms = request.imperativeForms;
  w.chooseMood(request.mood);
  return known.emplace(request, formsShown(w)).first->second;
}

std::string describe(const Request& request, const Forms& seen, const Forms& fresh) {
  std::string text = "entry \"" + request.entry + "\", " + testing::moodName(request.mood) + ", allPersons " +
                     std::to_string(request.allPersons) + " objective " + std::to_string(request.objectiveAnyway) +
                     " imperative " + std::to_string(request.imperativeAnyway) + " caption \"" +
                     window::texts::imperativeFormsCaption(request.imperativeForms) + "\" tall " + std::to_string(request.tall) +
                     " answer " + std::to_string(request.answerYes) + "\n";
  for (std::size_t i = 0; i < seen.size(); ++i) {
    if (seen[i] == fresh[i]) continue;
    text += "  " + itemName(i) + ": \"" + seen[i] + "\" fresh \"" + fresh[i] + "\"\n";
  }
  return text;
}

}  // namespace ragozo::fuzz
