// Message boxes, beep and clipboard over Qt.
#include "qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QMessageBox>

#include "window/MainWindowTexts.h"

namespace ragozo::view {
namespace {

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// Room beside the title for the title bar's buttons and margins, which the window manager draws.
constexpr int kTitleBarRoom = 160;

// Shows `box` and waits for its answer. A box is made at least as wide as its title needs, so that
// a short message ("Nincs ilyen ige.") does not cut the title off.
int exec(QMessageBox& box) {
  const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                  1, grid->columnCount());
  }
  return box.exec();
}

}  // namespace

void QtDialogs::beep() { QApplication::beep(); }

void QtDialogs::showMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, window::texts::kApplicationTitle, toQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  exec(box);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, toQString(title), toQString(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  return exec(box) == QMessageBox::Yes;
}

void QtDialogs::showInformation(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Information, toQString(title), toQString(text), QMessageBox::Ok, QApplication::activeWindow());
  exec(box);
}

void QtClipboard::clear() { QApplication::clipboard()->clear(); }

void QtClipboard::setText(const std::string& text) { QApplication::clipboard()->setText(toQString(text)); }

std::string QtClipboard::text() const { return QApplication::clipboard()->text().toStdString(); }

}  // namespace ragozo::view
