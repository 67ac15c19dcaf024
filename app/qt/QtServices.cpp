// Message boxes, beep and clipboard over Qt.
#include "qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "window/MainWindowTexts.h"

namespace ragozo::view {
namespace {

QString toQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void QtDialogs::beep() { QApplication::beep(); }

void QtDialogs::showMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, window::texts::kApplicationTitle, toQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, toQString(title), toQString(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showInformation(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Information, toQString(title), toQString(text), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void QtClipboard::clear() { QApplication::clipboard()->clear(); }

void QtClipboard::setText(const std::string& text) { QApplication::clipboard()->setText(toQString(text)); }

std::string QtClipboard::text() const { return QApplication::clipboard()->text().toStdString(); }

}  // namespace ragozo::view
