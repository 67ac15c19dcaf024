// The whole program without a display, driven as a user would drive it.
//
// Holds the headless desktop, clipboard and dialogs and the program over
// them. `start` opens the splash and lets its hand-over tick load the main
// window; `type` enters text key by key through the entry's key and change
// handlers, so the resets after a result happen as they do on screen.
#pragma once

#include <string_view>

#include "headless/HeadlessDesktop.h"
#include "headless/MemoryClipboard.h"
#include "headless/ScriptedDialogs.h"
#include "window/Program.h"

namespace ragozo::headless {

class Session {
 public:
  explicit Session(window::LexiconFill fillLexicon);

  // The splash opens, and its hand-over tick loads and shows the main window.
  void start();

  // The loaded main window; `start` must have run.
  window::MainWindow& main() { return *program.mainWindow(); }

  // Types `text` at the end of the entry, one character at a time.
  void type(std::string_view text);
  // Starts a new entry as a user does whatever the window shows: the whole
  // entry selected and deleted, then `text` typed.
  void typeNewEntry(std::string_view text);
  // Types `verb` as a new entry, then presses Enter.
  void conjugate(std::string_view verb);

  HeadlessDesktop desktop;
  MemoryClipboard clipboard;
  ScriptedDialogs dialogs;
  window::Program program;
};

}  // namespace ragozo::headless
