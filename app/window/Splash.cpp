// The splash window, which serves later as the about window.
#include "window/Splash.h"

#include "window/Program.h"
#include "window/SplashTexts.h"

namespace ragozo::window {

Splash::Splash(Program& program, WindowDialogs& dialogs, Desktop& desktop)
    : program_(program), dialogs_(dialogs), desktop_(desktop) {}

void Splash::load() {
  const ScreenSize screen = desktop_.screenSize();
  geometry_.top = screen.height / 2 - geometry_.height / 2;
  geometry_.left = screen.width / 2 - geometry_.width / 2;
  desktop_.setMousePointer(WindowName::splash,
                           program_.splashDone() ? MousePointer::normal : MousePointer::hourglass);
  desktop_.setTopmost(WindowName::splash, true);
  if (program_.splashDone()) {
    okVisible_ = true;
    desktop_.setTimerEnabled(SplashTimer::handOver, false);
  }
  frame_ = Picture::firstFrame;
}

void Splash::handOver() {
  program_.showMain();
  program_.markSplashDone();
  desktop_.setTimerEnabled(SplashTimer::handOver, false);
  program_.unloadSplash();
}

void Splash::nextFrame() {
  if (frame_ == Picture::firstFrame) {
    frame_ = Picture::secondFrame;
  } else if (frame_ == Picture::secondFrame) {
    frame_ = Picture::thirdFrame;
  } else if (frame_ == Picture::thirdFrame) {
    frame_ = Picture::firstFrame;
  }
}

void Splash::returnToMain() {
  program_.showMain();
  program_.unloadSplash();
}

void Splash::closeFromTitleBar() {
  if (okVisible_) {
    returnToMain();
    return;
  }
  program_.unloadSplash();
  if (!program_.mainWindow()) desktop_.endProgram();
}

void Splash::openInformation() { dialogs_.showInformation(texts::kInformationTitle, texts::kInformationText); }

void Splash::unload() { desktop_.setTimerEnabled(SplashTimer::handOver, false); }

}  // namespace ragozo::window
