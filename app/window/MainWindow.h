// The main window's logic: its controls as plain data and one method per user action.
//
// How a request runs: the view forwards each user action to the method that
// says what the user did (`conjugate` for "&Ragozás" and Enter, `keyPressed`
// and `entryEdited` or `entryTypedAtEnd` for typing, `chooseMood` for the
// tense and mood buttons, the toggles, the copies); the method keeps the
// user's sequence (the per-entry reset, the toggles), asks the engine's one
// call for the entry with the choices in `state` and the entry's memory, and
// draws the result it returns into `state` (the table, the notice line, the
// derived boxes) and into the captions and visibility kept here; a verb
// neither found nor guessed empties the entry, unless the imperative keeps it
// for mending. The view then shows what it finds. The engine is reached by
// `conjugate` alone, and once, at construction, by `emptyResult`, whose table,
// prompt and boxes every new entry shows again.
// Message boxes, the clipboard and the windowing system are reached through
// the interfaces given at construction; nothing here knows of Qt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "conjugation/ConjugationResult.h"
#include "conjugation/Request.h"
#include "lexicon/Lexicon.h"
#include "window/Clipboard.h"
#include "window/Desktop.h"
#include "window/WindowDialogs.h"
#include "window/WindowState.h"

namespace ragozo::window {

class Program;

// Fills a lexicon at load time; the program's own runs the thirty fill steps.
using LexiconFill = std::function<void(Lexicon&)>;

class MainWindow {
 public:
  // Design size in twips: tall enough for the derived forms.
  static constexpr int kDesignWidth = 10575;
  static constexpr int kShortHeight = 4230;
  static constexpr int kTallHeight = 6480;

  MainWindow(Program& program, WindowDialogs& dialogs, Clipboard& clipboard, Desktop& desktop,
             LexiconFill fillLexicon);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // --- what the user does ------------------------------------------------------
  // The load sequence: place, show, the empty table, indicative present (one
  // conjugation of the empty entry), the lexicon fill and the start-up values.
  void load();
  // "&Ragozás", the default button, and Enter: the engine's `conjugate`, then
  // the toggles it offers and the focus back in the entry; a request that
  // shows nothing leaves no toggle showing but the derived-forms one. Without
  // a tense and mood chosen it only asks for one. Should a message box or memory fail
  // half-way, the form cells are emptied rather than left half new and half
  // old; any other error is a fault and passes on.
  void conjugate();
  // A tense and mood button is chosen, by the user or the load: it is
  // selected, which deselects the others, and the verb is conjugated in it.
  // The indicative moods drop the imperative toggle of the verb before.
  void chooseMood(Mood mood);
  void toggleAllPersons();       // all persons of a verb used in the third persons only
  void toggleObjective();        // the objective column of a subjective verb
  void toggleImperative();       // the imperative of a verb not used in it
  void toggleDerivedForms();     // the tall view with the derived forms
  void toggleImperativeForms();  // short or long second-person imperative

  // A key's character, or a paste, about to go into the entry. The first
  // after a result empties the entry, so that what comes in is the new entry.
  void keyPressed();
  // The user's editing left this text in the entry. The first change after a
  // result runs the per-entry reset.
  void entryEdited(const std::string& text);
  // A key put `characters` at the end of the entry: `entryEdited` with the
  // longer text, without a copy of the entry for every key.
  void entryTypedAtEnd(std::string_view characters);
  // A double click on the entry: the clipboard's text replaces it; after a
  // result the per-entry reset this starts empties the entry instead, whatever
  // the clipboard holds.
  void pasteIntoEntry();
  // The entry gains or loses the focus; gaining it puts the caret at the end.
  void entryGotFocus();
  void entryLostFocus() { entryFocused_ = false; }
  void setCaret(int position) { caret_ = position; }

  // A click on a table cell: its text goes to the clipboard, and it shows selected as the one copied.
  void copyCell(int row, int column);
  // A click on a derived-form box: its text goes to the clipboard.
  void copyDerivedBox(DerivedBox box);

  // The menus: "&OnTop", "&Close" and "&Névjegy" (the about window replaces this one).
  void toggleOnTop();
  void closeProgram();
  void showAbout();

  // --- controls ---------------------------------------------------------------
  WindowState& state() { return state_; }
  const WindowState& state() const { return state_; }
  const CommandButton& conjugateButton() const { return conjugateButton_; }
  const CommandButton& allPersonsToggle() const { return state_.entry.toggles.allPersons; }
  const CommandButton& objectiveToggle() const { return state_.entry.toggles.objective; }
  const CommandButton& imperativeToggle() const { return state_.entry.toggles.imperative; }
  // The derived-forms toggle is always visible; its caption and the
  // short/long imperative toggle's follow the choices.
  std::string derivedFormsToggleCaption() const;
  std::string imperativeFormsToggleCaption() const;
  bool imperativeFormsToggleVisible() const { return state_.imperativeFormsVisible; }
  // The selected tense and mood button, `noMood` before any is chosen.
  Mood selectedMood() const { return state_.mood; }
  bool onTopChecked() const { return onTopChecked_; }
  const WindowGeometry& geometry() const { return geometry_; }
  bool entryFocused() const { return entryFocused_; }
  int caret() const { return caret_; }
  const Lexicon& lexicon() const { return lexicon_; }

 private:
  // What the user asks for: the entry, the tense and mood and the toggles as they stand.
  Request request() const;
  // Draws what the result shows, taking them out of it: its table (no cell selected),
  // its notice and its boxes where it gives them; and the short/long toggle's fall-back to the long forms.
  void draw(ConjugationResult& result);
  // A table drawn anew, no cell selected.
  void drawTable(ConjugationTable table);
  // In the tall view a potential verb's notice, which says why its boxes are empty, stands on the notice line.
  void showDerivedFormsNotice();
  // What the empty entry showed, again: the table without forms; with the derived boxes empty too
  // (a conjugation that failed half-way, so that no cell mixes two verbs); and all of it (a new entry).
  void showEmptyTable();
  void showNoForms();
  void showEmptyResult() { state_.entry.shown = emptyEntryShown_; }
  // A new text in the entry starts the entry's reset, as typing does.
  void setEntryText(const std::string& text);
  // Every change of the entry's text: a new memory, always; and after a result
  // a new entry (nothing more while the entry is fresh), which the change
  // empties: the empty entry's table, prompt and boxes, the toggles the verb
  // conjugated last called for (its imperative shown anyway among them)
  // hidden and unpressed.
  void entryChanged();
  void placeCaretAtEnd();
  // Topmost or not, the "&OnTop" item checked to match.
  void setOnTop(bool onTop);
  void copyToClipboard(const std::string& text);

  Program& program_;
  WindowDialogs& dialogs_;
  Clipboard& clipboard_;
  Desktop& desktop_;
  LexiconFill fillLexicon_;
  Lexicon lexicon_;
  WindowState state_;
  ShownResult emptyEntryShown_;  // what the empty entry shows: the table's headings under the prompt

  CommandButton conjugateButton_;
  bool onTopChecked_ = false;
  WindowGeometry geometry_;
  bool entryFocused_ = false;
  int caret_ = 0;
};

}  // namespace ragozo::window
