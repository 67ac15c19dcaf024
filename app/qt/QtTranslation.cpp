// Qt's own texts in Hungarian.
#include "qt/QtTranslation.h"

#include <QTranslator>

// The translation is a resource of a static library, which the linker keeps only where it is named,
// and naming it must happen outside any namespace.
static void initTranslationResource() { Q_INIT_RESOURCE(translations); }

namespace ragozo::view {

bool installHungarianTranslation(QCoreApplication& application) {
  initTranslationResource();
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral(":/translations/qtbase_hu.qm"))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace ragozo::view
