// The splash window, which serves later as the about window.
//
// As the splash it shows the hourglass and a three-frame animation, and after
// half a second hands over to the main window. Opened again from the about
// item (once the splash has handed over) it shows the "&OK" button, which
// brings the main window back. The three frames and the information picture
// are drawn by the view; here a picture is only its name.
#pragma once

#include "window/Desktop.h"
#include "window/WindowDialogs.h"

namespace ragozo::window {

class Program;

// The pictures of the animation: the splash shows one of the three frames, in this cycle order.
enum class Picture { none, firstFrame, secondFrame, thirdFrame };

class Splash {
 public:
  static constexpr int kWidth = 6240;
  static constexpr int kHeight = 4080;
  static constexpr int kHandOverInterval = 500;   // ms, once: the splash hands over to the main window
  static constexpr int kAnimationInterval = 300;  // ms, between two frames of the animation

  Splash(Program& program, WindowDialogs& dialogs, Desktop& desktop);
  Splash(const Splash&) = delete;
  Splash& operator=(const Splash&) = delete;

  void load();
  // The 500 ms hand-over to the main window (disabled for the about window).
  void handOver();
  // The 300 ms animation step: the first, second, third, first frame ...
  void nextFrame();
  // "&OK" of the about window: the main window comes back.
  void returnToMain();
  // The title bar's close box. It closes the about window as "&OK" does, bringing the main window
  // back; the splash, closed before any window is there, ends the program.
  void closeFromTitleBar();
  // A click on the information picture: the information box.
  void openInformation();
  void unload();

  Picture frame() const { return frame_; }
  bool okVisible() const { return okVisible_; }
  const WindowGeometry& geometry() const { return geometry_; }

 private:
  Program& program_;
  WindowDialogs& dialogs_;
  Desktop& desktop_;
  Picture frame_ = Picture::none;
  bool okVisible_ = false;
  WindowGeometry geometry_{0, 0, kWidth, kHeight};
};

}  // namespace ragozo::window
