// The main window's logic: its controls as plain data and one method per handler.
//
// How a request runs: the view forwards each user action to the handler of
// the same name (`Command1_Click` for "&Ragozás" and Enter, `Text1_KeyPress`
// and the entry's change for typing, `Option1_Click` ... for the tense and
// mood buttons); the handler drives the engine over `state`, which also holds
// the entry, the table, the notice line and the derived boxes, and changes
// the captions and visibility kept here. The view then shows what it finds.
// Message boxes, the clipboard and the windowing system are reached through
// the interfaces given at construction; nothing here knows of Qt.
#pragma once

#include <functional>
#include <string>

#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"
#include "window/Clipboard.h"
#include "window/Desktop.h"
#include "window/WindowDialogs.h"

namespace ragozo::window {

class Program;

// Fills a lexicon at load time; the program's own runs the thirty fill steps.
using LexiconFill = std::function<void(Lexicon&)>;

// A command button's caption (with its "&" access key) and visibility.
struct CommandButton {
  std::string caption;
  bool visible = false;
};

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

  // --- handlers -------------------------------------------------------------
  // The load sequence: place, show, table set-up, indicative present (one
  // conjugation of the empty entry), the lexicon fill and the start-up values.
  void Form_Load();
  // The conjugate action of "&Ragozás", the default button: the engine from
  // the impossible-ending check to the derived forms, every cell, the
  // restrictions and the focus back in the entry. Without a tense and mood
  // chosen it only asks for one; an impossible ending or a verb neither found
  // nor guessed stops it before any cell is written; an entry of blanks and
  // tabs alone (or none) leaves the table and boxes empty under the entry
  // prompt. Should a message box or memory fail in a step, the form cells are
  // emptied rather than left half new and half old; any other exception is a
  // fault and goes on to the caller.
  void Command1_Click();
  void Command2_Click();  // all persons of a third-person verb
  void Command3_Click();  // the objective column of a subjective verb
  void Command4_Click();  // the imperative of a verb not used in it
  void Command5_Click();  // the tall view with the derived forms
  void Command6_Click();  // short or long second-person imperative
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  // A key reaching the entry, before its character goes in; `key` is not changed.
  void Text1_KeyPress(int key);
  // Every change of the entry's text: the per-entry reset after a result
  // (nothing while the entry is fresh). It empties the entry itself, which
  // enters it again; the inner run does the whole reset first. It also clears
  // the imperative restriction of the verb conjugated last.
  void Text1_Change();
  void Text1_DblClick();
  void Text1_GotFocus();
  // The table's copy event: the current cell goes to the clipboard.
  void Grid1_Copy();
  void Text5_Click();
  void Text6_Click();
  void Text7_Click();
  void Text8_Click();
  void Text9_Click();
  void Text10_Click();
  void Text11_Click();
  void Text12_Click();
  void OnTop_Click();
  void close_Click();
  void mnuNevj_Click();

  // --- what the user does, as the view reports it ----------------------------
  // A tense and mood button is chosen (1 to 4), by the user or the load: it is
  // selected, which deselects the others, and its click handler runs.
  void chooseOption(int option);
  // The user's editing left this text in the entry (raises the change handling).
  void entryEdited(const std::string& text);
  // The entry gains or loses the focus; gaining it runs `Text1_GotFocus`.
  void entryGotFocus();
  void entryLostFocus() { entryFocused_ = false; }
  void setCaret(int position) { caret_ = position; }
  // A click on a table cell: it becomes the current cell and the copy event runs.
  void clickCell(int row, int column);
  // A click on derived-form box 0 to 7 (`Text5` to `Text12`).
  void clickDerivedBox(int box);

  // --- controls ---------------------------------------------------------------
  ConjugationState& state() { return state_; }
  const ConjugationState& state() const { return state_; }
  const CommandButton& command1() const { return command1_; }
  const CommandButton& command2() const { return command2_; }
  const CommandButton& command3() const { return command3_; }
  const CommandButton& command4() const { return command4_; }
  // Command5's caption is `state().derivedFormsCaption`; the button is always visible.
  // Command6's caption is `state().shortImperative`.
  bool command6Visible() const { return command6Visible_; }
  // The selected tense and mood button, 1 to 4, or 0 before any is chosen.
  int selectedOption() const { return selectedOption_; }
  bool onTopChecked() const { return onTopChecked_; }
  const WindowGeometry& geometry() const { return geometry_; }
  bool entryFocused() const { return entryFocused_; }
  int caret() const { return caret_; }
  const Lexicon& lexicon() const { return lexicon_; }

 private:
  void conjugateSteps();
  void abandonRequest();
  void emptyForms();
  void copyBox(int box);

  Program& program_;
  WindowDialogs& dialogs_;
  Clipboard& clipboard_;
  Desktop& desktop_;
  LexiconFill fillLexicon_;
  Lexicon lexicon_;
  ConjugationState state_;

  CommandButton command1_;
  CommandButton command2_;
  CommandButton command3_;
  CommandButton command4_;
  bool command6Visible_ = false;
  int selectedOption_ = 0;
  bool onTopChecked_ = false;
  WindowGeometry geometry_;
  bool entryFocused_ = false;
  int caret_ = 0;
};

}  // namespace ragozo::window
