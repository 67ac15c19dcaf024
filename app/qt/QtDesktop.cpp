// The windowing system for the window logic over Qt widgets.
#include "qt/QtDesktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "qt/MainWindowView.h"
#include "qt/SplashView.h"
#include "qt/Twips.h"

namespace ragozo::view {

QtDesktop::~QtDesktop() {
  delete mainView_.data();
  delete splashView_.data();
}

void QtDesktop::dispatch(const std::function<void()>& handler) {
  handler();
  refreshAll();
}

void QtDesktop::refreshAll() {
  if (mainView_) mainView_->refresh();
  if (splashView_) splashView_->refresh();
}

window::ScreenSize QtDesktop::screenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->availableGeometry().size() : QSize(1024, 768);
  return {twips(size.width()), twips(size.height())};
}

void QtDesktop::created(window::MainWindow& window) { mainView_ = new MainWindowView(window, *this); }

void QtDesktop::created(window::Splash& window) { splashView_ = new SplashView(window, *this); }

QWidget* QtDesktop::widget(window::WindowName window) {
  if (window == window::WindowName::main) return mainView_.data();
  return splashView_.data();
}

void QtDesktop::show(window::WindowName window) {
  if (window == window::WindowName::main && mainView_) mainView_->refresh();
  if (window == window::WindowName::splash && splashView_) splashView_->refresh();
  if (QWidget* w = widget(window)) {
    w->show();
    // Platforms without windows to stack (offscreen) cannot raise one.
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) w->raise();
  }
}

void QtDesktop::unload(window::WindowName window) {
  if (window == window::WindowName::main && mainView_) {
    mainView_->detach();
    mainView_->hide();
    mainView_->deleteLater();
    mainView_ = nullptr;
  }
  if (window == window::WindowName::splash && splashView_) {
    splashView_->detach();
    splashView_->hide();
    splashView_->deleteLater();
    splashView_ = nullptr;
  }
}

void QtDesktop::setTopmost(window::WindowName window, bool topmost) {
  QWidget* w = widget(window);
  if (!w || w->testAttribute(Qt::WA_WState_Created) == false) {
    if (w) w->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    return;
  }
  // Changing a window flag hides the window; show it again where it was.
  const bool wasVisible = w->isVisible();
  w->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  if (wasVisible) w->show();
}

void QtDesktop::setMousePointer(window::WindowName window, window::MousePointer pointer) {
  if (QWidget* w = widget(window)) {
    if (pointer == window::MousePointer::hourglass) {
      w->setCursor(Qt::WaitCursor);
    } else {
      w->unsetCursor();
    }
  }
}

void QtDesktop::setTimerEnabled(window::SplashTimer timer, bool enabled) {
  if (splashView_) splashView_->setTimerEnabled(timer, enabled);
}

void QtDesktop::endProgram() {
  unload(window::WindowName::main);
  unload(window::WindowName::splash);
  QApplication::exit(0);
}

}  // namespace ragozo::view
