// The splash and about window's widgets, bound to its logic.
#include "qt/SplashView.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

#include "qt/Pictures.h"
#include "qt/QtDesktop.h"
#include "qt/Twips.h"
#include "window/SplashTexts.h"

namespace ragozo::view {
namespace {

QLabel* label(QWidget* parent, const char* text, QRect where, int pointSize, bool bold = false) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setGeometry(where);
  l->setAlignment(Qt::AlignCenter);
  l->setWordWrap(true);
  QFont font = l->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  l->setFont(font);
  return l;
}

}  // namespace

SplashView::SplashView(window::Splash& splash, QtDesktop& desktop)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), splash_(&splash), desktop_(desktop) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QString::fromUtf8(window::texts::kSplashCaption));
  setFixedSize(px(window::Splash::kWidth), px(window::Splash::kHeight - 345));

  auto* panel = new QFrame(this);  // decoration only
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(pxRect(120, 120, window::Splash::kWidth - 240, 2280));

  frameLabel_ = new QLabel(panel);
  frameLabel_->setGeometry(pxRect(180, 180, 1800, 1500));
  label(panel, window::texts::kTitleLine, pxRect(2040, 150, 3780, 540), 20, true);
  label(panel, window::texts::kAuthorLine, pxRect(2040, 720, 3780, 330), 10);
  label(panel, window::texts::kPlaceAndYear, pxRect(2040, 1080, 3780, 330), 10);
  label(panel, window::texts::kMakerLine, pxRect(2040, 1440, 3780, 330), 10);
  label(panel, window::texts::kCorrectedEdition, pxRect(2040, 1800, 3780, 330), 9);

  label(this, window::texts::kMoreInformation, pxRect(120, 2520, 5280, 480), 9);
  informationLabel_ = new QLabel(this);
  informationLabel_->setGeometry(pxRect(5520, 2520, 480, 480));
  informationLabel_->setPixmap(informationPicture(informationLabel_->size()));
  informationLabel_->setCursor(Qt::PointingHandCursor);
  informationLabel_->installEventFilter(this);

  okButton_ = new QPushButton(QString::fromUtf8(window::texts::kOk), this);
  okButton_->setGeometry(pxRect(window::Splash::kWidth / 2 - 600, 3120, 1200, 420));
  okButton_->setVisible(false);
  connect(okButton_, &QPushButton::clicked, this, [this] {
    if (splash_) desktop_.dispatch([this] { splash_->returnToMain(); });
  });

  // Both timers run from the start, as designed; the logic disables them.
  handOverTimer_.setInterval(window::Splash::kHandOverInterval);
  animationTimer_.setInterval(window::Splash::kAnimationInterval);
  connect(&handOverTimer_, &QTimer::timeout, this, [this] {
    if (splash_) desktop_.dispatch([this] { splash_->handOver(); });
  });
  connect(&animationTimer_, &QTimer::timeout, this, [this] {
    if (splash_) desktop_.dispatch([this] { splash_->nextFrame(); });
  });
  handOverTimer_.start();
  animationTimer_.start();
}

void SplashView::refresh() {
  if (!splash_) return;
  const window::WindowGeometry& g = splash_->geometry();
  move(px(g.left), px(g.top));
  if (splash_->frame() != shownPicture_) {
    shownPicture_ = splash_->frame();
    frameLabel_->setPixmap(framePicture(shownPicture_, frameLabel_->size()));
  }
  okButton_->setVisible(splash_->okVisible());
}

void SplashView::detach() {
  splash_ = nullptr;
  handOverTimer_.stop();
  animationTimer_.stop();
}

void SplashView::setTimerEnabled(window::SplashTimer timer, bool enabled) {
  QTimer& t = timer == window::SplashTimer::handOver ? handOverTimer_ : animationTimer_;
  if (enabled && !t.isActive()) t.start();
  if (!enabled) t.stop();
}

bool SplashView::timerActive(window::SplashTimer timer) const {
  return (timer == window::SplashTimer::handOver ? handOverTimer_ : animationTimer_).isActive();
}

bool SplashView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == informationLabel_ && event->type() == QEvent::MouseButtonRelease && splash_) {
    desktop_.dispatch([this] { splash_->openInformation(); });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SplashView::closeEvent(QCloseEvent* event) {
  // The logic decides what the close box closes; the window goes only when it unloads it.
  event->ignore();
  if (splash_) desktop_.dispatch([this] { splash_->closeFromTitleBar(); });
}

void SplashView::keyPressEvent(QKeyEvent* event) {
  // The about window takes Return and Escape as a dialog does: both press "&OK".
  const int key = event->key();
  const bool dismisses = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  if (dismisses && splash_ && splash_->okVisible()) {
    okButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ragozo::view
