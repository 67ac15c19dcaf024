// What the window logic asks of the windowing system.
//
// The logic decides what happens and in which order; showing, unloading,
// stacking, pointers and timers are the windowing system's business. The Qt
// view implements this over real widgets; tests record the calls.
#pragma once

namespace ragozo::window {

class MainWindow;
class Splash;

// The two windows of the program.
enum class WindowName { splash, main };

// The mouse pointers the program sets.
enum class MousePointer { normal, hourglass };

// The splash window's two timers.
enum class SplashTimer {
  handOver,   // fires once 500 ms after the splash opens
  animation,  // steps the picture every 300 ms
};

// Width and height of the screen, in twips.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

// A window's place and size, in twips.
struct WindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual ScreenSize screenSize() const = 0;

  // A window's logic has just been created; its view binds to it. The
  // splash's timers start enabled, as designed.
  virtual void created(MainWindow& window) = 0;
  virtual void created(Splash& window) = 0;

  // Shows the window without making it modal (its geometry is in its logic).
  virtual void show(WindowName window) = 0;
  // Closes the window; its logic is discarded once the current event has ended.
  virtual void unload(WindowName window) = 0;

  // Makes the window topmost or not, without moving or sizing it.
  virtual void setTopmost(WindowName window, bool topmost) = 0;
  virtual void setMousePointer(WindowName window, MousePointer pointer) = 0;
  virtual void setTimerEnabled(SplashTimer timer, bool enabled) = 0;

  // Ends the program at once.
  virtual void endProgram() = 0;
};

}  // namespace ragozo::window
