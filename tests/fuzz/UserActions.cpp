// The fuzz input read as a sequence of user actions on the main window.
#include "UserActions.h"

#include <algorithm>

#include "text/Utf8Text.h"
#include "window/MainWindowTexts.h"

namespace ragozo::fuzz {
namespace {

constexpr std::size_t kLongPaste = 4000;

std::uint8_t takeByte(std::span<const std::uint8_t>& input) {
  if (input.empty()) return 0;
  const std::uint8_t byte = input.front();
  input = input.subspan(1);
  return byte;
}

std::string takeText(std::span<const std::uint8_t>& input) {
  const std::size_t length = std::min<std::size_t>(takeByte(input), input.size());
  std::string text(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(length));
  input = input.subspan(length);
  return text;
}

void paste(headless::Session& session, const std::string& text) {
  session.clipboard.setText(text);
  session.main().pasteIntoEntry();
}

}  // namespace

Action nextAction(std::span<const std::uint8_t>& input) {
  Action action{static_cast<ActionKind>(takeByte(input) % 16), {}};
  switch (action.kind) {
    case ActionKind::type:
    case ActionKind::paste:
    case ActionKind::pasteLong:
      action.text = takeText(input);
      break;
    case ActionKind::chooseMood:
    case ActionKind::answer:
    case ActionKind::copyCell:
    case ActionKind::clickDerivedBox:
      action.choice = takeByte(input);
      break;
    default:
      break;
  }
  return action;
}

bool perform(headless::Session& session, const Action& action) {
  window::MainWindow& w = session.main();
  switch (action.kind) {
    case ActionKind::type:
      session.type(action.text);
      return false;
    case ActionKind::paste:
      paste(session, action.text);
      return false;
    case ActionKind::pasteLong: {
      std::string text;
      while (!action.text.empty() && text.size() < kLongPaste) text += action.text;
      paste(session, text);
      return false;
    }
    case ActionKind::clear:  // the whole entry selected and deleted
      w.entryEdited("");
      return false;
    case ActionKind::backspace:
      w.entryEdited(dropLastChars(w.state().entry.text, 1));
      return false;
    case ActionKind::conjugate:
      w.conjugate();
      return true;
    case ActionKind::chooseMood:
      w.chooseMood(kMoods[static_cast<std::size_t>(action.choice) % kMoods.size()]);
      return true;
    case ActionKind::allPersons:
      if (!w.allPersonsToggle().visible) return false;
      w.toggleAllPersons();
      return true;
    case ActionKind::objective:
      if (!w.objectiveToggle().visible) return false;
      w.toggleObjective();
      return true;
    case ActionKind::imperative: {
      if (!w.imperativeToggle().visible) return false;
      // Showing the imperative conjugates; hiding it again only empties the table.
      const bool shows = w.imperativeToggle().caption == window::texts::kImperativeOff;
      w.toggleImperative();
      return shows;
    }
    case ActionKind::derivedForms:
      w.toggleDerivedForms();
      return false;
    case ActionKind::shortImperative:
      if (!w.imperativeFormsToggleVisible()) return false;
      w.toggleImperativeForms();
      return true;
    case ActionKind::answer:
      session.dialogs.setDefaultAnswer(action.choice % 2 == 0);
      return false;
    case ActionKind::copyCell:
      w.copyCell(action.choice % ConjugationTable::kRows,
                  action.choice / ConjugationTable::kRows % ConjugationTable::kColumns);
      return false;
    case ActionKind::clickDerivedBox:
      w.copyDerivedBox(static_cast<DerivedBox>(action.choice % 8));
      return false;
    case ActionKind::about:
      w.showAbout();
      session.program.splash()->returnToMain();
      return false;
  }
  return false;
}

}  // namespace ragozo::fuzz
