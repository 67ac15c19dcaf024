// The entry box's line edit.
#include "qt/EntryLineEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

namespace ragozo::view {
namespace {

bool clipboardHoldsText(QClipboard::Mode mode) { return !QGuiApplication::clipboard()->text(mode).isEmpty(); }

// Whether the key types into the entry as a typed key does: a character the line edit takes (not a
// Ctrl or Ctrl+Shift shortcut, but AltGr's Ctrl+Alt and a character beyond 16 bits), Backspace, or a
// paste of some text. A shortcut that leaves the text as it is (copy, select all, the caret's moves)
// does not; one that takes text out without a character (a cut, Delete, an undo) starts the new
// entry through the change it makes, as the menu's cut does.
bool typesIntoEntry(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Paste)) return clipboardHoldsText(QClipboard::Clipboard);
  if (event.key() == Qt::Key_Backspace) return true;
  const QString text = event.text();
  if (text.isEmpty()) return false;
  const QChar first = text.front();
  if (first.category() == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
         (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

}  // namespace

void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
  if (typesIntoEntry(*event)) emit textComing();
  QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  // A letter composed by an input method comes as committed text without a key
  // press; it must empty the entry after a result first, as a typed key does.
  if (!event->commitString().isEmpty()) emit textComing();
  QLineEdit::inputMethodEvent(event);
}

void EntryLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  // The menu's paste brings its text in as Ctrl+V does. It is the one item the line edit connected
  // to its paste (by name in older versions of Qt, by member in newer ones).
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (QAction* action : menu->actions()) {
    const bool pastes = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
                        disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
    if (pastes) connect(action, &QAction::triggered, this, &EntryLineEdit::pasteAsTyped);
  }
  menu->popup(event->globalPos());
}

void EntryLineEdit::pasteAsTyped() {
  if (clipboardHoldsText(QClipboard::Clipboard)) emit textComing();
  paste();
}

void EntryLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection where the system has one, as Ctrl+V pastes the clipboard.
  const bool pastesSelection = event->button() == Qt::MiddleButton &&
                               QGuiApplication::clipboard()->supportsSelection() &&
                               clipboardHoldsText(QClipboard::Selection);
  if (pastesSelection) emit textComing();
  QLineEdit::mouseReleaseEvent(event);
}

void EntryLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  // The double click pastes; the word selection it would make is not wanted.
  event->accept();
  emit doubleClicked();
}

void EntryLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit focusGained();
}

void EntryLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLost();
}

}  // namespace ragozo::view
