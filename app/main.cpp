// Igeragozó: starts the splash window, which hands over to the main window.
#include <QApplication>
#include <QFont>

#include "lexicon/FillProcedures.h"
#include "qt/QtDesktop.h"
#include "qt/QtServices.h"
#include "qt/QtTranslation.h"
#include "window/Program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Igeragozó"));
  QApplication::setQuitOnLastWindowClosed(false);
  // A font with every Hungarian accent, in the size the window's layout expects.
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  ragozo::view::installHungarianTranslation(application);

  ragozo::view::QtDesktop desktop;
  ragozo::view::QtDialogs dialogs;
  ragozo::view::QtClipboard clipboard;
  ragozo::window::Program program(desktop, dialogs, clipboard, ragozo::fillLexicon);
  desktop.dispatch([&program] { program.start(); });
  return QApplication::exec();
}
