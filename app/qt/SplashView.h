// The splash and about window's widgets, bound to its logic.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "window/Splash.h"

namespace ragozo::view {

class QtDesktop;

class SplashView : public QWidget {
  Q_OBJECT

 public:
  SplashView(window::Splash& splash, QtDesktop& desktop);

  // Shows the logic's current state.
  void refresh();
  // The logic is gone: stop the timers and forward nothing more.
  void detach();
  void setTimerEnabled(window::SplashTimer timer, bool enabled);

  QPushButton* okButton() { return okButton_; }
  bool timerActive(window::SplashTimer timer) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  window::Splash* splash_;
  QtDesktop& desktop_;
  QLabel* frameLabel_;        // the animation
  QLabel* informationLabel_;  // the information picture, which opens the information box
  QPushButton* okButton_;
  QTimer handOverTimer_;
  QTimer animationTimer_;
  window::Picture shownPicture_ = window::Picture::none;
};

}  // namespace ragozo::view
