// Qt's own texts in Hungarian: the buttons of the message boxes ("Igen", "Nem") and the entry's
// context menu, as the rest of the window speaks.
#pragma once

#include <QCoreApplication>

namespace ragozo::view {

// Installs the Hungarian translation built into the program; returns false if it could not be read.
bool installHungarianTranslation(QCoreApplication& application);

}  // namespace ragozo::view
