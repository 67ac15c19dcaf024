// window-screenshot: starts the real window with the built-in lexicon, types a verb, conjugates
// it, opens the derived forms and saves the window as a PNG, for the README's picture.
//
//   window-screenshot OUTPUT.png [VERB]      (VERB defaults to "megy", whose notice line shows)
//
// Run it under a display, e.g. `xvfb-run -a build/tools/screenshot/window-screenshot docs/window.png`.
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "lexicon/FillProcedures.h"
#include "qt/MainWindowView.h"
#include "qt/QtDesktop.h"
#include "qt/QtServices.h"
#include "window/Program.h"

namespace {

void typeKey(QWidget* widget, QChar character) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
  QApplication::sendEvent(widget, &release);
}

// Types the verb and clicks "Ragozás" (Enter needs an active window, which a bare X server
// without a window manager does not give), then presses the derived-forms toggle so that the
// picture shows the eight derived forms too.
void conjugate(ragozo::view::MainWindowView& view, const QString& verb) {
  for (const QChar character : verb) typeKey(view.entry(), character);
  view.conjugateButton()->click();
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (button->isVisible() && button->text() == QStringLiteral("&Képzett alakok is")) button->click();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window-screenshot OUTPUT.png [VERB]\n");
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  const QString output = QString::fromLocal8Bit(argv[1]);
  const QString verb = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("megy");

  ragozo::view::QtDesktop desktop;
  ragozo::view::QtDialogs dialogs;
  ragozo::view::QtClipboard clipboard;
  ragozo::window::Program program(desktop, dialogs, clipboard, ragozo::fillLexicon);
  desktop.dispatch([&program] { program.start(); });

  int status = 1;
  QTimer poll;
  poll.callOnTimeout([&] {
    ragozo::view::MainWindowView* view = desktop.mainView();
    if (view == nullptr || desktop.splashView() != nullptr) return;  // the splash hands over after 500 ms
    poll.stop();
    conjugate(*view, verb);
    QTimer::singleShot(300, [&, view] {  // let the window repaint at its new height
      status = view->grab().save(output) ? 0 : 1;
      if (status != 0) std::fprintf(stderr, "cannot write %s\n", argv[1]);
      QApplication::exit(status);
    });
  });
  poll.start(50);
  QApplication::exec();
  return status;
}
