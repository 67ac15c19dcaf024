// The program's two windows and their lifecycles.
#include "window/Program.h"

#include <utility>

namespace ragozo::window {

Program::Program(Desktop& desktop, WindowDialogs& dialogs, Clipboard& clipboard, LexiconFill fillLexicon)
    : desktop_(desktop), dialogs_(dialogs), clipboard_(clipboard), fillLexicon_(std::move(fillLexicon)) {}

Program::~Program() = default;

void Program::discardClosedWindows() {
  closedMain_.reset();
  closedSplash_.reset();
}

void Program::showMain() {
  if (!main_) {
    discardClosedWindows();
    main_ = std::make_unique<MainWindow>(*this, dialogs_, clipboard_, desktop_, fillLexicon_);
    desktop_.created(*main_);
    main_->load();
  }
  desktop_.show(WindowName::main);
}

void Program::showSplash() {
  if (!splash_) {
    discardClosedWindows();
    splash_ = std::make_unique<Splash>(*this, dialogs_, desktop_);
    desktop_.created(*splash_);
    splash_->load();
  }
  desktop_.show(WindowName::splash);
}

void Program::unloadMain() {
  if (!main_) return;
  desktop_.unload(WindowName::main);
  closedMain_ = std::move(main_);
}

void Program::unloadSplash() {
  if (!splash_) return;
  splash_->unload();
  desktop_.unload(WindowName::splash);
  closedSplash_ = std::move(splash_);
}

}  // namespace ragozo::window
