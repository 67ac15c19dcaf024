// A windowing system without a display.
#include "headless/HeadlessDesktop.h"

namespace ragozo::headless {
namespace {

const char* name(window::WindowName window) { return window == window::WindowName::main ? "main" : "splash"; }

}  // namespace

void HeadlessDesktop::created(window::MainWindow&) {
  calls_.push_back("create main");
  shown_[index(window::WindowName::main)] = false;
}

void HeadlessDesktop::created(window::Splash&) {
  calls_.push_back("create splash");
  shown_[index(window::WindowName::splash)] = false;
  // The splash's timers are enabled as designed.
  timers_.fill(true);
}

void HeadlessDesktop::show(window::WindowName window) {
  calls_.push_back(std::string("show ") + name(window));
  shown_[index(window)] = true;
}

void HeadlessDesktop::unload(window::WindowName window) {
  calls_.push_back(std::string("unload ") + name(window));
  shown_[index(window)] = false;
  if (window == window::WindowName::splash) timers_.fill(false);
}

void HeadlessDesktop::setTopmost(window::WindowName window, bool topmost) {
  calls_.push_back(std::string("topmost ") + name(window) + (topmost ? " on" : " off"));
  topmost_[index(window)] = topmost;
}

void HeadlessDesktop::setMousePointer(window::WindowName window, window::MousePointer pointer) {
  calls_.push_back(std::string("pointer ") + name(window) +
                   (pointer == window::MousePointer::hourglass ? " hourglass" : " normal"));
  pointers_[index(window)] = pointer;
}

void HeadlessDesktop::setTimerEnabled(window::SplashTimer timer, bool enabled) {
  const bool handOver = timer == window::SplashTimer::handOver;
  calls_.push_back(std::string("timer ") + (handOver ? "handOver" : "animation") + (enabled ? " on" : " off"));
  timers_[index(timer)] = enabled;
}

void HeadlessDesktop::endProgram() {
  calls_.push_back("end");
  ended_ = true;
}

}  // namespace ragozo::headless
