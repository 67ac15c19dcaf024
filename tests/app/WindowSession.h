// A started program over the tests' fixture lexicon (or the lexicon a fill gives), with helpers to
// read what it shows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "headless/Session.h"
#include "support/Conjugation.h"
#include "support/FixtureLexicon.h"

namespace ragozo::testing {

// The thirteen form cells: column 1 rows 1 to 6, then column 2 rows 1 to 7.
using FormCells = std::array<std::string, 13>;

class WindowSession : public headless::Session {
 public:
  explicit WindowSession(window::LexiconFill fillLexicon = storeFixtureLexicon) : Session(std::move(fillLexicon)) {
    start();
    dialogs.clear();
    desktop.clearCalls();
  }

  window::MainWindow& w() { return main(); }
  window::WindowState& s() { return main().state(); }

  // Types `verb` as a new entry and chooses the button of `mood`, which conjugates.
  void request(std::string_view verb, Mood mood) {
    type(verb);
    main().chooseMood(mood);
  }

  // What the window shows, read as the engine's tests read a result, so that `expectCell`,
  // `expectCells` and `expectBox` (support/Conjugation.h) name the entry, the tense and mood and
  // the cell or box of a failure.
  Shown shown() {
    Shown view;
    view.verb = s().entry.text;
    view.mood = w().selectedMood();
    view.table = s().entry.shown.table;
    view.notice = s().entry.shown.noticeLine;
    view.boxes = s().entry.shown.derivedBoxes;
    view.dialogs = dialogs.transcript();
    return view;
  }

  FormCells cells() {
    FormCells result;
    std::size_t i = 0;
    for (int row = 1; row <= 6; ++row) result[i++] = s().entry.shown.table.cell(row, 1);
    for (int row = 1; row <= 7; ++row) result[i++] = s().entry.shown.table.cell(row, 2);
    return result;
  }

  bool formCellsEmpty() {
    for (const std::string& cell : cells()) {
      if (!cell.empty()) return false;
    }
    return s().entry.shown.table.cell(7, 1).empty();
  }
};

}  // namespace ragozo::testing
