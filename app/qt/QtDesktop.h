// The windowing system for the window logic: creates, shows and closes the views.
//
// Every user action reaches the logic through `dispatch`, which runs the
// handler and then brings every open view up to date with its logic.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "qt/MainWindowView.h"
#include "qt/SplashView.h"
#include "window/Desktop.h"

namespace ragozo::view {

class QtDesktop : public window::Desktop {
 public:
  QtDesktop() = default;
  ~QtDesktop() override;
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  // Runs a handler of the logic, then shows the result in every open view.
  void dispatch(const std::function<void()>& handler);
  void refreshAll();

  // The open views, or null.
  MainWindowView* mainView() { return mainView_; }
  SplashView* splashView() { return splashView_; }

  window::ScreenSize screenSize() const override;
  void created(window::MainWindow& window) override;
  void created(window::Splash& window) override;
  void show(window::WindowName window) override;
  void unload(window::WindowName window) override;
  void setTopmost(window::WindowName window, bool topmost) override;
  void setMousePointer(window::WindowName window, window::MousePointer pointer) override;
  void setTimerEnabled(window::SplashTimer timer, bool enabled) override;
  void endProgram() override;

 private:
  QWidget* widget(window::WindowName window);

  QPointer<MainWindowView> mainView_;
  QPointer<SplashView> splashView_;
};

}  // namespace ragozo::view
