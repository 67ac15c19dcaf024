// A windowing system without a display: records what the window logic asks of it.
//
// Used by the developer tool and the tests. Every call is kept in order as a
// short line ("show main", "topmost main on", "timer handOver off" ...), and the
// state it leaves (which windows are open, the splash's timers, the pointers)
// can be read back.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "window/Desktop.h"

namespace ragozo::headless {

class HeadlessDesktop : public window::Desktop {
 public:
  // A 1920 by 1080 pixel screen at 96 dots per inch.
  static constexpr window::ScreenSize kScreen{28800, 16200};

  window::ScreenSize screenSize() const override { return kScreen; }
  void created(window::MainWindow& window) override;
  void created(window::Splash& window) override;
  void show(window::WindowName window) override;
  void unload(window::WindowName window) override;
  void setTopmost(window::WindowName window, bool topmost) override;
  void setMousePointer(window::WindowName window, window::MousePointer pointer) override;
  void setTimerEnabled(window::SplashTimer timer, bool enabled) override;
  void endProgram() override;

  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }

  bool shown(window::WindowName window) const { return shown_[index(window)]; }
  bool topmost(window::WindowName window) const { return topmost_[index(window)]; }
  window::MousePointer pointer(window::WindowName window) const { return pointers_[index(window)]; }
  bool timerEnabled(window::SplashTimer timer) const { return timers_[index(timer)]; }
  bool ended() const { return ended_; }

 private:
  // Where a window's or a timer's state is kept in the arrays below.
  static std::size_t index(window::WindowName window) { return window == window::WindowName::main ? 0 : 1; }
  static std::size_t index(window::SplashTimer timer) { return timer == window::SplashTimer::handOver ? 0 : 1; }

  std::vector<std::string> calls_;
  std::array<bool, 2> shown_{};
  std::array<bool, 2> topmost_{};
  std::array<window::MousePointer, 2> pointers_{window::MousePointer::normal, window::MousePointer::normal};
  std::array<bool, 2> timers_{};
  bool ended_ = false;
};

}  // namespace ragozo::headless
