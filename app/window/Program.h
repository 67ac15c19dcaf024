// The program's two windows and their lifecycles.
//
// The splash window opens first; after half a second it creates and shows
// the main window (whose load fills the lexicon) and closes. The about item of
// the main window reopens the same splash window as the about window and
// closes the main window; the about window's "&OK" creates the main window
// anew. A window closed from inside one of its own handlers stays alive until
// the next window is created, so the handler can run to its end.
#pragma once

#include <memory>

#include "window/Clipboard.h"
#include "window/Desktop.h"
#include "window/MainWindow.h"
#include "window/Splash.h"
#include "window/WindowDialogs.h"

namespace ragozo::window {

class Program {
 public:
  Program(Desktop& desktop, WindowDialogs& dialogs, Clipboard& clipboard, LexiconFill fillLexicon);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // The start-up: the splash window is the start-up window.
  void start() { showSplash(); }

  // Shows a window, creating it (and running its load handler) if it is not loaded.
  void showMain();
  void showSplash();
  // Closes a window; the splash runs its unload handler first.
  void unloadMain();
  void unloadSplash();

  // Whether the splash has handed over to the main window once; never cleared.
  bool splashDone() const { return splashDone_; }
  void markSplashDone() { splashDone_ = true; }

  // The loaded windows, or null.
  MainWindow* mainWindow() { return main_.get(); }
  Splash* splash() { return splash_.get(); }

 private:
  void discardClosedWindows();

  Desktop& desktop_;
  WindowDialogs& dialogs_;
  Clipboard& clipboard_;
  LexiconFill fillLexicon_;
  bool splashDone_ = false;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<Splash> splash_;
  std::unique_ptr<MainWindow> closedMain_;
  std::unique_ptr<Splash> closedSplash_;
};

}  // namespace ragozo::window
